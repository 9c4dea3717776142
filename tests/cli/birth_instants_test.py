#!/usr/bin/env python3
"""Every birth given with --place is read at the tz database's instant.

Seeded random births: places of the atlas drawn in proportion to their
population, local times drawn evenly from 1901-01-01 00:00 to 2050-12-31
23:59, each given to `starwise-cli --batch --json` as
--place "City, State, Country". Each reading's instant (JSON `d`, days from
2000-01-01 12:00 UT) must lie within TOLERANCE_S of Python zoneinfo's
instant for the place the reading names (fold=0, the offset in force before
a transition, as the atlas takes it); where the database says LMT, the
birthplace's own mean time, longitude * 240 s. No birth may be refused.
Prints the counts of each offset source and the largest error.

Usage: birth_instants_test.py STARWISE_CLI ZONE_PROBE [--count N] [--seed S]
"""
import argparse
import json
import random
import subprocess
import sys
from collections import Counter
from datetime import datetime, timedelta, timezone
from zoneinfo import ZoneInfo

TOLERANCE_S = 2.0
J2000 = datetime(2000, 1, 1, 12, tzinfo=timezone.utc)
SECONDS_PER_DEGREE = 240.0  # mean solar time: 24 h per 360 degrees
FIRST, LAST = datetime(1901, 1, 1), datetime(2050, 12, 31, 23, 59)


def expected_d(local, tz_name, longitude):
    at = local.replace(tzinfo=ZoneInfo(tz_name))
    if at.tzname() == "LMT":
        utc = local.replace(tzinfo=timezone.utc) - timedelta(seconds=longitude * SECONDS_PER_DEGREE)
    else:
        utc = at.astimezone(timezone.utc)
    return (utc - J2000).total_seconds() / 86400.0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("probe")
    parser.add_argument("--count", type=int, default=2000)
    parser.add_argument("--seed", type=int, default=20261208)
    args = parser.parse_args()

    rows = [line.split("\t") for line in
            subprocess.run([args.probe, "--places"], check=True, capture_output=True, text=True).stdout.splitlines()]
    labels, weights = [r[0] for r in rows], [int(r[1]) for r in rows]
    rng = random.Random(args.seed)
    span = int((LAST - FIRST).total_seconds() // 60)
    births = [(rng.choices(labels, weights)[0], FIRST + timedelta(minutes=rng.randrange(span + 1)))
              for _ in range(args.count)]
    lines = "".join(f'--date {t:%Y-%m-%d} --time {t:%H:%M} --place "{label}"\n' for label, t in births)
    out = subprocess.run([args.cli, "--batch", "--json"], input=lines, capture_output=True, text=True, timeout=600)
    answers = out.stdout.splitlines()

    # The offsets the 71 zone rows give without the box, and whether a row's
    # name says daylight time (such a row is never taken with the box).
    zone_lines = subprocess.run([args.cli, "--list-zones"], check=True, capture_output=True, text=True).stdout
    row_names = [line.split("\t")[1] for line in zone_lines.splitlines()]
    row_lines = "".join(f"--date 2000-01-01 --time 12:00 --zone {n} --lon 0:00E --lat 0:00N\n"
                        for n in range(len(row_names)))
    row_out = subprocess.run([args.cli, "--batch", "--json"], input=row_lines, capture_output=True, text=True)
    row_offsets = [(json.loads(line)["utc_offset_seconds"], "Daylight" in name)
                   for line, name in zip(row_out.stdout.splitlines(), row_names)]

    failures, sources, other_place, worst = [], Counter(), 0, 0.0
    if len(answers) != len(births):
        failures.append(f"{len(births)} lines in, {len(answers)} out: {out.stderr[:300]}")
    for (label, local), answer in zip(births, answers):
        reading = json.loads(answer)
        if "error" in reading or reading.get("d") is None:
            failures.append(f"{label} {local}: refused: {answer[:200]}")
            continue
        place = reading["place"]
        named = ", ".join(p for p in (place["name"], place["state"], place["country"]) if p)
        other_place += named != label
        error_s = abs(reading["d"] - expected_d(local, place["timezone"], place["longitude"])) * 86400.0
        worst = max(worst, error_s)
        sources[reading["utc_offset_source"]] += 1
        if error_s > TOLERANCE_S:
            failures.append(f"{label} {local}: d {reading['d']} is {error_s:.1f} s from the tz database's instant "
                            f"({reading['utc_offset_seconds']} s, {reading['utc_offset_source']})")
        tick = reading["zone_check"]["daylight_saving"]
        fits = any(offset + 3600 * tick == reading["utc_offset_seconds"] and not (tick and daylight)
                   for offset, daylight in row_offsets)
        if reading["utc_offset_source"] == "tz_database" and fits:
            failures.append(f"{label} {local}: a zone row gives {reading['utc_offset_seconds']} s, yet it was not used")
        if (reading["utc_offset_source"] == "zone_row") != (reading["zone_check"]["zone"] is not None):
            failures.append(f"{label} {local}: zone_check.zone {reading['zone_check']['zone']} for a "
                            f"{reading['utc_offset_source']} offset")
    for failure in failures[:30]:
        print("FAIL", failure)
    print(f"{len(births)} births: {dict(sources)}; {other_place} read for another place of the same label; "
          f"largest error {worst:.3f} s; {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
