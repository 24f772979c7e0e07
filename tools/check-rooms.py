#!/usr/bin/env python3
"""Checks the house rules the compiler cannot see.

1. Rooms: every library folder under src/ may include headers of its own folder and of the
   folders below it, never of one above. The order, lowest first, is ROOMS.
2. Size: no source, test, benchmark or tool file is longer than MAX_LINES.

Prints each breach and exits with status 1 if there is any.
"""
import pathlib
import re
import sys

ROOMS = [
    "utils/host",
    "utils/resources",
    "utils/layout",
    "utils/widgets",
    "utils/windows",
    "preferences",
    "zone",
    "dialogs",
    "app",
]
MAX_LINES = 650
SOURCE_SUFFIXES = {".h", ".cpp", ".in"}
CHECKED_FOR_SIZE = ("src", "tests", "bench", "tools")
SIZE_SUFFIXES = {".h", ".cpp", ".sh", ".py", ".cmake"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def room_of(path: pathlib.Path, src: pathlib.Path):
    relative = path.relative_to(src).parent.as_posix()
    # The deepest room that holds the file.
    matches = [room for room in ROOMS if relative == room or relative.startswith(room + "/")]
    return max(matches, key=len) if matches else None


def main() -> int:
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    src = root / "src"
    breaches = []

    headers = {}
    files = [p for p in src.rglob("*") if p.suffix in SOURCE_SUFFIXES and p.is_file()]
    for path in files:
        room = room_of(path, src)
        if room is None:
            breaches.append(f"{path.relative_to(root)}: in no room")
            continue
        name = path.name[:-3] if path.suffix == ".in" else path.name
        if name.endswith(".h"):
            if name in headers and headers[name] != room:
                breaches.append(f"{name}: in two rooms, {headers[name]} and {room}")
            headers[name] = room

    for path in files:
        room = room_of(path, src)
        if room is None:
            continue
        for included in INCLUDE.findall(path.read_text(encoding="utf-8")):
            target = headers.get(pathlib.PurePosixPath(included).name)
            if target is not None and ROOMS.index(target) > ROOMS.index(room):
                breaches.append(f"{path.relative_to(root)}: {room} includes {included} of {target}, a higher room")

    for folder in CHECKED_FOR_SIZE:
        for path in (root / folder).rglob("*"):
            if path.is_file() and path.suffix in SIZE_SUFFIXES:
                lines = path.read_text(encoding="utf-8", errors="replace").count("\n")
                if lines > MAX_LINES:
                    breaches.append(f"{path.relative_to(root)}: {lines} lines, more than {MAX_LINES}")

    for breach in breaches:
        print(breach)
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main())
