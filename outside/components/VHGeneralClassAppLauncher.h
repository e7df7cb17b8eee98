#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Starts another appliance program, such as the supply-status utility,
// detached from the settings window.
class VHGeneralClassAppLauncher : public QObject
{
    Q_OBJECT
public:
    explicit VHGeneralClassAppLauncher(QObject *parent = nullptr);

    // Starts `name` through the search path with `arguments` (empty ones are
    // dropped). The program runs inside the compositor's session either way;
    // the flags say whether it should be raised and take the focus, which
    // the compositor decides from the program's own window. Returns whether
    // the program started; a failure is logged.
    Q_INVOKABLE bool launchApplication(const QString &name, const QStringList &arguments, bool raise,
                                       bool focus);
};
