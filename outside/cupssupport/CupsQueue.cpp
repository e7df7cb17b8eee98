#include "CupsQueue.h"

#include "CupsSupportLogging.h"

#include <dlfcn.h>

#include <future>
#include <mutex>

namespace CupsQueue {

namespace {

struct Module
{
    ReadEntry read = nullptr;
    WriteEntry write = nullptr;
};

// Loaded once and kept until exit. dlopen() called from this library searches
// its run path (the build tree), else the system's library directories.
// Lazy binding, as for linked libraries.
const Module &module()
{
    static const Module loaded = [] {
        Module entries;
        void *handle = dlopen(moduleFileName, RTLD_LAZY | RTLD_LOCAL);
        if (handle) {
            entries.read = reinterpret_cast<ReadEntry>(dlsym(handle, readEntryName));
            entries.write = reinterpret_cast<WriteEntry>(dlsym(handle, writeEntryName));
        }
        if (!entries.read || !entries.write) {
            qCWarning(lcCupsSupport) << "cannot load the CUPS exchange:" << dlerror();
            entries = Module();
        }
        return entries;
    }();
    return loaded;
}

Defaults readNow(const QByteArray &queue)
{
    return module().read ? module().read(queue) : Defaults();
}

struct Prefetched
{
    std::mutex mutex;
    QByteArray queue;
    std::future<Defaults> defaults;
};

Prefetched &prefetched()
{
    static Prefetched state;
    return state;
}

} // namespace

void prefetch(const QByteArray &queue)
{
    Prefetched &state = prefetched();
    const std::lock_guard<std::mutex> lock(state.mutex);
    state.queue = queue;
    state.defaults = std::async(std::launch::async, readNow, queue);
}

Defaults read(const QByteArray &queue)
{
    Prefetched &state = prefetched();
    std::unique_lock<std::mutex> lock(state.mutex);
    if (state.defaults.valid() && state.queue == queue) {
        // Taken once: a later read asks the scheduler again.
        std::future<Defaults> defaults = std::move(state.defaults);
        lock.unlock();
        return defaults.get();
    }
    lock.unlock();
    return readNow(queue);
}

bool write(const QByteArray &queue, const Changes &changes, Options &stored)
{
    return module().write && module().write(queue, changes, stored);
}

} // namespace CupsQueue
