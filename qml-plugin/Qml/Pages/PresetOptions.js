.pragma library

// A preset's option list (name, value, name, value, …) as the printer pages
// read it, by the rules of the printer settings' PresetReader, and the
// drop-down tables the printer page shows it in.

// The selected preset's options after the printer settings have applied
// them; empty when no preset is selected or it holds none.
function load(printer, preset) {
    return preset === "" ? [] : printer.loadPreset(preset)
}

// The element after the first occurrence of the name; undefined when the
// name is missing or in last place.
function value(options, name) {
    var i = options.indexOf(name)
    return i >= 0 && i + 1 < options.length ? options[i + 1] : undefined
}

// On only for the exact text "True".
function flag(options, name) {
    return value(options, name) === "True"
}

function wholeNumber(text) {
    return /^[+-]?[0-9]+$/.test(text) ? parseInt(text, 10) : NaN
}

// 0 when missing or no whole number.
function number(options, name) {
    return wholeNumber(value(options, name)) || 0
}

// The code of a drop-down option: `fallback` when missing, NaN when no whole
// number (which no table entry has).
function code(options, name, fallback) {
    var text = value(options, name)
    return text === undefined ? fallback : wholeNumber(text)
}

// Each table: the option's code, its English entry (translated in the
// context "QObject" where shown) and its analytics value. Entries are found
// by text so that a translated, re-sorted list still selects the right one.
var orientations = [
    { code: 5, text: QT_TRANSLATE_NOOP("QObject", "Landscape"), hit: "Landscape" },
    { code: 4, text: QT_TRANSLATE_NOOP("QObject", "Landscape 180"), hit: "Landscape 180" },
    { code: 6, text: QT_TRANSLATE_NOOP("QObject", "Portrait"), hit: "Portrait" },
    { code: 3, text: QT_TRANSLATE_NOOP("QObject", "Portrait 180"), hit: "Portrait 180" }
]
var cuts = [
    { code: 2, text: QT_TRANSLATE_NOOP("QObject", "Cut After Job"), hit: "Cut After Job" },
    { code: 1, text: QT_TRANSLATE_NOOP("QObject", "Cut After Page"), hit: "Cut After Page" },
    { code: 0, text: QT_TRANSLATE_NOOP("QObject", "No Cut"), hit: "No Cut" }
]
// Dithering entries keep their method name untranslated in front.
var ditherings = [
    { code: 21, prefix: "Atkinson ", hit: "Atkinson" },
    { code: 32, prefix: "Bayer ", hit: "Bayer Ordered" },
    { code: 20, prefix: "Burkes ", hit: "Burkes" },
    { code: 16, prefix: "Floyd-Steinberg ", hit: "Floyd-Steinburg" },
    { code: 17, prefix: "JaJuNi ", hit: "JaJuNi" },
    { code: 24, prefix: "Sierra ", hit: "Sierra" },
    { code: 25, prefix: "Sierra2 ", hit: "Sierra2" },
    { code: 18, prefix: "Stucki ", hit: "Stucki" },
    { code: 0, prefix: "Threshold (No) ", hit: "Threshold" },
    { code: 33, prefix: "Yliluoma ", hit: "Yliluoma Ordered" }
]

function entryOf(table, code) {
    for (var i = 0; i < table.length; ++i) {
        if (table[i].code === code)
            return table[i]
    }
    return null
}

function matches(entry, text) {
    return entry.prefix !== undefined ? text.indexOf(entry.prefix) === 0
                                      : qsTranslate("QObject", entry.text) === text
}

// The index of a prefix entry in a box's list of display texts, -1 if none.
function indexIn(model, entry) {
    for (var i = 0; i < model.length; ++i) {
        if (matches(entry, model[i]))
            return i
    }
    return -1
}

// The analytics value of a display text.
function hitFor(table, text) {
    for (var i = 0; i < table.length; ++i) {
        if (matches(table[i], text))
            return table[i].hit
    }
    return ""
}

// Selects the entry for the code of `name` in the box; an absent option
// selects `fallback`, a code outside the table changes nothing.
function select(box, table, options, name, fallback) {
    var entry = entryOf(table, code(options, name, fallback))
    if (!entry)
        return
    var index = entry.prefix !== undefined ? indexIn(box.model, entry) : box.find(qsTranslate("QObject", entry.text))
    if (index >= 0)
        box.currentIndex = index
}
