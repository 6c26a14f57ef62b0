#!/usr/bin/env bash
# Builds NuvPet.exe, MHook.dll and a pet root, and starts the pet under Wine: on your display
# when there is one, else on a virtual display for a while, saving screenshots.
#
#   bash scripts/run.sh            the pet of build/run/pet-root (packed on the first run; the
#                                  pet's progress is kept from one run to the next)
#   bash scripts/run.sh --fresh    packs the pet root anew
#
#   NUV_PET_SOURCES   pet sources to pack (a folder with pet.manifest); default: the sample
#                     pets the native build makes (pets/), else the test pet of tests/e2e/pet/
#   NUV_RUN_SECONDS   how long the pet runs on a virtual display (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/deps.sh build windows wine
echo "== building the program (mingw-x64) and pettool"
cmake --preset mingw-x64 >/dev/null
cmake --build --preset mingw-x64 -j2 --target NuvPet MHook >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target pettool >/dev/null
pettool=$root/build/native/tools/pettool
exe=$root/build/mingw-x64/bin/NuvPet.exe

out=$root/build/run
pet_root=$out/pet-root
if [ "${1:-}" = --fresh ] || [ ! -f "$pet_root/DATA/PET.CFG" ]; then
    rm -rf "$pet_root"
    mkdir -p "$out"
    sources=${NUV_PET_SOURCES:-}
    if [ -z "$sources" ] && [ -f pets/CMakeLists.txt ]; then
        # The sample pets: the native build draws and packs them.
        cmake --build --preset native -j2 --target petroot >/dev/null
        cp -r build/native/petroot "$pet_root"
    else
        if [ -z "$sources" ]; then
            sources=$out/pet-src
            rm -rf "$sources"
            python3 tests/e2e/pet/make_test_pet.py "$sources"
        fi
        "$pettool" pack "$sources" "$pet_root"
    fi
fi

# A display of the user's own, when there is one; wine-env.sh starts a virtual one otherwise.
user_display=""
if [ -n "${DISPLAY:-}" ] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    user_display=$DISPLAY
fi
source scripts/wine-env.sh

if [ -n "$user_display" ]; then
    echo "== the pet runs on $DISPLAY; its menu's exit (right click) ends it"
    cd "$pet_root"
    exec wine "$exe"
fi
echo "== no display: the pet runs on the virtual display $DISPLAY, screenshots in $out/shots"
rm -rf "$out/shots"
python3 tests/e2e/watch.py --exe "$exe" --root "$pet_root" --pettool "$pettool" \
    --out "$out/shots" --seconds "${NUV_RUN_SECONDS:-30}" --every 5
echo "The log of the run: $pet_root/ETCS/PETLOG.TXT (code page 949)"
