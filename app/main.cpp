#include "ApplicationIdentity.h"
#include "CommandLine.h"
#include "VHLogger.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    setupLogger();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, true);
    QCoreApplication::setApplicationVersion(ApplicationIdentity::version);
    QCoreApplication::setApplicationName(ApplicationIdentity::name);

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromUtf8(argv[i]));
    CommandLine commandLine(arguments);

    if (commandLine.wantsGui()) {
        std::fprintf(stderr, "VHSettings: this build has no settings window yet; "
                             "use -l, -g or -s (see -h)\n");
        return 0;
    }
    return commandLine.runConsole(argc, argv);
}
