#!/bin/sh
# Runs every benchmark program of a build; each prints "BENCH <name> <value> <unit>" lines.
set -eu
dir="$1"
for b in "$dir"/bench/bench_*; do
    [ -f "$b" ] && [ -x "$b" ] || continue
    QT_QPA_PLATFORM=offscreen "$b"
done
