#!/bin/sh
# Runs every libFuzzer target of a build for a while, starting from the committed seed corpus.
# Usage: scripts/run-fuzz.sh BUILD_DIR [SECONDS_PER_TARGET]
# A crash leaves its input in BUILD_DIR/fuzz/ and makes this script fail.
set -eu
dir="$1"
seconds="${2:-30}"
root=$(cd "$(dirname "$0")/.." && pwd)

found=0
for target in "$dir"/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    found=1
    name=$(basename "$target")
    name=${name#fuzz_}
    # New inputs go to a scratch corpus, so the committed seeds stay small and reviewed.
    work=$(mktemp -d)
    dict=""
    [ -f "$root/fuzz/$name.dict" ] && dict="-dict=$root/fuzz/$name.dict"
    echo "fuzz: $name for ${seconds}s" >&2
    status=0
    # shellcheck disable=SC2086
    "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$dir/fuzz/$name-" $dict \
        "$work" "$root/fuzz/corpus/$name" || status=$?
    rm -rf "$work"
    [ "$status" -eq 0 ] || exit "$status"
done

if [ "$found" -eq 0 ]; then
    echo "run-fuzz: no fuzz targets in $dir/fuzz" >&2
    exit 1
fi
