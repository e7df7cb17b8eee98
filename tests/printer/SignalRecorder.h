#pragma once

#include <QMap>
#include <QMetaMethod>
#include <QObject>
#include <QSignalSpy>

#include <memory>
#include <vector>

// Spies on every signal an object's own class declares, so a test can state
// the exact emissions it expects, zero included.
class SignalRecorder
{
public:
    explicit SignalRecorder(QObject *object)
    {
        const QMetaObject *meta = object->metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() != QMetaMethod::Signal)
                continue;
            m_spies.emplace_back(method.name(), std::make_unique<QSignalSpy>(object, method));
        }
    }

    // Signal name to number of emissions, for signals emitted at least once.
    QMap<QString, int> counts() const
    {
        QMap<QString, int> result;
        for (const auto &entry : m_spies) {
            if (entry.second->count() > 0)
                result.insert(QString::fromLatin1(entry.first), entry.second->count());
        }
        return result;
    }

    // Arguments of the first emission of a signal.
    QList<QVariant> first(const QByteArray &name) const
    {
        for (const auto &entry : m_spies) {
            if (entry.first == name && !entry.second->isEmpty())
                return entry.second->first();
        }
        return {};
    }

private:
    std::vector<std::pair<QByteArray, std::unique_ptr<QSignalSpy>>> m_spies;
};
