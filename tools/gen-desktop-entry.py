#!/usr/bin/env python3
"""Writes resources/desktop/com.quillmark.Horalia.desktop from tools/i18n/desktop.tsv.

desktop.tsv holds the generic name and the comment of every language, with the locale the
desktop entry uses for it; the program's name is "hrl.name" of each language's bundle table
(tools/i18n/<suffix>.tsv), written only where it differs from the English one. Every language
of the bundle tables must have a line. UTF-8, LF line ends. Run again whenever a text changes;
with --check it only tells (status 1) whether the committed file is out of date.
"""
import sys
from pathlib import Path

TOP = Path(__file__).resolve().parent.parent
SRC = TOP / "tools" / "i18n"
OUT = TOP / "resources" / "desktop" / "com.quillmark.Horalia.desktop"
APP_ID = "com.quillmark.Horalia"


def fail(message):
    sys.exit(f"gen-desktop-entry: {message}")


def read_desktop_table():
    rows = []
    suffixes = set()
    for n, line in enumerate((SRC / "desktop.tsv").read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 4:
            fail(f"desktop.tsv:{n}: expected suffix<TAB>locale<TAB>GenericName<TAB>Comment")
        suffix, locale, generic, comment = fields
        for text in fields[2:]:
            if not text or text != text.strip() or "\\" in text or any(ord(c) < 32 for c in text):
                fail(f"desktop.tsv:{n}: empty text, blanks at an end, a backslash or a control character")
        if (suffix == "base") != (locale == ""):
            fail(f"desktop.tsv:{n}: only the English line has no locale")
        if suffix in suffixes:
            fail("desktop.tsv: a suffix appears twice")
        suffixes.add(suffix)
        # One bundle can serve several locales ("nb nn": both Norwegian written forms).
        for one in locale.split() or [""]:
            rows.append((suffix, one, generic, comment))
    if not rows or rows[0][0] != "base":
        fail("desktop.tsv: the English line comes first")
    locales = [r[1] for r in rows]
    if len(set(locales)) != len(locales):
        fail("desktop.tsv: a locale appears twice")
    return rows


def program_name(suffix):
    for line in (SRC / f"{suffix}.tsv").read_text(encoding="utf-8").splitlines():
        if line.startswith("hrl:hrl.name\t"):
            return line.split("\t", 1)[1]
    return None


def main():
    rows = read_desktop_table()
    languages = sorted(p.stem for p in SRC.glob("*.tsv") if p.stem not in ("base", "desktop"))
    listed = sorted({r[0] for r in rows[1:]})
    if languages != listed:
        missing = sorted(set(languages) - set(listed))
        extra = sorted(set(listed) - set(languages))
        fail(f"desktop.tsv does not match the bundle tables: missing {missing}, unknown {extra}")

    english = program_name("base")
    names = [(locale, program_name(suffix)) for suffix, locale, _, _ in rows[1:]]
    lines = [
        "[Desktop Entry]",
        "Type=Application",
        f"Name={english}",
        *(f"Name[{locale}]={name}" for locale, name in names if name and name != english),
        f"GenericName={rows[0][2]}",
        *(f"GenericName[{r[1]}]={r[2]}" for r in rows[1:]),
        f"Comment={rows[0][3]}",
        *(f"Comment[{r[1]}]={r[3]}" for r in rows[1:]),
        "Exec=horalia",
        f"Icon={APP_ID}",
        "Terminal=false",
        # The class Qt gives the window on X11, so a dock matches the window with this entry.
        "StartupWMClass=Horalia",
        "Categories=Utility;Clock;",
        "",
    ]
    data = "\n".join(lines).encode("utf-8")
    current = OUT.exists() and OUT.read_bytes() == data
    if "--check" in sys.argv[1:]:
        if not current:
            fail(f"{OUT.relative_to(TOP)} is out of date: run tools/gen-desktop-entry.py")
        return
    if not current:
        OUT.parent.mkdir(parents=True, exist_ok=True)
        OUT.write_bytes(data)


if __name__ == "__main__":
    main()
