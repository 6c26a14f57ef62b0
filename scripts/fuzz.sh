#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz", clang) and runs each one from its seed corpus
# (tests/fuzz/corpus/<target>/) with a fixed seed and a fixed number of runs, so that a run
# repeats exactly. FUZZ_RUNS overrides the number of runs of every target; a file
# tests/fuzz/<target>.runs sets it for one target.
set -euo pipefail
cd "$(dirname "$0")/.."

default_runs=${FUZZ_RUNS:-}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target fuzzers

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
artifacts=build/fuzz/artifacts
mkdir -p "$artifacts"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

status=0
for fuzzer in build/fuzz/fuzzers/*_fuzzer; do
    [ -x "$fuzzer" ] || continue
    target=$(basename "$fuzzer")
    runs=$default_runs
    if [ -z "$runs" ]; then
        runs=100000
        [ -f "tests/fuzz/$target.runs" ] && runs=$(cat "tests/fuzz/$target.runs")
    fi
    seeds="tests/fuzz/corpus/$target"
    mkdir -p "$work/$target"
    echo "== $target: $runs runs"
    if ! "$fuzzer" -seed=1 -runs="$runs" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" "$work/$target" "$seeds" \
        >"$work/$target.log" 2>&1; then
        tail -n 40 "$work/$target.log"
        echo "$target failed; the input is kept in $artifacts/" >&2
        status=1
        continue
    fi
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)' "$work/$target.log" || true
done
exit $status
