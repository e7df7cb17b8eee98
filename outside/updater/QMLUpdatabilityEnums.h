#pragma once

#include <QObject>
#include <qqml.h>

// Whether the installed system can take the update source's release: a newer
// release (UPDATABLE), none (NONUPDATABLE), or the same one again
// (REINSTALLABLE). UPDATABLE also stands until a first check has found out.
// Never instantiated; QML reads the values by name.
class QMLUpdatabilityEnums : public QObject
{
    Q_OBJECT
public:
    enum Updatability {
        UPDATABLE = 0,
        NONUPDATABLE = 1,
        REINSTALLABLE = 2,
    };
    Q_ENUM(Updatability)

    QMLUpdatabilityEnums() = delete;

    // As module librariesqml.VHSettings 1.0, for every program that shows
    // the updates page.
    static void registerQmlType()
    {
        qmlRegisterUncreatableType<QMLUpdatabilityEnums>(
            "librariesqml.VHSettings", 1, 0, "QMLUpdatabilityEnums",
            QStringLiteral("QMLUpdatabilityEnums is used for Code Completion, No Instantiation"));
    }
};
