#!/bin/bash
# Counts the solutions of the same puzzles to 2 with the exact solver and with Debian's qqwing
# (apt-get install qqwing), one after the other in one run, and prints puzzles per second of
# CPU time (user + system) for each. The file is fed REPEAT times over to both, so that start-up
# and the 10 ms resolution of /usr/bin/time do not matter.
#
#   bench/compare_qqwing.sh [BUILD_DIR [FILE [REPEAT]]]
#
# Defaults: build-bench (the bench preset's directory; build when there is none),
# bench/data/minimal-3x3.txt, 50. Needs BUILD_DIR/bench/exact_count. The load average before and
# after is printed: both programs share the machine with whatever else runs.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
default_build=$here/../build-bench
[[ -d $default_build ]] || default_build=$here/../build
build=${1:-$default_build}
file=${2:-$here/data/minimal-3x3.txt}
repeat=${3:-50}
count=$build/bench/exact_count
qqwing=${QQWING:-/usr/bin/qqwing}

[[ -x $count ]] || { echo "no $count: build the exact_count target first" >&2; exit 1; }
[[ -x $qqwing ]] || { echo "no $qqwing: apt-get install qqwing" >&2; exit 1; }

input=$(mktemp)
trap 'rm -f "$input"' EXIT
for ((i = 0; i < repeat; ++i)); do grep -v '^#' "$file" | cut -d' ' -f1; done >"$input"
puzzles=$(wc -l <"$input")

# CPU seconds of a command reading $input; its output is left in $input.out.
cpu_seconds() {
    local out times
    out=$(mktemp)
    times=$( { /usr/bin/time -f '%U %S' "$@" <"$input" >"$out"; } 2>&1 | tail -1)
    echo "$times" | awk '{ print $1 + $2 }'
    cp "$out" "$input.out"
    rm -f "$out"
}

# The exact solver runs before and after qqwing and counts with the mean, so that a change of load
# during the long qqwing run weighs on both sides alike.
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
exact_first=$(cpu_seconds "$count")
exact_says=$(cat "$input.out")
qq=$(cpu_seconds "$qqwing" --solve --count-solutions --nosolution)
qq_unique=$(grep -c 'unique' "$input.out" || true)
exact_second=$(cpu_seconds "$count")
exact=$(awk -v a="$exact_first" -v b="$exact_second" 'BEGIN { print (a + b) / 2 }')
rm -f "$input.out"
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

echo "file: $file, $puzzles puzzles ($repeat times over), counted to 2"
echo "load average: $load_before before, $load_after after"
echo "exact solver: $exact_says"
echo "qqwing:       $qq_unique unique"
awk -v n="$puzzles" -v a="$exact" -v b="$qq" 'BEGIN {
    if (a <= 0 || b <= 0) { print "too fast to time: raise REPEAT"; exit 1 }
    printf "exact solver: %8.3f s CPU, %10.0f puzzles/s\n", a, n / a
    printf "qqwing:       %8.2f s CPU, %10.0f puzzles/s\n", b, n / b
    printf "ratio:        %.1f times qqwing\n", b / a
}'
