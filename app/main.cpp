#include "ApplicationIdentity.h"
#include "CommandLine.h"
#include "GuiSession.h"
#include "QMLUpdatabilityEnums.h"
#include "VHLogger.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QUuid>

int main(int argc, char *argv[])
{
    setupLogger();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, true);
    QCoreApplication::setApplicationVersion(ApplicationIdentity::version);
    QCoreApplication::setApplicationName(ApplicationIdentity::name);
    QMLUpdatabilityEnums::registerQmlType();
    const QString sessionId = QUuid::createUuid().toString(QUuid::WithoutBraces);

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromUtf8(argv[i]));
    CommandLine commandLine(arguments);

    if (!commandLine.wantsGui())
        return commandLine.runConsole(argc, argv);

    QGuiApplication app(argc, argv);
    GuiSession session(commandLine.startTab(), sessionId);
    return session.exec();
}
