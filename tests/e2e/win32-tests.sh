#!/usr/bin/env bash
# Builds the Windows shell's GoogleTest suites (mingw-x64) and runs them under Wine.
# Arguments are passed to the test program (for example --gtest_filter=MHook*).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

bash scripts/deps.sh build test windows wine
source scripts/wine-env.sh

cmake --preset mingw-x64 >/dev/null
cmake --build --preset mingw-x64 -j2 --target win32_tests >/dev/null
cd build/mingw-x64/bin
wine win32_tests.exe "$@"
