#!/usr/bin/env python3
"""Every VHIconPalette.<name> in the QML sources is a row of the icon table,
so no page can show a glyph the font does not have.

Arguments: icon table, source directory.
"""

import os
import re
import sys

TABLE, SOURCE_DIR = sys.argv[1:3]
USE = re.compile(r"\bVHIconPalette\.([A-Za-z_]\w*)")

with open(TABLE, encoding="utf-8") as table:
    known = {line.split("\t")[0] for line in table
             if line.strip() and not line.startswith("#")}
known.add("fontName")

unknown = []
for top in ("qml-plugin", "outside"):
    for folder, _, files in os.walk(os.path.join(SOURCE_DIR, top)):
        for file in sorted(f for f in files if f.endswith(".qml")):
            path = os.path.join(folder, file)
            with open(path, encoding="utf-8") as qml:
                for number, line in enumerate(qml, 1):
                    unknown += [f"{os.path.relpath(path, SOURCE_DIR)}:{number}: {name}"
                                for name in USE.findall(line) if name not in known]

for use in unknown:
    print(f"not in {os.path.basename(TABLE)}: {use}")
sys.exit(1 if unknown else 0)
