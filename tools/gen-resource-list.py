#!/usr/bin/env python3
"""Rewrites resources/resources.cmake: every file below resources/com/, sorted."""
from pathlib import Path

root = Path(__file__).resolve().parent.parent / "resources"
files = sorted(p.relative_to(root).as_posix() for p in (root / "com").rglob("*") if p.is_file())
lines = ["# Written by tools/gen-resource-list.py; do not edit by hand.", "set(HRL_RESOURCE_FILES"]
lines += [f"    {f}" for f in files]
lines.append(")")
(root / "resources.cmake").write_text("\n".join(lines) + "\n")
print(f"{len(files)} resource files")
