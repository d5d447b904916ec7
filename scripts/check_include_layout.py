#!/usr/bin/env python3
"""Checks that dependencies between folders point one way: no file under
resources/ includes a header from ui/, and no two folders include each other.
Run from the project root; prints "ok: ..." or "FAIL: ..." lines."""
import os
import re
import subprocess
import sys

files = subprocess.run(["git", "ls-files", "*.cpp", "*.h"], capture_output=True, text=True,
                       check=True).stdout.split()
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
edges = {}
bad = []
for f in files:
    folder = os.path.dirname(f)
    with open(f, encoding="utf-8", errors="replace") as text:
        names = include.findall(text.read())
    for name in names:
        # As the compiler looks: beside the including file first, then from the root.
        near = os.path.normpath(os.path.join(folder, name))
        target = near if os.path.exists(near) else os.path.normpath(name)
        if not os.path.exists(target):
            continue  # a system or generated header
        if f.startswith("resources/") and target.startswith("ui/"):
            bad.append(f"{f} includes {target}")
        if os.path.dirname(target) != folder:
            edges.setdefault((folder, os.path.dirname(target)), []).append(f"{f} -> {target}")
for (a, b), why in sorted(edges.items()):
    if a < b and (b, a) in edges:
        bad.append(f"{a} and {b} include each other: {why[0]}; {edges[(b, a)][0]}")
for line in bad:
    print(f"FAIL: {line}")
if not bad:
    print(f"ok: {len(files)} files: resources/ includes nothing from ui/, no two folders include each other")
sys.exit(1 if bad else 0)
