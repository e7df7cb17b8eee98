#include "WindowModule.h"

#include "ModuleLoader.h"

#include <QCoreApplication>

#include <cstdio>

namespace WindowModule {

int run(int &argc, char **argv, uint startTab, const QString &sessionId)
{
    const auto entry = loadModuleEntry<Entry>(fileName, entryName);
    if (!entry) {
        std::fprintf(stderr, "%s: cannot start the window: %s\n",
                     qPrintable(QCoreApplication::applicationName()), dlerror());
        return EXIT_FAILURE;
    }
    return entry(argc, argv, startTab, sessionId);
}

} // namespace WindowModule
