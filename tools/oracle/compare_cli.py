#!/usr/bin/env python3
"""Compare `starwise-cli --batch --json` with the reference implementation.

Usage: compare_cli.py PATH_TO_STARWISE_CLI [--count N] [--seed S]

Generates N random valid births (plus fixed edge cases and a few invalid
lines), runs the CLI once in batch mode and compares every field of every
answer: longitudes to 1e-6 degree (modulo 360), ut_hours and d to 1e-9, all
texts and lists exactly. Invalid lines must yield an object with "error" and
must not stop the run. The last line printed is "N passed, M failed".
"""

import argparse
import calendar
import json
import os
import random
import string
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import starwise_oracle as o  # noqa: E402

LONGITUDE_TOL = 1e-6
TIME_TOL = 1e-9
MAX_REPORTED = 20

GMT, EST, IST, CET, NZST, IDLW = 29, 27, 34, 20, 46, 36

INVALID_LINES = [
    ("31 April", "--date 1990-04-31 --time 10:00 --zone 29 --lon 0:00E --lat 51:30N --name BAD"),
    ("29 February 1901", "--date 1901-02-29 --time 10:00 --zone 29 --lon 0:00E --lat 51:30N --name BAD"),
    ("longitude 180", "--date 1990-05-01 --time 10:00 --zone 29 --lon 180:00E --lat 51:30N --name BAD"),
    ("latitude 90", "--date 1990-05-01 --time 10:00 --zone 29 --lon 0:00E --lat 90:00N --name BAD"),
    ("longitude minutes 60", "--date 1990-05-01 --time 10:00 --zone 29 --lon 10:60E --lat 51:30N --name BAD"),
    ("time minutes 60", "--date 1990-05-01 --time 10:60 --zone 29 --lon 0:00E --lat 51:30N --name BAD"),
    ("zone 71", "--date 1990-05-01 --time 10:00 --zone 71 --lon 0:00E --lat 51:30N --name BAD"),
    ("text in a number", "--date 1990-05-01 --time 10:00 --zone 29 --lon 1x:00E --lat 51:30N --name BAD"),
    ("year 1900", "--date 1900-05-01 --time 10:00 --zone 29 --lon 0:00E --lat 51:30N --name BAD"),
    ("missing --lat", "--date 1990-05-01 --time 10:00 --zone 29 --lon 0:00E --name BAD"),
]


def days_in_month(year, month):
    if month == 2:
        return 29 if year % 4 == 0 else 28
    return calendar.monthrange(2001, month)[1]


def random_birth(rng):
    year = rng.randint(1901, 2050)
    month = rng.randint(1, 12)
    day = rng.randint(1, days_in_month(year, month))
    # One birth in five inside or near the polar circles.
    lat_deg = rng.randint(60, 89) if rng.random() < 0.2 else rng.randint(0, 89)
    name = "".join(rng.choice(string.ascii_uppercase) for _ in range(rng.randint(1, 8)))
    return o.Birth(year, month, day, rng.randint(0, 23), rng.randint(0, 59),
                   rng.randint(0, 70), rng.random() < 0.5,
                   rng.randint(0, 179), rng.randint(0, 59), rng.random() < 0.5,
                   lat_deg, rng.randint(0, 59), rng.random() < 0.5, name)


def b(date, time, zone, dst, lon, lat):
    y, mo, d = (int(x) for x in date.split("-"))
    h, mi = (int(x) for x in time.split(":"))
    ld, lm = lon[:-1].split(":")
    ad, am = lat[:-1].split(":")
    return o.Birth(y, mo, d, h, mi, zone, dst, int(ld), int(lm), lon[-1] == "E",
                   int(ad), int(am), lat[-1] == "S", "EDGE")


def edge_births():
    cases = [
        b("1999-12-31", "22:00", EST, False, "74:00W", "40:43N"),   # into the next year
        b("2050-12-31", "22:00", EST, False, "74:00W", "40:43N"),
        b("1980-07-15", "06:30", GMT, False, "0:00E", "0:00N"),
        b("2000-01-01", "12:00", GMT, False, "0:00E", "51:30N"),
        b("1980-07-15", "06:30", EST, True, "74:00W", "40:43N"),
        b("1980-07-15", "06:30", IST, False, "77:13E", "28:37N"),
        b("1980-07-15", "06:30", CET, False, "3:42W", "40:25N"),    # western place, eastern zone
        b("1901-01-01", "00:00", NZST, False, "174:46E", "41:17S"),  # back into 1900
        b("2050-12-31", "23:59", IDLW, True, "179:59W", "0:00N"),   # into 2051
        b("1904-02-29", "12:00", GMT, False, "0:00W", "0:00N"),
        b("1980-02-29", "23:59", EST, False, "0:01W", "0:01S"),
        b("2000-02-29", "00:00", IST, True, "179:59E", "89:59N"),
        b("2048-02-29", "05:05", 16, True, "179:00E", "89:59S"),
        b("2000-02-29", "23:30", 36, False, "179:59W", "66:34N"),
        b("1901-03-01", "00:00", 46, False, "0:00E", "67:00S"),
        b("1960-01-15", "12:00", GMT, False, "0:00E", "80:00N"),
        b("1985-06-21", "00:00", GMT, False, "18:57E", "69:40N"),   # near Tromso
        b("1975-12-21", "09:15", 53, True, "156:47W", "71:17N"),    # northern Alaska
        b("2020-03-20", "18:00", 8, False, "0:00E", "89:59S"),
        b("1950-09-23", "06:00", 54, False, "0:00W", "89:00N"),
        b("1975-10-23", "12:00", GMT, False, "0:00E", "51:30N"),   # Scorpio by date, Sun in Libra
        b("1984-03-20", "12:00", GMT, False, "0:00E", "51:30N"),   # Pisces by date, Sun in Aries
    ]
    for z in range(71):    # every zone, both directions of daylight saving
        cases.append(b("1970-%02d-%02d" % (z % 12 + 1, z % 28 + 1), "%02d:%02d" % (z % 24, z % 60),
                       z, z % 2 == 1, "%d:%02d%s" % (z * 2, z % 60, "E" if z % 3 else "W"),
                       "%d:%02d%s" % (z, 59 - z % 60, "S" if z % 2 else "N")))
    return cases


def angle_diff(a, b):
    d = abs(a - b) % 360.0
    return min(d, 360.0 - d)


def is_number(x):
    return isinstance(x, (int, float)) and not isinstance(x, bool)


def compare(expected, actual):
    """List of (field, expected, actual) that differ."""
    out = []
    if not isinstance(actual, dict):
        return [("(object)", "a JSON object", actual)]
    if "error" in actual:
        return [("error", "(no error)", actual.get("error"))]

    def num(field, tol):
        a = actual.get(field)
        if not is_number(a) or not abs(a - expected[field]) <= tol:
            out.append((field, expected[field], a))

    def exact(field):
        if field not in actual or actual[field] != expected[field]:
            out.append((field, expected[field], actual.get(field)))

    num("ut_hours", TIME_TOL)
    exact("ut_date")
    exact("ut_time")
    a_jdn = actual.get("jdn")
    if not (isinstance(a_jdn, int) and not isinstance(a_jdn, bool) and a_jdn == expected["jdn"]):
        out.append(("jdn", expected["jdn"], a_jdn))
    num("d", TIME_TOL)

    bodies = actual.get("bodies")
    if not isinstance(bodies, list) or len(bodies) != 11:
        out.append(("bodies", "11 entries", bodies))
    else:
        for k, (eb, ab) in enumerate(zip(expected["bodies"], bodies)):
            if not isinstance(ab, dict):
                out.append(("bodies[%d]" % k, eb, ab))
                continue
            if ab.get("name") != eb["name"]:
                out.append(("bodies[%d].name" % k, eb["name"], ab.get("name")))
            lon = ab.get("longitude")
            if not is_number(lon) or not angle_diff(lon, eb["longitude"]) <= LONGITUDE_TOL \
                    or not 0 <= lon < 360:
                out.append(("%s.longitude" % eb["name"], eb["longitude"], lon))
            if ab.get("position") != eb["position"]:
                out.append(("%s.position" % eb["name"], eb["position"], ab.get("position")))

    for field in ("north_node", "south_node", "sun_sign", "sun_cusp", "houses", "void_of_course", "failed_steps"):
        exact(field)
    a_row = actual.get("node_row")
    if not isinstance(a_row, dict) or {k: a_row.get(k) for k in expected["node_row"]} != expected["node_row"]:
        out.append(("node_row", expected["node_row"], a_row))
    a_asp = actual.get("aspects")
    for kind in ("quincunx", "semi_sextile"):
        got = a_asp.get(kind) if isinstance(a_asp, dict) else None
        if got != expected["aspects"][kind]:
            out.append(("aspects.%s" % kind, expected["aspects"][kind], got))
    return out


def check_zone_list(cli):
    """Every zone text appears in `--list-zones`, in table order."""
    try:
        res = subprocess.run([cli, "--list-zones"], capture_output=True, text=True, timeout=60)
    except (OSError, subprocess.TimeoutExpired) as exc:
        return ["--list-zones could not run: %s" % exc]
    text = res.stdout
    problems = []
    pos = 0
    for k, (zone_text, _, _) in enumerate(o.ZONES):
        at = text.find(zone_text, pos)
        if at < 0:
            problems.append("zone %d %r missing or out of order" % (k, zone_text))
        else:
            pos = at + len(zone_text)
    if res.returncode != 0:
        problems.append("--list-zones exit status %d" % res.returncode)
    return problems


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("cli")
    ap.add_argument("--count", type=int, default=2000)
    ap.add_argument("--seed", type=int, default=20240611)
    args = ap.parse_args()

    rng = random.Random(args.seed)
    births = edge_births() + [random_birth(rng) for _ in range(args.count)]

    # Lines as sent: valid births with the invalid ones spread among them.
    lines = []        # (kind, payload, text)
    step = max(1, len(births) // (len(INVALID_LINES) + 1))
    bad = list(INVALID_LINES)
    for i, birth in enumerate(births):
        if i > 0 and i % step == 0 and bad:
            label, text = bad.pop(0)
            lines.append(("bad", label, text))
        lines.append(("good", birth, birth.cli_line()))
    for label, text in bad:
        lines.append(("bad", label, text))

    stdin = "".join(text + "\n" for _, _, text in lines)
    try:
        res = subprocess.run([args.cli, "--batch", "--json"], input=stdin, capture_output=True,
                             text=True, timeout=1800)
    except (OSError, subprocess.TimeoutExpired) as exc:
        print("could not run %s: %s" % (args.cli, exc))
        print("0 passed, %d failed" % len(lines))
        return 1
    out_lines = [ln for ln in res.stdout.split("\n") if ln.strip()]
    if res.returncode < 0 or len(out_lines) != len(lines):
        print("CLI exit status %d, %d answers for %d lines" % (res.returncode, len(out_lines), len(lines)))
        if res.stderr:
            print("stderr (tail): " + res.stderr[-2000:])

    passed = failed = reported = 0
    by_field = {}

    def report(line_text, field, expected, actual):
        nonlocal reported
        head, _, tail = field.partition(".")
        key = "bodies." + tail if head in o.BODY_NAMES and tail else field
        by_field[key] = by_field.get(key, 0) + 1
        if reported < MAX_REPORTED:
            print("MISMATCH %s\n  input:    %s\n  expected: %s\n  actual:   %s"
                  % (field, line_text, json.dumps(expected, ensure_ascii=False),
                     json.dumps(actual, ensure_ascii=False)))
        reported += 1

    for idx, (kind, payload, text) in enumerate(lines):
        if idx >= len(out_lines):
            failed += 1
            report(text, "(answer)", "one JSON line", None)
            continue
        try:
            actual = json.loads(out_lines[idx])
        except ValueError:
            failed += 1
            report(text, "(json)", "valid JSON", out_lines[idx][:200])
            continue
        if kind == "bad":
            if isinstance(actual, dict) and isinstance(actual.get("error"), str) and actual["error"]:
                passed += 1
            else:
                failed += 1
                report(text, "error (%s)" % payload, {"error": "..."}, actual)
            continue
        diffs = compare(o.reading(payload), actual)
        if diffs:
            failed += 1
            for field, exp, act in diffs:
                report(text, field, exp, act)
        else:
            passed += 1

    zone_problems = check_zone_list(args.cli)
    if zone_problems:
        failed += 1
        for p in zone_problems[:5]:
            report("--list-zones", "zone list", p, None)
    else:
        passed += 1

    if reported > MAX_REPORTED:
        print("... %d further mismatches not shown" % (reported - MAX_REPORTED))
    if by_field:
        print("summary: %d cases compared, mismatching fields: %s" % (
            len(lines) + 1, ", ".join("%s x%d" % kv for kv in sorted(by_field.items()))))
    else:
        print("summary: %d cases compared (%d valid births, %d invalid lines, zone list), all agree"
              % (len(lines) + 1, len(births), len(INVALID_LINES)))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
