#include "WindowModule.h"

#include <QCoreApplication>

#include <cstdio>
#include <dlfcn.h>

namespace WindowModule {

int run(int &argc, char **argv, uint startTab, const QString &sessionId)
{
    // dlopen() called from the executable searches the executable's run path;
    // QLibrary's would search Qt Core's. Lazy binding, as for the libraries
    // the executable links. The module stays loaded until exit.
    void *module = dlopen(fileName, RTLD_LAZY | RTLD_LOCAL);
    const auto entry = module ? reinterpret_cast<Entry>(dlsym(module, entryName)) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "%s: cannot start the window: %s\n",
                     qPrintable(QCoreApplication::applicationName()), dlerror());
        return EXIT_FAILURE;
    }
    return entry(argc, argv, startTab, sessionId);
}

} // namespace WindowModule
