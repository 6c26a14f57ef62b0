#!/usr/bin/env bash
# Builds the sample pets and puts a fresh copy of their pet root in DEST (default: ./petroot),
# replacing whatever DEST held: a new 토리 that asks for its name on its first run.
# Run the program with DEST as its working directory.
set -euo pipefail
cd "$(dirname "$0")/.."
dest=${1:-petroot}
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target petroot
rm -rf "$dest"
cp -r build/native/petroot "$dest"
echo "fresh pet root: $dest"
