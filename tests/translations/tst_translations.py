#!/usr/bin/env python3
"""The window's translation files: every text of the sources is in each
.ts file, finished and not empty, with the same placeholders as the source,
and each file has been built into its .qm.

Arguments: source directory, folder of the built .qm files, lupdate.
"""

import glob
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

SOURCE_DIR, QM_DIR, LUPDATE = sys.argv[1:4]
# What lupdate reads, as scripts/update-translations.sh runs it.
SCANNED = ["app", "settings", "qml-plugin", "outside"]
PLACEHOLDER = re.compile(r"%(?:n|L?\d+)")

failures = []


def messages(path):
    """(context, source) -> message element, for each entry of a .ts file."""
    found = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source"))] = message
    return found


def texts(translation):
    forms = translation.findall("numerusform")
    return [form.text or "" for form in forms] if forms else [translation.text or ""]


def current_sources():
    """The texts lupdate finds in the sources now."""
    with tempfile.TemporaryDirectory() as work:
        ts = os.path.join(work, "current.ts")
        subprocess.run([LUPDATE, "-locations", "none", "-no-obsolete", *SCANNED, "-ts", ts],
                       cwd=SOURCE_DIR, check=True, capture_output=True)
        return set(messages(ts))


sources = current_sources()
ts_files = sorted(glob.glob(os.path.join(SOURCE_DIR, "translations", "*.ts")))
if not ts_files:
    failures.append("no .ts files")
for path in ts_files:
    name = os.path.basename(path)
    entries = messages(path)
    for context, source in sorted(sources - set(entries)):
        failures.append(f"{name}: not in the file (run scripts/update-translations.sh): {context}: {source!r}")
    for context, source in sorted(set(entries) - sources):
        failures.append(f"{name}: no longer in the sources: {context}: {source!r}")
    for (context, source), message in sorted(entries.items()):
        translation = message.find("translation")
        where = f"{name}: {context}: {source!r}"
        if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
            failures.append(f"{where}: not finished")
            continue
        wanted = sorted(PLACEHOLDER.findall(source))
        for text in texts(translation):
            if not text.strip():
                failures.append(f"{where}: empty translation")
            elif sorted(PLACEHOLDER.findall(text)) != wanted:
                failures.append(f"{where}: placeholders {wanted} became {sorted(PLACEHOLDER.findall(text))} in {text!r}")
    qm = os.path.join(QM_DIR, name[:-3] + ".qm")
    if not os.path.isfile(qm) or os.path.getmtime(qm) < os.path.getmtime(path):
        failures.append(f"{name}: not built into {qm}")

for failure in failures:
    print(failure)
print(f"{len(ts_files)} translation files, {len(sources)} texts")
sys.exit(1 if failures else 0)
