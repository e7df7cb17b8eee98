#!/usr/bin/env python3
"""Builds the VHIcons font and its QML palette from the icon table.

The glyphs come from Google's Material Icons font (Apache-2.0), found by
their ligature names; the new font maps exactly the table's code points to
them, so the window can keep its fixed code points.
"""

import argparse
import os
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont, newTable
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable

FAMILY = "VHIcons"
NAME_RE = re.compile(r"[a-z][A-Za-z0-9_]*$")
CODE_RE = re.compile(r"U\+([0-9A-Fa-f]{4})$")


class TableError(Exception):
    pass


def read_table(path):
    """Rows (line, name, code point, source name); every fault is reported."""
    rows, errors = [], []
    names, codes = set(), set()
    with open(path, encoding="utf-8") as table:
        for number, line in enumerate(table, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            where = f"{path}:{number}"
            fields = line.split("\t")
            if len(fields) != 3:
                errors.append(f"{where}: expected 3 tab-separated columns, got {len(fields)}")
                continue
            name, code, source = (f.strip() for f in fields)
            match = CODE_RE.match(code)
            # QML's "\uXXXX" reaches only the BMP; surrogates are no characters.
            if not match or 0xD800 <= int(match.group(1), 16) <= 0xDFFF:
                errors.append(f"{where}: '{code}' is not a code point of the form U+XXXX")
                continue
            if not NAME_RE.match(name) or name == "fontName":
                errors.append(f"{where}: '{name}' cannot be a palette property name")
                continue
            value = int(match.group(1), 16)
            if name in names:
                errors.append(f"{where}: '{name}' appears twice")
            if value in codes:
                errors.append(f"{where}: {code} appears twice")
            names.add(name)
            codes.add(value)
            rows.append((where, name, value, source))
    if errors:
        raise TableError("\n".join(errors))
    if not rows:
        raise TableError(f"{path}: no icons")
    return rows


def ligature_glyphs(font):
    """Maps each ligature's text (e.g. "settings") to its glyph name."""
    char_of = {glyph: chr(code) for code, glyph in font.getBestCmap().items()}
    glyphs = {}
    if "GSUB" not in font:
        return glyphs
    for lookup in font["GSUB"].table.LookupList.Lookup:
        for sub in lookup.SubTable:
            if lookup.LookupType == 7:
                sub = sub.ExtSubTable
            for first, ligatures in getattr(sub, "ligatures", {}).items():
                for ligature in ligatures:
                    parts = [first] + ligature.Component
                    if all(p in char_of for p in parts):
                        glyphs["".join(char_of[p] for p in parts)] = ligature.LigGlyph
    return glyphs


def resolve(rows, font, font_path):
    """Code point -> source glyph; a missing or empty glyph is an error."""
    by_ligature = ligature_glyphs(font)
    glyf = font["glyf"]
    mapping, errors = {}, []
    for where, name, code, source in rows:
        glyph = by_ligature.get(source)
        if glyph is None:
            errors.append(f"{where}: {name}: no glyph named '{source}' in {font_path}")
        elif glyf[glyph].numberOfContours == 0:
            errors.append(f"{where}: {name}: glyph '{source}' of {font_path} is empty")
        else:
            mapping[code] = glyph
    if errors:
        raise TableError("\n".join(errors))
    return mapping


def replace_cmap(font, mapping):
    cmap = newTable("cmap")
    cmap.tableVersion = 0
    cmap.tables = []
    for platform, encoding in ((0, 3), (3, 1)):
        sub = CmapSubtable.newSubtable(4)
        sub.platformID, sub.platEncID, sub.language = platform, encoding, 0
        sub.cmap = dict(mapping)
        cmap.tables.append(sub)
    font["cmap"] = cmap


def rename(font, source_names):
    version = source_names.getDebugName(5) or "Version 1.0"
    copyright_ = source_names.getDebugName(0) or "Copyright Google Inc."
    texts = {
        0: copyright_,
        1: FAMILY,
        2: "Regular",
        3: f"{FAMILY}-Regular;{version}",
        4: f"{FAMILY} Regular",
        5: version,
        6: f"{FAMILY}-Regular",
        10: "Icons of the VHSettings window: glyphs of Google's Material Icons "
            "(MaterialIcons-Regular.ttf) subset and remapped with fontTools.",
        13: "Derived from Material Icons by Google, licensed under the Apache "
            "License, Version 2.0.",
        14: "https://www.apache.org/licenses/LICENSE-2.0",
    }
    table = font["name"]
    table.names = []
    for name_id, text in texts.items():
        table.setName(text, name_id, 3, 1, 0x409)


def build_font(source_path, mapping):
    font = TTFont(source_path)
    source_names = font["name"]
    replace_cmap(font, mapping)
    options = subset.Options()
    # The ligatures spell names with letters that the new font does not keep.
    options.drop_tables += ["GSUB", "GPOS", "GDEF"]
    options.layout_features = []
    options.name_IDs = ["*"]
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=mapping.keys())
    subsetter.subset(font)
    rename(font, source_names)
    return font


def palette_qml(rows, table_path):
    lines = [
        f"// Generated from {os.path.basename(table_path)} by make_icon_font.py; do not edit.",
        "pragma Singleton",
        "import QtQuick 2.10",
        "",
        "QtObject {",
        "    // Texts in this font set font.preferShaping: true. The application font",
        "    // skips shaping, and unshaped text gets no glyph for the private-use",
        "    // code points below.",
        f'    readonly property string fontName: "{FAMILY}"',
    ]
    lines += [f'    readonly property string {name}: "\\u{code:04x}"'
              for _, name, code, _ in rows]
    lines.append("}")
    return "\n".join(lines) + "\n"


def replace_file(path, write):
    # A failed run must not leave an output that make takes for up to date.
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    partial = path + ".partial"
    write(partial)
    os.replace(partial, path)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--table", required=True)
    parser.add_argument("--source-font", required=True)
    parser.add_argument("--font-out", required=True)
    parser.add_argument("--qml-out", required=True)
    args = parser.parse_args()
    try:
        rows = read_table(args.table)
        mapping = resolve(rows, TTFont(args.source_font), args.source_font)
    except TableError as error:
        print(f"make_icon_font: {error}", file=sys.stderr)
        return 1
    font = build_font(args.source_font, mapping)
    qml = palette_qml(rows, args.table)
    # No time stamp of the build run in the font: same table, same bytes.
    font.recalcTimestamp = False
    replace_file(args.font_out, font.save)

    def write_qml(path):
        with open(path, "w", encoding="utf-8") as out:
            out.write(qml)
    replace_file(args.qml_out, write_qml)
    return 0


if __name__ == "__main__":
    sys.exit(main())
