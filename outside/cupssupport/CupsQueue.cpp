#include "CupsQueue.h"

#include "CupsSupportLogging.h"
#include "ReadAhead.h"

#include <dlfcn.h>

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

ReadAhead<Defaults> &readAhead()
{
    static ReadAhead<Defaults> queueDefaults(readNow);
    return queueDefaults;
}

} // namespace

void prefetch(const QByteArray &queue)
{
    readAhead().start(queue);
}

Defaults read(const QByteArray &queue)
{
    return readAhead().take(queue);
}

bool write(const QByteArray &queue, const Changes &changes, Options &stored)
{
    return module().write && module().write(queue, changes, stored);
}

} // namespace CupsQueue
