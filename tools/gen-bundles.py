#!/usr/bin/env python3
"""Writes the text bundles under resources/com/quillmark/{hrl,utils}/lang/ from tools/i18n/*.tsv.

Each tsv is UTF-8, one "bundle:key<TAB>text" per line, '#' lines are comments.
base.tsv holds the English texts; <suffix>.tsv one language (de.tsv -> Lang_de.properties).
The .properties files are 7-bit ASCII with \\uXXXX escapes (lower-case hex, UTF-16 code
units), key=value without blanks, CR LF line ends. Run again whenever a text changes.
"""
import sys
from pathlib import Path

TOP = Path(__file__).resolve().parent.parent
SRC = TOP / "tools" / "i18n"
OUT = {b: TOP / "resources" / "com" / "quillmark" / b / "lang" for b in ("hrl", "utils")}

SUFFIXES = ("am ar az bn ceb cs da de el en en_US es fa fi fr gu ha hi hu ig in it iw ja jv kn ko ml "
            "mr ms nl no pa pl ps pt ro ru sd sn su sv sw ta te th tr uk ur uz vi xh yo zh_cn zh_tw zu").split()
ENGLISH_COMMENTS = {
    "en": "# currently no changes from the default strings.",
    "en_US": "# currently no changes from the English strings.",
}


def read_table(path):
    entries, title = {}, None
    for n, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip():
            continue
        if line.startswith("#"):
            title = title or line
            continue
        try:
            full, text = line.split("\t", 1)
            bundle, key = full.split(":", 1)
        except ValueError:
            sys.exit(f"{path.name}:{n}: expected bundle:key<TAB>text")
        if bundle not in OUT:
            sys.exit(f"{path.name}:{n}: unknown bundle {bundle!r}")
        if (bundle, key) in entries:
            sys.exit(f"{path.name}:{n}: duplicate key {full}")
        if text != text.strip() or "\n" in text or "\r" in text:
            sys.exit(f"{path.name}:{n}: text of {full} has blanks at an end or a line break")
        entries[(bundle, key)] = text
    return title, entries


def escape(text):
    out = []
    for ch in text:
        if ord(ch) < 128:
            out.append(ch)
        else:
            units = ch.encode("utf-16-be")
            for i in range(0, len(units), 2):
                out.append("\\u%04x" % int.from_bytes(units[i:i + 2], "big"))
    return "".join(out)


def write(path, lines, eol):
    data = "".join(line + eol for line in lines).encode("ascii")
    if not path.exists() or path.read_bytes() != data:
        path.write_bytes(data)


def main():
    _, base = read_table(SRC / "base.tsv")
    order = list(base)
    for bundle in OUT:
        write(OUT[bundle] / "Lang.properties",
              [f"{k}={escape(base[(b, k)])}" for (b, k) in order if b == bundle], "\r\n")
    missing_languages = []
    for suffix in SUFFIXES:
        if suffix in ENGLISH_COMMENTS:
            for bundle in OUT:
                write(OUT[bundle] / f"Lang_{suffix}.properties", [ENGLISH_COMMENTS[suffix]], "\n")
            continue
        src = SRC / f"{suffix}.tsv"
        if not src.exists():
            missing_languages.append(suffix)
            continue
        title, table = read_table(src)
        extra = set(table) - set(base)
        lacking = set(base) - set(table)
        if extra or lacking:
            sys.exit(f"{src.name}: keys not in base: {sorted(extra)}; keys missing: {sorted(lacking)}")
        head = [escape(title)] if title else []
        for bundle in OUT:
            write(OUT[bundle] / f"Lang_{suffix}.properties",
                  head + [f"{k}={escape(table[(b, k)])}" for (b, k) in order if b == bundle], "\r\n")
    if missing_languages:
        print("no table yet for: " + " ".join(missing_languages))
    return 0


if __name__ == "__main__":
    sys.exit(main())
