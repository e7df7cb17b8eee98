#include "AboutInfo.h"

#include "ApplicationIdentity.h"
#include "BoundedCommand.h"
#include "DeviceInfo.h"
#include "VHSettingsAboutInfoFields.h"

namespace {
constexpr int kFields = VHSettingsAboutInfoFields::CALIBRATION_VALUES + 1;
}

AboutInfo::AboutInfo(QObject *parent)
    : QObject(parent)
{
    for (int field = 0; field < kFields; ++field)
        m_texts.append(field == VHSettingsAboutInfoFields::VERSION_NUMBERS ? ApplicationIdentity::version
                                                                           : QString());
}

QString AboutInfo::text(int field)
{
    if (!m_read.contains(field))
        readField(field);
    return m_texts.value(field);
}

void AboutInfo::read()
{
    for (int field = 0; field < kFields; ++field)
        readField(field);
}

void AboutInfo::readField(int field)
{
    const DeviceInfo::Command command = DeviceInfo::commandFor(field);
    if (command.program.isEmpty() || m_reading.contains(field))
        return;
    m_reading.insert(field);
    if (m_reading.size() == 1)
        emit readingChanged();
    BoundedCommand::start(this, command.program, command.arguments, [this, field](const QByteArray &output) {
        m_reading.remove(field);
        m_read.insert(field);
        const QString text = QString::fromUtf8(output);
        if (m_texts.at(field) != text) {
            m_texts[field] = text;
            emit textsChanged();
        }
        if (m_reading.isEmpty())
            emit readingChanged();
    });
}
