#!/usr/bin/env python3
"""Whole-process time of `starwise-cli --batch` per reading, with and without
--json, over seeded random valid births. Usage:
batch_bench.py PATH_TO_STARWISE_CLI [--count N] [--runs R]
Prints the best of R runs for each mode, in microseconds per reading."""
import argparse
import random
import subprocess
import time


def births(count, seed=1234):
    rng = random.Random(seed)
    lines = []
    for _ in range(count):
        year = rng.randint(1901, 2050)
        month = rng.randint(1, 12)
        day = rng.randint(1, 28)
        lines.append(
            f"--date {year}-{month:02d}-{day:02d} --time {rng.randint(0, 23):02d}:{rng.randint(0, 59):02d} "
            f"--zone {rng.randint(0, 70)}{' --dst' if rng.random() < 0.3 else ''} "
            f"--lon {rng.randint(0, 179)}:{rng.randint(0, 59):02d}{rng.choice('EW')} "
            f"--lat {rng.randint(0, 89)}:{rng.randint(0, 59):02d}{rng.choice('NS')}")
    return ("\n".join(lines) + "\n").encode()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--count", type=int, default=10000)
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    data = births(args.count)
    for label, flags in (("--batch --json", ["--batch", "--json"]), ("--batch (text)", ["--batch"])):
        best = float("inf")
        for _ in range(args.runs):
            start = time.perf_counter()
            result = subprocess.run([args.cli, *flags], input=data, stdout=subprocess.DEVNULL)
            elapsed = time.perf_counter() - start
            if result.returncode != 0:
                raise SystemExit(f"{label}: exit status {result.returncode}")
            best = min(best, elapsed)
        print(f"{label:16s} {best / args.count * 1e6:7.2f} us per reading "
              f"(best of {args.runs}, {args.count} births, whole process)")


if __name__ == "__main__":
    main()
