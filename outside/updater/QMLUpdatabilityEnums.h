#pragma once

#include <QObject>

// Whether the installed system can take the update source's release: a newer
// release (UPDATABLE), none (NONUPDATABLE), or the same one again
// (REINSTALLABLE). Never instantiated; QML reads the values by name.
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
};
