#!/usr/bin/env python3
"""Side-by-side CPU time of two builds of sudoku-velmora-cli.

Runs the same command with the "before" and the "after" program, alternating, and reports the
median CPU time (user + system, of the child process) of each over the pairs and their ratio.

    bench/compare.py BEFORE_CLI AFTER_CLI [--pairs 3] [--only 3x3] [--difficulties 0,50,100]
                                          [--brute FILE]

Per box shape it generates `--count N --seed 2024` puzzles at each difficulty; with --brute it
also solves FILE with --brute-force --seed 7. Outputs of the two programs are not compared here:
seeds give other puzzles since the guess order is drawn differently.
"""
import argparse
import os
import resource
import statistics
import subprocess
import sys

# Box shape and puzzle count, smallest grids first; counts keep one run near a second before.
SHAPES = [("2x2", 3000), ("2x3", 1000), ("2x4", 400), ("3x3", 400), ("2x5", 300),
          ("2x6", 100), ("3x4", 100), ("3x5", 40), ("4x4", 40), ("3x6", 16)]


def cpu_seconds(cmd, stdin_path=None):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    with open(stdin_path, "rb") if stdin_path else open(os.devnull, "rb") as stdin:
        subprocess.run(cmd, stdin=stdin, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       check=True)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


def pair(before, after, args, pairs, stdin_path=None):
    times = {"before": [], "after": []}
    for _ in range(pairs):
        times["before"].append(cpu_seconds([before] + args, stdin_path))
        times["after"].append(cpu_seconds([after] + args, stdin_path))
    b = statistics.median(times["before"])
    a = statistics.median(times["after"])
    return b, a


def main():
    p = argparse.ArgumentParser()
    p.add_argument("before")
    p.add_argument("after")
    p.add_argument("--pairs", type=int, default=3)
    p.add_argument("--only", default="")
    p.add_argument("--difficulties", default="0,50,100")
    p.add_argument("--brute", default="")
    p.add_argument("--seed", default="2024")
    o = p.parse_args()
    only = set(filter(None, o.only.split(",")))
    print("| box | N | difficulty | before s | after s | speed-up |")
    print("|---|---|---|---|---|---|")
    for box, count in SHAPES:
        if only and box not in only:
            continue
        for d in o.difficulties.split(","):
            args = ["generate", "--box", box, "--difficulty", d, "--count", str(count),
                    "--seed", o.seed]
            b, a = pair(o.before, o.after, args, o.pairs)
            print(f"| {box} | {count} | {d} | {b:.3f} | {a:.3f} | {b / a:.2f} |", flush=True)
    if o.brute:
        with open(o.brute) as f:
            puzzles = sum(1 for line in f if line.strip() and not line.startswith("#"))
        args = ["solve", "--brute-force", "--seed", "7"]
        b, a = pair(o.before, o.after, args, o.pairs, o.brute)
        print(f"| brute force {os.path.basename(o.brute)} | {puzzles} | | {b:.3f} | {a:.3f} "
              f"| {b / a:.2f} |")
        print(f"puzzles a second: before {puzzles / b:.0f}, after {puzzles / a:.0f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
