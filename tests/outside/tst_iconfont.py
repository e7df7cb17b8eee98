#!/usr/bin/env python3
"""The built VHIcons font against its table and the Material Icons font.

Arguments: built font, icon table, generator script, Material Icons font,
the package's scss list of icon names and their code points.
"""

import os
import re
import subprocess
import sys
import tempfile
import unittest

from fontTools.ttLib import TTFont

FONT, TABLE, SCRIPT, SOURCE_FONT, SOURCE_CODES = sys.argv[1:6]


def table_rows(path):
    with open(path, encoding="utf-8") as table:
        return [line.rstrip("\n").split("\t") for line in table
                if line.strip() and not line.startswith("#")]


def outline(font, glyph):
    coordinates, ends, _ = font["glyf"][glyph].getCoordinates(font["glyf"])
    return list(coordinates), list(ends)


class IconFontTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.font = TTFont(FONT)
        cls.rows = table_rows(TABLE)
        cls.codes = {name: int(code[2:], 16) for name, code, _ in cls.rows}

    def test_family_name(self):
        self.assertEqual(self.font["name"].getDebugName(1), "VHIcons")

    def test_cmap_is_exactly_the_table(self):
        self.assertEqual(set(self.font.getBestCmap()), set(self.codes.values()))

    def test_every_glyph_has_an_outline(self):
        cmap = self.font.getBestCmap()
        for name, code in self.codes.items():
            with self.subTest(name=name):
                glyph = self.font["glyf"][cmap[code]]
                self.assertGreater(glyph.numberOfContours, 0)

    def test_glyphs_are_the_named_material_icons(self):
        with open(SOURCE_CODES, encoding="utf-8") as scss:
            source_codes = {name: int(code, 16) for name, code in
                            re.findall(r'"(\w+)":\s*([0-9a-f]+)', scss.read())}
        source = TTFont(SOURCE_FONT)
        source_cmap, cmap = source.getBestCmap(), self.font.getBestCmap()
        for name, _, source_name in self.rows:
            with self.subTest(name=name, source=source_name):
                expected = outline(source, source_cmap[source_codes[source_name]])
                self.assertEqual(outline(self.font, cmap[self.codes[name]]), expected)

    def test_unknown_glyph_fails_without_output(self):
        with tempfile.TemporaryDirectory() as work:
            table = os.path.join(work, "icons.tsv")
            with open(table, "w", encoding="utf-8") as out:
                out.write("closeIcon\tU+E92A\tclose\nlockIcon\tU+E927\tno_such_icon\n")
            font_out = os.path.join(work, "VHIcons.ttf")
            qml_out = os.path.join(work, "VHIconPalette.qml")
            run = subprocess.run([sys.executable, SCRIPT, "--table", table,
                                  "--source-font", SOURCE_FONT, "--font-out", font_out,
                                  "--qml-out", qml_out], capture_output=True, text=True)
            self.assertNotEqual(run.returncode, 0)
            self.assertIn("no_such_icon", run.stderr)
            self.assertEqual(sorted(os.listdir(work)), ["icons.tsv"])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
