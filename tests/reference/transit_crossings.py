#!/usr/bin/env python3
"""Transit windows found a second way, for tests/transits/: swetest steps
each body hour by hour (Lahiri, sidereal, UT), and every crossing is put
between the two hours by straight-line interpolation of the longitude.

Prints, for each case below, the Julian days (UT) at which the window state
changes: a sign ingress for "sign" cases, and for "sputa" cases the moments
the classical Sputa Drishti of the planet on the natal longitude passes
the threshold (written out below from Brihat Parashara Hora Shastra in
B. V. Raman's band form, independently of the C++ code).

    tests/reference/transit_crossings.py            # prints the C++ table
    tests/reference/transit_crossings.py --check tests/transits/swetest_reference_test.cpp
                                                    # every crossing is in the test
"""

import math
import subprocess
import sys

YEARS = range(2019, 2024)  # 2019-01-01 to 2024-01-01, a year per call
SWETEST_BODY = {"Sun": "0", "Mercury": "2", "Mars": "4", "Jupiter": "5", "Saturn": "6"}
SPECIAL = {
    "Saturn": [(60, 90, 45), (270, 300, 45)],
    "Mars": [(90, 120, 15), (210, 240, 15)],
    "Jupiter": [(120, 150, 30), (240, 270, 30)],
}
# (kind, body, natal longitude, threshold): the pairs the test checks.
CASES = [
    ("sign", "Saturn", None, None),
    ("sign", "Mercury", None, None),
    ("sputa", "Saturn", 15.0, 45.0),
    ("sputa", "Jupiter", 100.0, 45.0),
    ("sputa", "Mars", 10.0, 45.0),
    ("sputa", "Sun", 200.0, 45.0),
]


def command(body, year):
    hours = 24 * (366 if year % 4 == 0 else 365)
    return ["swetest", "-b1.1.%d" % year, "-ut0:00", "-p" + SWETEST_BODY[body], "-sid1",
            "-fJl", "-s60m", "-n%d" % hours, "-head", "-g,"]


def track(body):
    rows = []
    for year in YEARS:
        out = subprocess.run(command(body, year), capture_output=True, text=True,
                             check=True).stdout
        for line in out.splitlines():
            day, longitude = line.split(",")
            rows.append((float(day), float(longitude)))
    return rows


def strength(body, angle):
    """Virupas of `body` on a point `angle` degrees ahead of it."""
    a = angle % 360
    if a < 30:
        value = 0
    elif a < 60:
        value = (a - 30) / 2
    elif a < 90:
        value = a - 45
    elif a < 120:
        value = 30 + (120 - a) / 2
    elif a < 150:
        value = 150 - a
    elif a < 180:
        value = 2 * (a - 150)
    elif a < 300:
        value = (300 - a) / 2
    else:
        value = 0
    for low, high, added in SPECIAL.get(body, []):
        if low <= a < high:
            value += added
    return value


def unwrapped(previous, longitude):
    return longitude + 360 * round((previous - longitude) / 360)


def state_changes(rows, state):
    """Moments where state(longitude) changes, found by bisection on the
    straight line between the two hourly positions around it."""
    changes = []
    for (day0, lon0), (day1, lon1) in zip(rows, rows[1:]):
        lon1 = unwrapped(lon0, lon1)
        if state(lon0) == state(lon1):
            continue
        low, high = 0.0, 1.0
        for _ in range(40):
            middle = (low + high) / 2
            if state(lon0 + (lon1 - lon0) * middle) == state(lon0):
                low = middle
            else:
                high = middle
        changes.append(day0 + (day1 - day0) * high)
    return changes


def crossings(kind, body, natal, threshold):
    rows = track(body)
    if kind == "sign":
        return state_changes(rows, lambda lon: math.floor((lon % 360) / 30))
    return state_changes(rows, lambda lon: strength(body, natal - lon) >= threshold)


def check(path):
    with open(path, encoding="utf-8") as test:
        text = test.read()
    missing = ["%s %s %.5f" % (kind, body, day)
               for kind, body, natal, threshold in CASES
               for day in crossings(kind, body, natal, threshold)
               if "%.5f" % day not in text]
    for line in missing:
        print("not in the test:", line)
    return 1 if missing else 0


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--check":
        return check(sys.argv[2])
    for kind, body, natal, threshold in CASES:
        changes = crossings(kind, body, natal, threshold)
        print("    // %s (and each year to 2023)\n    {\"%s\", \"%s\", %s, {%s}}," % (
            " ".join(command(body, YEARS[0])), kind, body, "%.1f" % natal if natal is not None else "0",
            ", ".join("%.5f" % day for day in changes)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
