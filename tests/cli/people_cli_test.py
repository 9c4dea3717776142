#!/usr/bin/env python3
"""starwise-cli's saved people: --save, --list-people, --person, --person-id,
--export-aaf and --import-aaf on temporary --people files, and a damaged or
newer file giving its message while a reading from flags still works.
Usage: people_cli_test.py PATH_TO_STARWISE_CLI"""
import json
import os
import sqlite3
import subprocess
import sys
import tempfile

CLI = sys.argv[1]
# Three births, one for each kind of zone: a row of the list, the atlas's
# place and zone, an exact offset.
BIRTHS = {
    "ASHA KULKARNI": ["--date", "1980-07-15", "--time", "06:30", "--zone", "34", "--lon", "73:51E", "--lat", "18:31N"],
    "RAVI RAO": ["--date", "1975-01-02", "--time", "23:10", "--place", "Pune"],
    "LENA BERG": ["--date", "1990-06-01", "--time", "12:00", "--utc-offset", "+02:00", "--lon", "10:45E", "--lat", "59:55N"],
}
failures = []


def run(args):
    result = subprocess.run([CLI, *args], capture_output=True, text=True, timeout=60)
    return result


def check(name, condition, detail=""):
    if not condition:
        failures.append(f"{name}: {detail}")


with tempfile.TemporaryDirectory() as folder:
    first = ["--people", os.path.join(folder, "first.sqlite")]
    second = ["--people", os.path.join(folder, "second.sqlite")]
    readings = {name: run(flags + ["--name", name, "--json"]).stdout for name, flags in BIRTHS.items()}

    for name, flags in BIRTHS.items():
        saved = run(flags + ["--name", name, "--save", "--json"] + first)
        check(f"--save {name}", saved.returncode == 0 and saved.stdout == readings[name],
              f"status {saved.returncode}, stderr {saved.stderr!r}")

    listed = run(["--list-people", "--json"] + first)
    people = json.loads(listed.stdout) if listed.returncode == 0 else []
    check("--list-people --json lists the three", sorted(p["name"] for p in people) == sorted(BIRTHS),
          f"status {listed.returncode}, {listed.stdout!r} {listed.stderr!r}")
    for name in BIRTHS:
        again = run(["--person", name, "--json"] + first)
        check(f"--person {name} gives the flags' reading", again.stdout == readings[name],
              f"status {again.returncode}, stderr {again.stderr!r}")

    aaf = os.path.join(folder, "people.aaf")
    exported = run(["--export-aaf", aaf] + first)
    check("--export-aaf", exported.returncode == 0 and "Wrote 3 people" in exported.stderr, exported.stderr)
    imported = run(["--import-aaf", aaf] + second)
    check("--import-aaf into an empty store", imported.returncode == 0 and "Read 3 people" in imported.stderr,
          imported.stderr)
    fields = ["name", "date", "time", "latitude", "longitude", "zone", "daylight_saving", "utc_offset_seconds",
              "utc_offset_source", "place"]
    key = lambda p: [p[f] for f in fields]
    copies = json.loads(run(["--list-people", "--json"] + second).stdout or "[]")
    check("the same three come back", sorted(map(key, copies)) == sorted(map(key, people)), f"{copies} vs {people}")
    for name in BIRTHS:
        copy = run(["--person", name, "--json"] + second)
        check(f"{name}'s reading after export and import", copy.stdout == readings[name], copy.stderr)

    # Two people of one name: the name alone does not choose.
    run(BIRTHS["ASHA KULKARNI"] + ["--name", "Asha Kulkarni", "--save"] + first)
    twins = run(["--person", "asha kulkarni"] + first)
    ids = sorted(p["id"] for p in json.loads(run(["--list-people", "--json"] + first).stdout) if p["name"] == "ASHA KULKARNI")
    check("an ambiguous --person lists the ids and refuses",
          twins.returncode == 2 and f"ids {ids[1]}, {ids[0]}" in twins.stderr and "--person-id" in twins.stderr,
          f"status {twins.returncode}, {twins.stderr!r}")
    by_id = run(["--person-id", str(ids[0]), "--json"] + first)
    check("--person-id chooses", by_id.stdout == readings["ASHA KULKARNI"], by_id.stderr)

    # Problem files: each gives its message naming the file; flags still read.
    damaged = os.path.join(folder, "damaged.sqlite")
    with open(damaged, "wb") as f:
        f.write(b"SQLite format 3\0" + b"\x55" * 8000)
    newer = os.path.join(folder, "newer.sqlite")
    run(BIRTHS["LENA BERG"] + ["--name", "LENA BERG", "--save", "--people", newer])
    db = sqlite3.connect(newer)
    db.execute("PRAGMA user_version = 9")
    db.close()
    for what, path, command, status, message in [
        ("damaged", damaged, ["--list-people"], 1, "damaged"),
        ("damaged", damaged, BIRTHS["LENA BERG"] + ["--name", "X", "--save"], 1, "damaged"),
        ("newer", newer, BIRTHS["LENA BERG"] + ["--name", "X", "--save"], 1, "version 9"),
    ]:
        before = open(path, "rb").read()
        result = run(command + ["--people", path])
        check(f"{what} file: {command[0]}", result.returncode == status and message in result.stderr and path in result.stderr,
              f"status {result.returncode}, {result.stderr!r}")
        check(f"{what} file left as it was", open(path, "rb").read() == before)
        check(f"{what} file: a reading from flags still works",
              run(BIRTHS["LENA BERG"] + ["--people", path]).returncode == 0)
    check("a newer file is still listed", "LENA BERG" in run(["--list-people", "--people", newer]).stdout)

for failure in failures:
    print("FAIL", failure)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
