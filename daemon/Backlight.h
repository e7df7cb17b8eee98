#pragma once

#include <QString>

// Drives a Linux backlight device through sysfs: the first device under the
// backlight class directory, with brightness levels 1 to 9 scaled to the
// device's own max_brightness.
class Backlight
{
public:
    static constexpr int MinimumLevel = 1;
    static constexpr int MaximumLevel = 9;

    explicit Backlight(const QString &classDir = QStringLiteral("/sys/class/backlight"));

    // Levels outside 1..9 are clamped: 0 would switch the touch screen dark
    // with no way to turn it back on from the screen itself.
    static int clampLevel(quint32 level);
    // The device value for a level; never 0 while the device has a range.
    static int rawValue(int level, int maxBrightness);

    // The device directory in use (looked up on every call, since the panel
    // driver may bind after the daemon started); empty when there is none.
    QString deviceDir() const;

    // Writes the clamped level; returns the raw value written, or -1 and
    // sets *error.
    int setLevel(quint32 level, QString *error) const;

private:
    QString m_classDir;
};
