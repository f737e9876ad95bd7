#!/usr/bin/python3
"""The ascendant against Swiss Ephemeris (Debian's swetest) and the sidereal time, obliquity
and nutation against the IAU's SOFA routines (Debian's python3-erfa), on seeded random
births from 1800 to 2100: at towns of the list, and at places given by hand, polar ones up
to 80 degrees included.

  sky_reference.py <skyprobe> <content/places/towns.tsv>

Exits 77 (skipped) where swetest or erfa is missing."""

import concurrent.futures
import datetime
import math
import random
import shutil
import subprocess
import sys

try:
    import erfa
except ImportError:
    erfa = None

SEED = 25
TOWN_BIRTHS = 800
HAND_BIRTHS = 400  # half of them inside the polar circles
POLAR_CIRCLE = 66.5
# The ascendant within 0.01 degrees up to the polar circles; inside them, where a small
# change of sidereal time can move it far, within 0.05 degrees, which no western point
# (about 180 degrees off) passes.
TOLERANCE = {"outside": 0.01, "inside": 0.05}
# Meeus' formulas are the IAU 1980/1982 ones SOFA carries, but for the nutation, whose short
# series Meeus gives as good to 0.5" in longitude and 0.1" in obliquity.
ARCSEC = 1 / 3600
PART_TOLERANCE = {"mean sidereal": 1e-6, "mean obliquity": 1e-8,
                  "nutation in longitude": 0.5 * ARCSEC, "nutation in obliquity": 0.1 * ARCSEC,
                  "apparent sidereal": 0.5 * ARCSEC}
# Places of interest written out: the equator, both polar circles, 80 degrees either way.
EDGES = [0.0, POLAR_CIRCLE, -POLAR_CIRCLE, 66.56, -66.56, 67.0, -67.0, 80.0, -80.0]
UNIX_JD = 2440587.5


def births(towns):
    rng = random.Random(SEED)
    first = int(datetime.datetime(1800, 1, 1, tzinfo=datetime.timezone.utc).timestamp())
    last = int(datetime.datetime(2101, 1, 1, tzinfo=datetime.timezone.utc).timestamp())
    instant = lambda: rng.randrange(first, last) // 60 * 60
    out = [(instant(),) + rng.choice(towns) for _ in range(TOWN_BIRTHS)]
    for i in range(HAND_BIRTHS):
        if i < len(EDGES):
            lat = EDGES[i]
        elif i % 2:
            lat = rng.choice([-1, 1]) * rng.uniform(POLAR_CIRCLE, 80.0)
        else:
            lat = rng.uniform(-POLAR_CIRCLE, POLAR_CIRCLE)
        out.append((instant(), lat, rng.uniform(-180.0, 180.0)))
    return out


def swetest_ascendant(birth):
    t, lat, lon = birth
    d = datetime.datetime.fromtimestamp(t, datetime.timezone.utc)
    run = subprocess.run(["swetest", "-b%d.%d.%d" % (d.day, d.month, d.year),
                          "-ut%02d:%02d:%02d" % (d.hour, d.minute, d.second),
                          "-house%.6f,%.6f,P" % (lon, lat), "-fPl", "-head", "-emos", "-p"],
                         capture_output=True, text=True, check=True)
    for line in run.stdout.splitlines():
        if line.startswith("Ascendant"):
            return float(line.split()[1])
    raise RuntimeError("swetest gave no ascendant: " + run.stdout + run.stderr)


def angle(a, b):
    return abs((a - b + 180.0) % 360.0 - 180.0)


def main():
    if shutil.which("swetest") is None or erfa is None:
        print("skipped: swetest or python3-erfa is missing (bash scripts/install-deps.sh test)")
        return 77
    probe, towns_file = sys.argv[1:3]
    with open(towns_file, encoding="utf-8") as f:
        towns = [(float(p[4]), float(p[5])) for p in (l.split("\t") for l in f)
                 if p[0] == "T"]
    sample = births(towns)
    lines = subprocess.run([probe], input="".join("%d %.6f %.6f\n" % b for b in sample),
                           capture_output=True, text=True, check=True).stdout.splitlines()
    with concurrent.futures.ThreadPoolExecutor(2) as pool:
        references = list(pool.map(swetest_ascendant, sample))

    worst = {}
    failures = []

    def check(name, error, limit, birth):
        if error > worst.get(name, (-1,))[0]:
            worst[name] = (error, birth)
        if error > limit:
            failures.append("%s off by %.6f (limit %g) at %s" % (name, error, limit, birth))

    counts = {"outside": 0, "inside": 0}
    turned = 0
    for birth, line, reference in zip(sample, lines, references):
        mean, obliquity, dpsi, deps, apparent, ascendant, plain = map(float, line.split())
        turned += angle(plain, ascendant) > 90
        jd = birth[0] / 86400 + UNIX_JD
        band = "inside" if abs(birth[1]) > POLAR_CIRCLE else "outside"
        counts[band] += 1
        check("ascendant, %s the polar circles" % band, angle(ascendant, reference),
              TOLERANCE[band], birth)
        nut = erfa.nut80(jd, 0.0)
        parts = {"mean sidereal": (mean, math.degrees(erfa.gmst82(jd, 0.0))),
                 "mean obliquity": (obliquity, math.degrees(erfa.obl80(jd, 0.0))),
                 "nutation in longitude": (dpsi, math.degrees(nut[0])),
                 "nutation in obliquity": (deps, math.degrees(nut[1])),
                 "apparent sidereal": (apparent, math.degrees(erfa.gst94(jd, 0.0)))}
        for name, (mine, theirs) in parts.items():
            check(name, angle(mine, theirs), PART_TOLERANCE[name], birth)

    print("%d births (%d outside the polar circles, %d inside, up to 80 degrees), seed %d"
          % (len(sample), counts["outside"], counts["inside"], SEED))
    print("  the plain formula gave the western point for %d of them" % turned)
    for name, (error, birth) in worst.items():
        print("  %-40s max %.2g degrees (%.2g\") at %s" % (name, error, error * 3600, birth))
    for f in failures[:20]:
        print("FAIL " + f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
