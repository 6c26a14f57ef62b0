#!/usr/bin/env bash
# The Windows program end to end under Wine on a virtual display: builds NuvPet.exe and
# MHook.dll (mingw-x64), the shell's GoogleTest suites and pettool, packs the pet root and runs
# tests/e2e/pet_e2e.py on it. Exits non-zero on any failure.
#
#   NUV_E2E_PET_SOURCES  pet sources to pack (a folder with pet.manifest); default: the test
#                        pet written by tests/e2e/pet/make_test_pet.py
#   NUV_E2E_PET_ROOT     a ready pet root to use as it is (no packing)
#   NUV_E2E_I686=1       also builds the i686 program (it compiles; 32-bit Wine is not here)
#
# Screenshots, the roots of the runs and summary.json stay in build/e2e/run/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
started=$SECONDS

bash scripts/deps.sh build test windows wine
source scripts/wine-env.sh

echo "== building the program, its library and the shell's tests (mingw-x64)"
cmake --preset mingw-x64 >/dev/null
cmake --build --preset mingw-x64 -j2 --target NuvPet MHook win32_tests >/dev/null
if [ "${NUV_E2E_I686:-0}" = 1 ]; then
    echo "== building the i686 program (mingw-x86)"
    cmake --preset mingw-x86 >/dev/null
    cmake --build --preset mingw-x86 -j2 --target NuvPet MHook >/dev/null
fi
echo "== building pettool"
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target pettool >/dev/null
pettool=$root/build/native/tools/pettool
bin=$root/build/mingw-x64/bin
out=$root/build/e2e
mkdir -p "$out"

if [ -n "${NUV_E2E_PET_ROOT:-}" ]; then
    pet_root=$NUV_E2E_PET_ROOT
else
    sources=${NUV_E2E_PET_SOURCES:-}
    if [ -z "$sources" ]; then
        sources=$out/pet-src
        rm -rf "$sources"
        python3 tests/e2e/pet/make_test_pet.py "$sources"
    fi
    pet_root=$out/pet-root
    rm -rf "$pet_root"
    "$pettool" pack "$sources" "$pet_root"
fi

echo "== the shell's tests under Wine"
(cd "$bin" && wine win32_tests.exe --gtest_brief=1 </dev/null)

echo "== the pet end to end"
rm -rf "$out/run"
python3 tests/e2e/pet_e2e.py --exe "$bin/NuvPet.exe" --root "$pet_root" --pettool "$pettool" \
    --out "$out/run"
echo "e2e: all passed in $((SECONDS - started)) s"
