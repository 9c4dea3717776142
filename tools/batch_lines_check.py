#!/usr/bin/env python3
"""Mixed batch lines through `starwise-cli --batch --json`: births, births
with --place, refused lines (bad values, unknown and repeated flags, open
quotes, control bytes, bytes that are not UTF-8), blank and comment lines,
ended by LF, CR LF or CR alone. Checks that every input line gets exactly
one output line, of the kind the line asks for (a reading, {"error": ...}
or {"skipped": "blank" | "comment"}), that every output line is strict JSON
(no raw control characters, no NaN), and that the text mode echoes no
control character raw. Usage:
batch_lines_check.py PATH_TO_STARWISE_CLI [--count N] [--seed S]"""
import argparse
import json
import random
import re
import subprocess
import sys
import time

PLACES = ["Pune", "'New York'", '"Springfield, Illinois"', "Reykjavik", "Kathmandu", "Xqzzy", "'Sao Paulo'"]
CONTROL_BYTES = [b for b in range(32) if b not in (10, 13)] + [127]


def birth(rng):
    return (f"--date {rng.randint(1901, 2050)}-{rng.randint(1, 12):02d}-{rng.randint(1, 28):02d} "
            f"--time {rng.randint(0, 23):02d}:{rng.randint(0, 59):02d}")


def located(rng):
    return (f" --zone {rng.randint(0, 70)}{' --dst' if rng.random() < 0.3 else ''}"
            f" --lon {rng.randint(0, 179)}:{rng.randint(0, 59):02d}{rng.choice('EW')}"
            f" --lat {rng.randint(0, 89)}:{rng.randint(0, 59):02d}{rng.choice('NS')}")


def line_of(kind, rng):
    """The bytes of one line (without its ending) and the kind of output it must give."""
    if kind == "birth":
        return (birth(rng) + located(rng)).encode(), "reading"
    if kind == "place":
        return (birth(rng) + " --place " + rng.choice(PLACES)).encode(), "reading or error"
    if kind == "bad value":
        return (f"--date 1980-{rng.randint(13, 99)}-01 --time 06:30" + located(rng)).encode(), "error"
    if kind == "unknown flag":
        return (birth(rng) + located(rng) + " --colour").encode(), "error"
    if kind == "repeated flag":
        return (birth(rng) + located(rng) + " --time 07:00").encode(), "error"
    if kind == "open quote":
        return (birth(rng) + located(rng) + " --name 'ASHA").encode(), "error"
    if kind == "control byte":
        return b"--bogus " + bytes([rng.choice(CONTROL_BYTES)]) * rng.randint(1, 3) + b"x" * rng.randint(0, 40), "error"
    if kind == "not UTF-8":
        return birth(rng).encode() + b" --name " + rng.choice([b"caf\xe9", b"\xc0\xaf", b"\xff\xfe", b"\xed\xa0\x80"]), "error"
    if kind == "blank":
        return rng.choice([b"", b"   ", b"\t", b" \t "]), "skipped blank"
    return rng.choice([b"# a comment", b"  # indented", b"#"]), "skipped comment"


KINDS = [("birth", 40), ("place", 10), ("bad value", 8), ("unknown flag", 5), ("repeated flag", 5),
         ("open quote", 3), ("control byte", 8), ("not UTF-8", 5), ("blank", 8), ("comment", 8)]


def kind_of(obj):
    if not isinstance(obj, dict):
        return "not an object"
    if "bodies" in obj:
        return "reading"
    if set(obj) == {"error"}:
        return "error"
    if set(obj) == {"skipped"}:
        return "skipped " + str(obj["skipped"])
    return "other"


def no_constants(name):
    raise ValueError(f"{name} is not JSON")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--count", type=int, default=100000)
    parser.add_argument("--seed", type=int, default=20261208)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    names, weights = zip(*KINDS)
    lines, expected, endings = [], [], {"\n": 0, "\r\n": 0, "\r": 0}
    data = bytearray()
    for _ in range(args.count):
        kind = rng.choices(names, weights)[0]
        text, want = line_of(kind, rng)
        ending = rng.choices(["\n", "\r\n", "\r"], [80, 15, 5])[0]
        if not text and data.endswith(b"\r"):
            ending = "\r"  # CR then an empty line ended by LF would read as one CR LF
        endings[ending] += 1
        data += text + ending.encode()
        lines.append((kind, text))
        expected.append(want)

    failures = []
    start = time.perf_counter()
    result = subprocess.run([args.cli, "--batch", "--json"], input=bytes(data), capture_output=True, timeout=3600)
    elapsed = time.perf_counter() - start
    out = result.stdout.decode("utf-8", "surrogateescape").split("\n")
    if out and out[-1] == "":
        out.pop()
    if len(out) != args.count:
        failures.append(f"{args.count} lines in, {len(out)} lines out")
    kinds, not_json, wrong = {}, 0, 0
    for number, (line, want) in enumerate(zip(out, expected), 1):
        try:
            got = kind_of(json.loads(line, parse_constant=no_constants))
        except ValueError as error:
            not_json += 1
            if not_json <= 3:
                failures.append(f"line {number}: not strict JSON ({error}): {line[:120]!r}")
            continue
        kinds[got] = kinds.get(got, 0) + 1
        if got not in want.split(" or "):
            wrong += 1
            if wrong <= 3:
                failures.append(f"line {number}: {got}, expected {want}, for {lines[number - 1]!r}")
    if result.returncode != 2:
        failures.append(f"exit status {result.returncode}, expected 2 (some lines are refused)")

    text = subprocess.run([args.cli, "--batch"], input=bytes(data), capture_output=True, timeout=3600)
    raw = re.findall(rb"[\x00-\x09\x0b-\x1f\x7f]", text.stdout)
    if raw:
        failures.append(f"text mode: {len(raw)} raw control bytes, e.g. {raw[:3]}")

    print(f"{args.count} lines in (endings: {endings[chr(10)]} LF, "
          f"{endings[chr(13) + chr(10)]} CR LF, {endings[chr(13)]} CR), {len(out)} JSON lines out in {elapsed:.1f} s, "
          f"exit status {result.returncode}")
    print("kinds out: " + ", ".join(f"{k} {v}" for k, v in sorted(kinds.items())))
    print(f"not strict JSON: {not_json}; of the wrong kind: {wrong}; raw control bytes in text mode: {len(raw)}")
    for failure in failures:
        print("FAIL", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
