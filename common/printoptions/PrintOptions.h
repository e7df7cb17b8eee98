#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// The label printer's print options as the queue's PPD and the presets name
// them, and the choices a fresh printer runs with.
namespace PrintOptions {

inline constexpr char orientation[] = "orientation-requested";
inline constexpr char mirror[] = "MirrorPrint";
inline constexpr char negative[] = "NegativePrint";
inline constexpr char overprint[] = "Overprint";
inline constexpr char whiteBase[] = "WhiteBase";
inline constexpr char cutMedia[] = "CutMedia";
inline constexpr char offsetH1[] = "Hoffset1";
inline constexpr char offsetH2[] = "Hoffset2";
inline constexpr char offsetV1[] = "Voffset1";
inline constexpr char offsetV2[] = "Voffset2";
inline constexpr char feed[] = "Feed";
inline constexpr char stop[] = "Stop";
inline constexpr char dithering[] = "Dithering";
inline constexpr char head1Offset[] = "head1Offset";
inline constexpr char head2Offset[] = "head2Offset";
inline constexpr char r1Tension[] = "R1TensionAdjust";
inline constexpr char r2Tension[] = "R2TensionAdjust";
inline constexpr char ribbonSaver[] = "RibbonSaver";

// A fresh printer's choices, which a preset without the option selects too:
// reverse landscape (shown as "Landscape"), cut after page, Atkinson.
inline constexpr int defaultOrientation = 5;
inline constexpr int defaultCut = 1;
inline constexpr int defaultDithering = 21;

// A ribbon's tension in percent of nominal. An unset tension is nominal, and
// so is a stored 0: it lies below any tension a user can choose (50 to 150)
// and is what an unset tension was once read and saved as.
inline constexpr int nominalTension = 100;

inline int tensionOrNominal(int tension)
{
    return tension == 0 ? nominalTension : tension;
}

// How the PPD and the presets spell a switch.
inline QString flagText(bool on)
{
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

inline QString ribbonSaverText(bool on)
{
    return on ? QStringLiteral("Enabled") : QStringLiteral("Disabled");
}

// The value of every option a preset holds; a fresh printer's by default.
struct Values
{
    int orientationCode = defaultOrientation;
    bool mirrorOn = false;
    bool negativeOn = false;
    bool overprintOn = false;
    bool whiteBaseOn = false;
    int cutCode = defaultCut;
    int horizontal1 = 0;
    int horizontal2 = 0;
    int vertical1 = 0;
    int vertical2 = 0;
    int feedSteps = 0;
    double stopDistance = 0;
    int ditheringCode = defaultDithering;
    int head1Heat = 0;
    int head2Heat = 0;
    int ribbon1Tension = nominalTension;
    int ribbon2Tension = nominalTension;
    bool ribbonSaverOn = false;
};

// A preset's options: each name followed by its value, in the order presets
// are stored in.
inline QStringList presetOptions(const Values &values)
{
    return {QLatin1String(orientation), QString::number(values.orientationCode),
            QLatin1String(mirror),      flagText(values.mirrorOn),
            QLatin1String(negative),    flagText(values.negativeOn),
            QLatin1String(overprint),   flagText(values.overprintOn),
            QLatin1String(whiteBase),   flagText(values.whiteBaseOn),
            QLatin1String(cutMedia),    QString::number(values.cutCode),
            QLatin1String(offsetH1),    QString::number(values.horizontal1),
            QLatin1String(offsetH2),    QString::number(values.horizontal2),
            QLatin1String(offsetV1),    QString::number(values.vertical1),
            QLatin1String(offsetV2),    QString::number(values.vertical2),
            QLatin1String(feed),        QString::number(values.feedSteps),
            QLatin1String(stop),        QString::asprintf("%g", values.stopDistance),
            QLatin1String(dithering),   QString::number(values.ditheringCode),
            QLatin1String(head1Offset), QString::number(values.head1Heat),
            QLatin1String(head2Offset), QString::number(values.head2Heat),
            QLatin1String(r1Tension),   QString::number(values.ribbon1Tension),
            QLatin1String(r2Tension),   QString::number(values.ribbon2Tension),
            QLatin1String(ribbonSaver), ribbonSaverText(values.ribbonSaverOn)};
}

// A whole number in base 10, as the presets and the PPD write codes; none
// for any other text.
inline std::optional<int> wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Reads a preset's options as presetOptions() writes them. An option's value
// is the element after the first occurrence of its name; a name in last place
// has no value and counts as missing.
class PresetReader
{
public:
    explicit PresetReader(QStringList options)
        : m_options(std::move(options))
    {
    }

    std::optional<QString> value(const char *name) const
    {
        const int at = m_options.indexOf(QLatin1String(name));
        if (at < 0 || at + 1 >= m_options.size())
            return std::nullopt;
        return m_options.at(at + 1);
    }

    // On only for the exact text "True".
    bool flag(const char *name) const { return value(name) == flagText(true); }

    // 0 when missing or no whole number.
    int number(const char *name) const { return wholeNumber(value(name).value_or(QString())).value_or(0); }

    int tension(const char *name) const { return tensionOrNominal(number(name)); }

    // The code of a drop-down option: `fallback` when missing, none when no
    // whole number (the option is then left as it is).
    std::optional<int> code(const char *name, int fallback) const
    {
        const std::optional<QString> text = value(name);
        return text ? wholeNumber(*text) : fallback;
    }

private:
    QStringList m_options;
};

} // namespace PrintOptions
