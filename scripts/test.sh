#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs every test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test linux
jobs=$(nproc)

echo "== native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
ctest --preset native -j"$jobs"

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize -j"$jobs"

if [ -x scripts/fuzz.sh ]; then
    echo "== fuzzing"
    bash scripts/fuzz.sh
fi
if [ -f scripts/e2e-linux.sh ] && [ "$(uname -s)" = Linux ]; then
    echo "== the Linux program (nuvpet) end to end"
    bash scripts/e2e-linux.sh
fi
if [ -x scripts/e2e.sh ]; then
    echo "== the Windows program under Wine"
    bash scripts/e2e.sh
fi
