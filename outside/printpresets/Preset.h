#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// One named set of print options for a print queue: a flat list of option
// name and value texts. Names are plain data; they never become file names.
class Preset : public QObject
{
    Q_OBJECT
public:
    enum _State {
        STATE_PREDEFINED = 0, // built into the list, never stored or deleted
        STATE_SHIPPED = 1,    // delivered with the product, deletable
        STATE_USER = 2,       // created by the user
    };

    Preset(const QString &queueName, const QString &id, _State state, const QStringList &options,
           const QString &name, const QString &description, int index, QObject *parent = nullptr);
    ~Preset() override;

    QString queueName() const { return m_queueName; }
    QString id() const { return m_id; }
    _State state() const { return m_state; }
    QStringList options() const { return m_options; }
    QString name() const { return m_name; }
    QString description() const { return m_description; }
    int index() const { return m_index; }

private:
    const QString m_queueName;
    const QString m_id;
    const _State m_state;
    const QStringList m_options;
    const QString m_name;
    const QString m_description;
    const int m_index;
};
