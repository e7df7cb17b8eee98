#include "Preset.h"

Preset::Preset(const QString &queueName, const QString &id, _State state, const QStringList &options,
               const QString &name, const QString &description, int index, QObject *parent)
    : QObject(parent)
    , m_queueName(queueName)
    , m_id(id)
    , m_state(state)
    , m_options(options)
    , m_name(name)
    , m_description(description)
    , m_index(index)
{
}

Preset::~Preset() = default;
