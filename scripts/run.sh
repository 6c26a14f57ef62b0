#!/usr/bin/env bash
# Installs what is needed, builds the program and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build
cmake --preset native -DNUV_BUILD_TESTS=OFF >/dev/null
cmake --build --preset native -j"$(nproc)" --target pettool
echo "Reading the sample configuration with pettool:"
./build/native/tools/pettool dump tests/data/sample/DATA/PET.CFG
