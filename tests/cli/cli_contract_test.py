#!/usr/bin/env python3
"""starwise-cli's promises to its users: flags, refusals, batch mode, JSON
fields and text output. Usage: cli_contract_test.py PATH_TO_STARWISE_CLI"""
import json
import os
import subprocess
import sys
from datetime import datetime, timezone
from zoneinfo import ZoneInfo

CLI = sys.argv[1]
GOOD = ["--date", "1980-07-15", "--time", "06:30", "--zone", "29", "--lon", "0:00E", "--lat", "0:00N"]
failures = []
checks = 0


def run(args, stdin=None):
    # Standard input is written as UTF-8 with lone surrogates turned back
    # into the raw bytes they stand for (a way to send bytes that are not UTF-8).
    data = stdin.encode("utf-8", "surrogateescape") if stdin is not None else None
    result = subprocess.run([CLI, *args], input=data, capture_output=True, timeout=60)
    return subprocess.CompletedProcess(result.args, result.returncode, result.stdout.decode("utf-8", "replace"),
                                       result.stderr.decode("utf-8", "replace"))


def check(name, condition, detail=""):
    global checks
    checks += 1
    if not condition:
        failures.append(f"{name}: {detail}")


def replace(args, flag, value):
    out = list(args)
    if value is None:
        i = out.index(flag)
        del out[i:i + 2]
    else:
        out[out.index(flag) + 1] = value
    return out


# Refusals: (what, arguments, message on standard error)
REFUSALS = [
    ("missing --date", replace(GOOD, "--date", None), "--date is required"),
    ("missing --lon", replace(GOOD, "--lon", None), "--lon is required"),
    ("unknown words in order", GOOD + ["garbage", "line", "--bogus"],
     "The following arguments were not expected: garbage line --bogus"),
    ("missing --lat before a bad date", replace(replace(GOOD, "--lat", None), "--date", "1980-04-31"), "--lat is required"),
    ("31 April", replace(GOOD, "--date", "1980-04-31"), "Please Enter Correct Date Or Month !"),
    ("29 February 1901", replace(GOOD, "--date", "1901-02-29"), "Please Enter Correct Date Or Month!"),
    ("longitude 180", replace(GOOD, "--lon", "180:00W"), "Please Enter Value Between 0 And 179 in the Degree of Longitude"),
    ("latitude 90", replace(GOOD, "--lat", "90:00N"), "Please Enter Value Between 0 And 89 in the Degree of Latitude"),
    ("minutes 60", replace(GOOD, "--lat", "10:60N"), "Please Enter Value Between 0 And 59 in the  Minute of Latitude"),
    ("zone 71", replace(GOOD, "--zone", "71"), "Please Choose a Time Zone Between 0 And 70 (see --list-zones)"),
    ("text in a number", replace(GOOD, "--lon", "7x:00E"), "Only Numbers Are Accepted"),
    ("year 1900", replace(GOOD, "--date", "1900-06-01"), "Please Choose a Year Between 1901 And 2050"),
    ("year 2051", replace(GOOD, "--date", "2051-06-01"), "Please Choose a Year Between 1901 And 2050"),
    ("digits in the name", GOOD + ["--name", "R2D2"], "Please Enter only Letters"),
    ("blank name", GOOD + ["--name", "  "], "Please Enter Name"),
    ("name of 61 letters", GOOD + ["--name", "A" * 61], "Please Enter a Name of at Most 60 Letters"),
    ("missing zone", replace(GOOD, "--zone", None), "--zone or --utc-offset is required"),
    ("offset with a zone", GOOD + ["--utc-offset", "+05:45"],
     "--utc-offset gives the whole offset: it excludes --zone, --dst and --no-dst"),
    ("offset beyond 16 hours", replace(GOOD, "--zone", None) + ["--utc-offset", "+16:00:01"],
     "--utc-offset must look like +HH:MM or -HH:MM:SS, at most 16 hours"),
]
for what, args, message in REFUSALS:
    result = run(args)
    # Every message ends its line.
    check(what, result.returncode == 2 and result.stderr == message + "\n" and result.stdout == "",
          f"status {result.returncode}, stderr {result.stderr!r}, expected {message!r}")

# The fields of the documented example's JSON. Their values, this birth's and
# the cusp of 23 October 1975 among them, are compared with an independent
# implementation by cli_matches_oracle (tools/oracle).
chart = json.loads(run(GOOD + ["--json"]).stdout)
for field in ["ut_hours", "ut_date", "ut_time", "jdn", "d", "utc_offset_seconds", "utc_offset_source", "north_node", "south_node", "sun_sign", "sun_cusp", "node_row",
              "houses", "aspects", "void_of_course", "report", "place", "zone_check"]:
    check(f"field {field}", field in chart, sorted(chart))
check("report pieces", chart["report"][0]["control"] == "RTBHouseDesc" and chart["report"][0]["point_size"] == 11,
      chart["report"][:1])

# Batch: a bad line yields an error object and the run goes on; every input
# line (blank and comment lines too) gives one output line; a zone may be
# given by its text as well as its position.
lines = "\n".join([" ".join(GOOD), "--date 1980-04-31 --time 06:30 --zone 29 --lon 0:00E --lat 0:00N", "",
                   "# a comment", " ".join(replace(GOOD, "--zone", "'Indian Time, IST, +5.3'"))]) + "\n"
batch = run(["--batch", "--json"], lines)
objects = [json.loads(line) for line in batch.stdout.splitlines()]
check("batch count", len(objects) == 5, batch.stdout[:200])
check("batch error", objects[1:4] == [{"error": "Please Enter Correct Date Or Month !"}, {"skipped": "blank"},
                                      {"skipped": "comment"}], objects[1:4])
check("batch status", batch.returncode == 2, batch.returncode)
check("batch zone text", len(objects) == 5 and objects[4].get("ut_hours") == 1.0, objects[4:])
# CR, LF and CR LF all end a line; a flag given twice is refused as on the command line.
endings = run(["--batch", "--json"], " ".join(GOOD) + "\r" + " ".join(GOOD) + " --zone 3\r\n\r\n" + " ".join(GOOD))
ending_objects = [json.loads(line) for line in endings.stdout.splitlines()]
check("line endings", [sorted(o)[0] for o in ending_objects] == ["aspects", "error", "skipped", "aspects"]
      and ending_objects[1] == {"error": "--zone is given more than once"}, endings.stdout[:300])
text_batch = run(["--batch"], "# comment\n" + " ".join(GOOD) + "\n")
check("text batch comment", text_batch.stdout.startswith("\n") and not text_batch.stdout.startswith("\n\n"),
      text_batch.stdout[:80])

# Text output: the report's sections in order, no colour when piped.
text = run(GOOD).stdout
order = [text.find(s) for s in ["Your Sun Sign: Cancer", "Karma Profile", "North Node Is Placed In: Leo",
                                "Planets in House", "Planetary Aspects Interpration", "Position of Natal Moon"]]
check("text sections in order", -1 not in order and order == sorted(order), order)
check("no escapes when piped", "\x1b[" not in text)

# A line that is not UTF-8, or has words the command line does not know, is
# an error line; the next line is still read.
bad = run(["--batch", "--json"], "caf\udce9\n" + " ".join(GOOD) + " garbage line with no flags\n" + " ".join(GOOD) + "\n")
bad_lines = bad.stdout.splitlines()
check("bad lines", len(bad_lines) == 3 and all("error" in json.loads(line) for line in bad_lines[:2])
      and bad.returncode == 2, bad.stdout[:300])
check("next line read", len(bad_lines) == 3 and "bodies" in json.loads(bad_lines[2]), bad_lines[2:])

# Places. Expected instants come from Python's zoneinfo, an independent
# reader of the same tz database.

def ut_of(local, zone):
    at = datetime.strptime(local, "%Y-%m-%d %H:%M").replace(tzinfo=ZoneInfo(zone)).astimezone(timezone.utc)
    return at.strftime("%Y-%m-%d"), at.strftime("%H:%M")


found = run(["--find-place", "Bath"])
check("exact name first", found.stdout.splitlines()[:1] == ["Bath, England, United Kingdom  51:23N 002:22W  Europe/London"],
      found.stdout[:200])
found = run(["--find-place", "Pune"])
check("find-place line", found.returncode == 0 and found.stdout.splitlines()[:1] ==
      ["Pune, Maharashtra, India  18:31N 073:51E  Asia/Kolkata"], found.stdout[:200])
found = run(["--find-place", "springfield, illinois", "--json"])
places = json.loads(found.stdout) if found.returncode == 0 else []
check("find-place JSON", places[:1] and sorted(places[0]) == ["country", "latitude", "longitude", "name", "population",
                                                            "state", "timezone"]
      and (places[0]["name"], places[0]["state"], places[0]["timezone"]) == ("Springfield", "Illinois", "America/Chicago")
      and abs(places[0]["latitude"] - 39.80) < 0.01 and abs(places[0]["longitude"] + 89.64) < 0.01, places[:1])
nowhere = run(["--find-place", "Xqzzy"])
check("find-place none", nowhere.returncode == 2 and nowhere.stdout == "" and "Xqzzy" in nowhere.stderr, nowhere.stderr)

# (what, flags besides --date/--time, the same birth spelled out, whether it agrees with the tz database)
# Which flag wins over the place, and the box's hour: birth_place_test.
NEW_YORK = ["--date", "1980-07-15", "--time", "06:30"]
PLACED = [
    ("place fills all", ["--place", "New York"], ["--zone", "24", "--lon", "074:00W", "--lat", "40:43N"], True, 24),
    ("given zone wins, box from place", ["--place", "New York", "--zone", "29"],
     ["--zone", "29", "--dst", "--lon", "074:00W", "--lat", "40:43N"], False, 29),
]
# The place's coordinates are read unrounded, the spelled-out ones to the
# minute: the Ascendant may differ by the arc a minute of longitude sweeps.
ASCENDANT_TOLERANCE_DEG = 0.05
for what, flags, spelled, agrees, row in PLACED:
    placed, plain = run(NEW_YORK + flags + ["--json"]), run(NEW_YORK + spelled + ["--json"])
    if placed.returncode != 0 or plain.returncode != 0:
        check(what, False, placed.stderr + plain.stderr)
        continue
    got, want = json.loads(placed.stdout), json.loads(plain.stdout)
    zone_check = got["zone_check"]
    check(what + ": chart", got["bodies"][:10] == want["bodies"][:10] and got["ut_time"] == want["ut_time"]
          and abs(got["bodies"][10]["longitude"] - want["bodies"][10]["longitude"]) < ASCENDANT_TOLERANCE_DEG,
          (got["ut_time"], want["ut_time"], got["bodies"][10], want["bodies"][10]))
    check(what + ": zone check", got["place"]["timezone"] == "America/New_York" and zone_check["agrees"] == agrees
          and (zone_check["utc_offset_minutes"], zone_check["daylight_saving"], zone_check["zone"]) == (-240, True, row)
          and want["place"] is None and want["zone_check"] is None, zone_check)
    if agrees:
        check(what + ": tz instant", (got["ut_date"], got["ut_time"]) == ut_of("1980-07-15 06:30", "America/New_York"),
              got["ut_time"])

# No row gives UTC+5:45: the database's exact offset is read, and said.
kathmandu = run(["--date", "2000-07-15", "--time", "06:30", "--place", "Kathmandu", "--json"])
k_json = json.loads(kathmandu.stdout) if kathmandu.returncode == 0 else {}
check("no row fits", (k_json.get("utc_offset_seconds"), k_json.get("utc_offset_source"),
                      (k_json.get("zone_check") or {}).get("zone", 0), (k_json.get("ut_date"), k_json.get("ut_time")))
      == (20700, "tz_database", None, ut_of("2000-07-15 06:30", "Asia/Kathmandu")), kathmandu.stdout[:300] + kathmandu.stderr)
header = run(["--date", "1980-07-15", "--time", "06:30", "--place", "Pune"]).stdout.splitlines()[:2]
check("text names the place", header == ["Place: Pune, Maharashtra, India  18:31N 073:51E  Asia/Kolkata",
                                         "Time zone: Pune, 15 July 1980 06:30: UTC+5:30, no daylight saving. The reading "
                                         "uses Indian Time without daylight saving, UTC+5:30."], header)
mandi = run(["--date", "1980-07-15", "--time", "06:30", "--place", "Mandi, India"]).stdout.splitlines()[:1]
check("exact name read", mandi == ["Place: Mandi, Himachal Pradesh, India  31:43N 076:56E  Asia/Kolkata"], mandi)

lines = "\n".join(["--date 1980-07-15 --time 06:30 --place 'Pune, India'", "--date 2000-07-15 --time 06:30 --place Kathmandu",
                   " ".join(GOOD), "--date 1980-07-15 --time 06:30 --place Xqzzy"]) + "\n"
batch = run(["--batch", "--json"], lines)
objects = [json.loads(line) for line in batch.stdout.splitlines()]
check("batch with places", batch.returncode == 2 and len(objects) == 4
      and objects[0].get("place", {}).get("name") == "Pune"
      and (objects[0]["ut_date"], objects[0]["ut_time"]) == ut_of("1980-07-15 06:30", "Asia/Kolkata")
      and objects[1].get("utc_offset_seconds") == 20700 and objects[2].get("place", 1) is None
      and objects[3] == {"error": 'No place in the atlas matches "Xqzzy"'}, batch.stdout[:300])

# Output that cannot be written is a failure, not a success.
with open("/dev/full", "wb") as full:
    for args in (GOOD, ["--batch", "--json"], ["--find-place", "Pune"], ["--find-place", "Pune", "--json"],
                 ["--list-zones"], ["--version"], ["--help"]):
        result = subprocess.run([CLI, *args], input=(" ".join(GOOD) + "\n").encode(), stdout=full,
                                stderr=subprocess.PIPE, timeout=60)
        check(f"disk full {' '.join(args[:2])}", result.returncode == 1 and b"could not be written" in result.stderr,
              f"status {result.returncode}, stderr {result.stderr[:200]!r}")

# Every line of --json parses under a strict parser (Python's rejects raw
# control characters): each control byte echoed from a refused line at
# every offset within a 16-byte block, as a vector scan would see it.
controls = "".join(f"--bogus {'a' * pad}x{chr(byte)}y{'b' * 40}\n" for byte in range(1, 32) if byte not in (10, 13)
                   for pad in range(16))
strict = run(["--batch", "--json"], controls)
not_json = []
for line in strict.stdout.splitlines():
    try:
        json.loads(line)
    except ValueError as error:
        not_json.append(f"{line!r}: {error}")
check("control bytes in JSON", not not_json and len(strict.stdout.splitlines()) == 29 * 16, not_json[:2])

# Echoed input on a terminal: control characters shown escaped, never raw.
escape = "\x1b[2J\x9b1m"
for what, result in (("batch text line", run(["--batch"], f"--bogus {escape}\n")),
                     ("refusal", run(GOOD + ["--bogus", escape])),
                     ("find-place", run(["--find-place", escape]))):
    shown = result.stdout + result.stderr
    check(f"escaped {what}", "\x1b" not in shown and "\x9b" not in shown and "\\x1b[2J\\u009b1m" in shown, repr(shown))

# A given zone that names a daylight time takes no daylight-saving box from
# the place: New York in July on Eastern Daylight Time is UTC-4 once.
edt = run(["--date", "1980-07-15", "--time", "12:00", "--place", "New York", "--zone", "24", "--json"])
edt_json = json.loads(edt.stdout) if edt.returncode == 0 else {}
check("daylight zone from the user", edt_json.get("ut_time") == "16:00" and
      (edt_json.get("zone_check") or {}).get("agrees") is True, edt.stdout[:300] + edt.stderr)

version = run(["--version"])
check("version", version.returncode == 0 and version.stdout.strip() == "starwise-cli " + os.environ["STARWISE_VERSION"], version.stdout)
bare = run([])
check("no arguments", bare.returncode == 2 and "--date" in bare.stderr and bare.stdout == "", bare.stderr[:200])

zones = run(["--list-zones"]).stdout.splitlines()
check("71 zones", len(zones) == 71 and zones[29] == "29\tGreenwich Mean Time,GMT,0.0", zones[:1])
check("help", run(["--help"]).returncode == 0)

for failure in failures:
    print("FAIL", failure)
print(f"{checks - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
