#!/usr/bin/env python3
"""The folders keep to their layers: the core (core/: engine, entry, atlas,
reading, content, people, files, result) includes no Qt, chart/, gui/ or cli/ header; chart/
(the wheel's geometry) includes no Qt, gui/ or cli/; cli/ includes neither Qt
nor gui/; gui/ does not include cli/. Usage: layers_test.py PROJECT_ROOT"""
import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1])
QT = re.compile(r'#\s*include\s*[<"](Q[A-Za-z]*|Qt[A-Za-z]*/[^>"]*)[>"]')
PROJECT = re.compile(r'#\s*include\s*"([a-z_]+)/[^"]*"')

# folder -> project folders it may not include, and whether Qt is allowed
RULES = {"core": ({"gui", "cli", "chart", "core"}, False)}
RULES["chart"] = ({"gui", "cli"}, False)
RULES["cli"] = ({"gui"}, False)
RULES["gui"] = ({"cli"}, True)

failures = []
checked = 0
for folder, (forbidden, qt_allowed) in RULES.items():
    for path in sorted((ROOT / folder).rglob("*")):
        if path.suffix not in {".h", ".cpp"}:
            continue
        checked += 1
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            if not qt_allowed and QT.search(line):
                failures.append(f"{path.relative_to(ROOT)}:{number}: Qt include in {folder}/: {line.strip()}")
            match = PROJECT.search(line)
            if match and match.group(1) in forbidden:
                failures.append(f"{path.relative_to(ROOT)}:{number}: {folder}/ includes {match.group(1)}/: {line.strip()}")

for failure in failures:
    print("FAIL", failure)
print(f"{checked - len(set(f.split(':')[0] for f in failures))} passed, {len(set(f.split(':')[0] for f in failures))} failed")
sys.exit(1 if failures or checked == 0 else 0)
