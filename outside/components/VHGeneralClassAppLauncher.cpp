#include "VHGeneralClassAppLauncher.h"

#include "LauncherLogging.h"

#include <QProcess>

VHGeneralClassAppLauncher::VHGeneralClassAppLauncher(QObject *parent)
    : QObject(parent)
{
}

bool VHGeneralClassAppLauncher::launchApplication(const QString &name, const QStringList &arguments,
                                                  bool raise, bool focus)
{
    QStringList programArguments;
    for (const QString &argument : arguments) {
        if (!argument.isEmpty())
            programArguments.append(argument);
    }
    qCDebug(lcLauncher) << "launching" << name << programArguments << "raise" << raise << "focus" << focus;
    if (!QProcess::startDetached(name, programArguments)) {
        qCWarning(lcLauncher) << "cannot start" << name;
        return false;
    }
    return true;
}
