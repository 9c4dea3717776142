#!/usr/bin/env python3
"""Compares the atlas's zone history with Python's zoneinfo.

zoneinfo is an independent reader of the same tz database (/usr/share/zoneinfo).
For seeded random places of the atlas and local times 1901-2050, the probe's
offset, daylight-saving flags and kind of local time (unique, skipped,
repeated) must equal zoneinfo's. A quarter of the cases are put on purpose
in a spring-forward gap or a fall-back hour of the zone.

zoneinfo's fold=0 is the offset in force before a transition, for a skipped
time as for a repeated one; the probe reports that offset too, and the other
as "other offset". Daylight saving is in force when dst() != 0. Whether it
puts the clocks ahead is checked against the atlas's definition, evaluated
on zoneinfo's offsets: ahead of the nearest standard time (dst() == 0)
before or after, found here by stepping a day at a time. The sign of dst()
is not used for it: zoneinfo infers one standard offset per offset type,
which is wrong for some war-time zones (Kyiv's CEST of 1941-43 gets dst()
-1 h because Moscow time came before it).

Usage: zoneinfo_compare.py PROBE [--count N] [--seed S]
Exit status 0 when every case agrees, 1 otherwise (each mismatch printed).
"""

import argparse
import random
import subprocess
import sys
from datetime import datetime, timedelta, timezone
from zoneinfo import ZoneInfo

FIRST_YEAR, LAST_YEAR = 1901, 2050
MINUTE = timedelta(minutes=1)
STANDARD_SEARCH_DAYS = 60 * 366  # how far to look for standard time, each way
SCAN_LIMITS = (datetime(1800, 1, 1, tzinfo=timezone.utc), datetime(9000, 1, 1, tzinfo=timezone.utc))


def place_zones(probe):
    out = subprocess.run([probe, "--place-zones"], check=True, capture_output=True, text=True).stdout
    return out.split()


def random_local_time(rng):
    first = datetime(FIRST_YEAR, 1, 1)
    span_minutes = int((datetime(LAST_YEAR, 12, 31, 23, 59) - first) / MINUTE)
    return first + rng.randrange(span_minutes + 1) * MINUTE


def offset_at(zone, utc):
    return utc.astimezone(zone).utcoffset()


def time_around_transition(rng, zone, year):
    """A local minute inside the skipped or repeated window of the first
    offset change of the zone in the year from 1 January or 1 July (chosen at
    random, so that both spring and autumn changes come up), or None when
    there is none."""
    day = timedelta(days=1)
    start = datetime(year, rng.choice((1, 7)), 1, tzinfo=timezone.utc)
    before = offset_at(zone, start)
    for k in range(1, 366):
        after_day = start + k * day
        if offset_at(zone, after_day) == before:
            continue
        low, high = after_day - day, after_day  # change in (low, high]
        while high - low > timedelta(seconds=1):
            middle = low + (high - low) / 2
            if offset_at(zone, middle) == before:
                low = middle
            else:
                high = middle
        new = offset_at(zone, high)
        window_start = (high + min(before, new)).replace(tzinfo=None)
        window_end = (high + max(before, new)).replace(tzinfo=None)
        first_minute = window_start.replace(second=0, microsecond=0)
        if first_minute < window_start:
            first_minute += MINUTE
        minutes = int((window_end - first_minute) / MINUTE)
        if window_end - first_minute > minutes * MINUTE:
            minutes += 1
        if minutes <= 0 or not (FIRST_YEAR <= first_minute.year <= LAST_YEAR):
            return None
        return first_minute + rng.randrange(minutes) * MINUTE
    return None


def nearest_standard_offset(zone, utc, step):
    """zoneinfo's offset at the first day-step from utc (a UTC datetime)
    where dst() is zero, or None within STANDARD_SEARCH_DAYS."""
    for _ in range(STANDARD_SEARCH_DAYS):
        utc += step
        if not SCAN_LIMITS[0] <= utc <= SCAN_LIMITS[1]:
            return None
        local = utc.astimezone(zone)
        if local.dst() == timedelta(0):
            return local.utcoffset()
    return None


def ahead_of_standard(zone, local, offset):
    utc = (local - offset).replace(tzinfo=timezone.utc)
    before = nearest_standard_offset(zone, utc, -timedelta(days=1))
    after = nearest_standard_offset(zone, utc, timedelta(days=1))
    if before is None and after is None:
        return True
    return (before is not None and offset > before) or (after is not None and offset > after)


def expected_answer(zone_name, local):
    zone = ZoneInfo(zone_name)
    first = local.replace(tzinfo=zone, fold=0)
    second = local.replace(tzinfo=zone, fold=1)
    offset = first.utcoffset()
    kind = "U"
    if second.utcoffset() != offset:
        round_trip = first.astimezone(timezone.utc).astimezone(zone).replace(tzinfo=None)
        kind = "S" if round_trip != local else "R"
    in_force = first.dst() != timedelta(0)
    ahead = in_force and ahead_of_standard(zone, local, offset)
    other = second.utcoffset() if kind != "U" else offset
    return "%d %d %d %s %d" % (offset.total_seconds(), in_force, ahead, kind, other.total_seconds())


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("probe")
    parser.add_argument("--count", type=int, default=3000)
    parser.add_argument("--seed", type=int, default=20261208)
    args = parser.parse_args()

    rng = random.Random(args.seed)
    zones = place_zones(args.probe)
    cases = []
    while len(cases) < args.count:
        zone_name = rng.choice(zones)
        local = None
        if rng.random() < 0.25:
            local = time_around_transition(rng, ZoneInfo(zone_name), rng.randint(FIRST_YEAR, LAST_YEAR))
        if local is None:
            local = random_local_time(rng)
        cases.append((zone_name, local))

    lines = ["%s %s" % (zone_name, local.strftime("%Y-%m-%d %H:%M")) for zone_name, local in cases]
    out = subprocess.run([args.probe], input="\n".join(lines) + "\n", check=True, capture_output=True,
                         text=True).stdout.splitlines()
    if len(out) != len(lines):
        print("probe answered %d lines for %d questions" % (len(out), len(lines)))
        return 1

    kinds = {"U": 0, "S": 0, "R": 0}
    mismatches = 0
    for line, (zone_name, local), actual in zip(lines, cases, out):
        expected = expected_answer(zone_name, local)
        kinds[expected.split()[3]] += 1
        if actual != expected:
            mismatches += 1
            print("MISMATCH %s\n  expected (zoneinfo) %s\n  actual   (probe)    %s" % (line, expected, actual))
    print("%d cases (seed %d): %d unique, %d skipped, %d repeated local times; %d mismatches"
          % (len(lines), args.seed, kinds["U"], kinds["S"], kinds["R"], mismatches))
    print("fields: offset seconds, daylight saving, ahead of standard, kind, other offset seconds")
    return 1 if mismatches else 0


if __name__ == "__main__":
    sys.exit(main())
