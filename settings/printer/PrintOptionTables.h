#pragma once

#include <QtGlobal>

// The fixed pairs of print option code and display text behind the printer
// pages' drop-down lists. Texts are untranslated; they are translated in the
// context "QObject" where they are shown.
namespace PrintOptionTables {

struct CodeText
{
    const char *text;
    int code;
};

// "Landscape" is code 5 and "Landscape 180" code 4, not the reverse: the
// printer page maps stored codes to list positions by this pairing.
inline constexpr CodeText orientations[] = {
    {QT_TRANSLATE_NOOP("QObject", "Landscape"), 5},
    {QT_TRANSLATE_NOOP("QObject", "Portrait"), 6},
    {QT_TRANSLATE_NOOP("QObject", "Landscape 180"), 4},
    {QT_TRANSLATE_NOOP("QObject", "Portrait 180"), 3},
};

inline constexpr CodeText cutOptions[] = {
    {QT_TRANSLATE_NOOP("QObject", "No Cut"), 0},
    {QT_TRANSLATE_NOOP("QObject", "Cut After Page"), 1},
    {QT_TRANSLATE_NOOP("QObject", "Cut After Job"), 2},
};

struct DitherMethod
{
    const char *prefix; // a method name, never translated
    bool ordered;       // takes the "Ordered Dither" suffix instead of "Dither"
    int code;
};

inline constexpr DitherMethod ditherMethods[] = {
    {"Floyd-Steinberg ", false, 16}, {"JaJuNi ", false, 17},   {"Stucki ", false, 18},
    {"Burkes ", false, 20},          {"Atkinson ", false, 21}, {"Sierra ", false, 24},
    {"Sierra2 ", false, 25},         {"Bayer ", true, 32},     {"Yliluoma ", true, 33},
    {"Threshold (No) ", false, 0},
};

// The entry with the code, or null.
template<typename Entry, size_t N>
constexpr const Entry *find(const Entry (&table)[N], int code)
{
    for (const Entry &entry : table) {
        if (entry.code == code)
            return &entry;
    }
    return nullptr;
}

} // namespace PrintOptionTables
