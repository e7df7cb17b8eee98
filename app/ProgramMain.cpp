#include "ApplicationIdentity.h"
#include "CommandLine.h"
#include "ProgramModule.h"
#include "VHLogger.h"
#include "WindowModule.h"

#include <QCoreApplication>
#include <QUuid>

#include <type_traits>

extern "C" Q_DECL_EXPORT int vhSettingsMain(int argc, char **argv)
{
    setupLogger();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, true);
    QCoreApplication::setApplicationVersion(ApplicationIdentity::version);
    QCoreApplication::setApplicationName(ApplicationIdentity::name);
    const QString sessionId = QUuid::createUuid().toString(QUuid::WithoutBraces);

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromUtf8(argv[i]));
    CommandLine commandLine(arguments);

    if (!commandLine.wantsGui())
        return commandLine.runConsole(argc, argv);

    // The window's module also registers QMLUpdatabilityEnums for its QML.
    return WindowModule::run(argc, argv, commandLine.startTab(), sessionId);
}

static_assert(std::is_same_v<decltype(&vhSettingsMain), ProgramModule::Entry>,
              "the executable calls the entry through ProgramModule::Entry");
