#pragma once

#include <QString>

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

// How the PPD and the presets spell a switch.
inline QString flagText(bool on)
{
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

inline QString ribbonSaverText(bool on)
{
    return on ? QStringLiteral("Enabled") : QStringLiteral("Disabled");
}

} // namespace PrintOptions
