#pragma once

#include <QString>
#include <QStringList>

// Which tool answers each device-information field of the About page, and
// how the print-head offsets answer is cut into the two heads' lines.
namespace DeviceInfo {

struct Command
{
    QString program; // empty: nothing is run for the field
    QStringList arguments;
};

// The command for a `VHSettingsAboutInfoFields::InfoFields` value; empty for
// the version (a constant) and for numbers outside the enumeration.
Command commandFor(int field);

// Two texts of five comma-separated values each, from fw_printenv's output
// of one value per line. Missing lines (no tool, time-out) become empty
// values, so both texts always have five fields.
QStringList formatOffsets(const QString &offsetsText);

} // namespace DeviceInfo
