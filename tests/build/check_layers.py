#!/usr/bin/env python3
"""Reads the project's own includes and fails on one that runs against the layers.

The core (archive, common, printout, statistics, header) includes only the core. Controls and
platform services sit on the core. Windows sit on both; the main window opens the notice,
analysis and About windows, and no other window includes a window. The archive tool's
commands include only the core. Every source file, tests included, stays within 400 lines.
"""
import pathlib
import re
import sys

CORE = {"archive", "common", "printout", "statistics", "header"}
WIDGETS = {"controls", "platform"}
WINDOWS = {"main_window", "notice", "analysis", "about", "archive_window"}
ALLOWED = {
    **{folder: CORE for folder in CORE},
    "controls": CORE | {"controls"},
    "platform": CORE | WIDGETS,
    "main_window": CORE | WIDGETS | WINDOWS,
    "notice": CORE | WIDGETS | {"notice"},
    "analysis": CORE | WIDGETS | {"analysis"},
    "about": CORE | WIDGETS | {"about"},
    "archive_window": CORE | WIDGETS | {"archive_window"},
    "app": CORE | WIDGETS | WINDOWS | {"app"},
    "archivio": CORE | {"archivio"},
}
MAX_LINES = 400
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/[^"]+"', re.M)


def main(root: pathlib.Path) -> int:
    faults = []
    for base in ("src", "tools"):
        for path in sorted((root / base).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            folder = path.relative_to(root / base).parts[0]
            allowed = ALLOWED.get(folder)
            if allowed is None:
                continue  # helper programs such as the screenshot tool
            for target in INCLUDE.findall(path.read_text(encoding="utf-8")):
                if target not in allowed:
                    faults.append(f"{path.relative_to(root)}: includes {target}/, "
                                  f"above or beside the {folder}/ layer")
    for base in ("src", "tools", "tests", "bench", "fuzz"):
        for path in sorted((root / base).rglob("*")):
            if path.suffix in (".cpp", ".h"):
                lines = path.read_text(encoding="utf-8").count("\n")
                if lines > MAX_LINES:
                    faults.append(f"{path.relative_to(root)}: {lines} lines, over {MAX_LINES}")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1])))
