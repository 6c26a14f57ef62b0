#!/usr/bin/env bash
# The Windows program end to end under Wine on a virtual display: builds NuvPet.exe and
# MHook.dll (mingw-x64), the shell's GoogleTest suites and pettool, packs the pet root and runs
# tests/e2e/pet_e2e.py on it, then its drop onto a second monitor on an Xorg dummy server.
# Exits non-zero on any failure.
#
#   NUV_E2E_PET_ROOT     a ready pet root; default: the sample pets' root the build packs
#   NUV_E2E_PET_SOURCES  pet sources to pack instead (a folder with pet.manifest)
#   NUV_E2E_I686=0       skips the i686 build (it is built to keep it compiling; 32-bit Wine
#                        is not here to run it)
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
if [ "${NUV_E2E_I686:-1}" = 1 ]; then
    echo "== building the i686 program (mingw-x86)"
    cmake --preset mingw-x86 >/dev/null
    cmake --build --preset mingw-x86 -j2 --target NuvPet MHook >/dev/null
fi
echo "== building pettool and the sample pets' root"
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target pettool petroot >/dev/null
pettool=$root/build/native/tools/pettool
bin=$root/build/mingw-x64/bin
out=$root/build/e2e
mkdir -p "$out"

if [ -n "${NUV_E2E_PET_SOURCES:-}" ]; then
    pet_root=$out/pet-root
    rm -rf "$pet_root"
    "$pettool" pack "$NUV_E2E_PET_SOURCES" "$pet_root"
else
    pet_root=${NUV_E2E_PET_ROOT:-$root/build/native/petroot}
fi

echo "== the shell's tests under Wine"
(cd "$bin" && wine win32_tests.exe --gtest_brief=1 </dev/null)

echo "== the dialogs' texts in a prefix without the Korean Windows font names"
(
    export NUV_WINE_DIR=$root/build/wine-plain NUV_WINE_KOREAN_NAMES=0
    source scripts/wine-env.sh
    cd "$bin" && wine win32_tests.exe --gtest_brief=1 \
        --gtest_filter='DialogsTest.*:LastResortTest.*:PetRootLockTest.*:FontsTest.*' </dev/null
)

echo "== the pet end to end"
rm -rf "$out/run"
python3 tests/e2e/pet_e2e.py --exe "$bin/NuvPet.exe" --root "$pet_root" --pettool "$pettool" \
    --out "$out/run"
echo "== the pet on two monitors (Xorg's dummy driver, a prefix of its own)"
(
    source scripts/two-monitors.sh
    start_two_monitors "$out"
    trap 'NUV_WINE_DIR=$root/build/wine-monitors bash scripts/wine-env.sh stop; kill $two_monitors_pid' EXIT
    export NUV_WINE_DIR=$root/build/wine-monitors
    source scripts/wine-env.sh
    rm -rf "$out/monitors"
    python3 tests/e2e/pet_e2e.py --only two_monitors --exe "$bin/NuvPet.exe" --root "$pet_root" \
        --pettool "$pettool" --out "$out/monitors"
)
echo "== the pet at 192 DPI: at 2x (a prefix of its own with LogPixels 192)"
(
    export NUV_WINE_DIR=$root/build/wine-dpi192
    trap 'bash scripts/wine-env.sh stop' EXIT
    source scripts/wine-env.sh
    if ! wine reg query 'HKCU\Control Panel\Desktop' /v LogPixels 2>/dev/null | grep -q 0xc0; then
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null
        wineserver -k  # the DPI is read as the server's programs start
        wineserver -w
    fi
    rm -rf "$out/dpi192"
    python3 tests/e2e/pet_e2e.py --only zoomed --zoom 2 --exe "$bin/NuvPet.exe" \
        --root "$pet_root" --pettool "$pettool" --out "$out/dpi192"
)
echo "e2e: all passed in $((SECONDS - started)) s"
