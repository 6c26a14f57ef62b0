#!/usr/bin/env bash
# Builds the program and a pet root and starts the pet: on Linux the native program nuvpet,
# with --windows NuvPet.exe under Wine. On your display when there is one, else on a virtual
# display for a while, saving screenshots.
#
#   bash scripts/run.sh            the pet of build/run/pet-root (packed on the first run; the
#                                  pet's progress is kept from one run to the next)
#   bash scripts/run.sh --fresh    packs the pet root anew
#   bash scripts/run.sh --windows  NuvPet.exe under Wine (with --fresh too, in any order)
#
#   NUV_PET_SOURCES   pet sources to pack (a folder with pet.manifest); default: the sample
#                     pets the native build makes (pets/)
#   NUV_RUN_SECONDS   how long the pet runs on a virtual display (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

fresh=0 windows=0
for arg in "$@"; do
    case "$arg" in
        --fresh) fresh=1 ;;
        --windows) windows=1 ;;
        *) echo "run.sh: unknown argument '$arg'" >&2; exit 2 ;;
    esac
done
[ "$(uname -s)" = Linux ] || windows=1

if [ $windows = 1 ]; then
    bash scripts/deps.sh build windows wine
    echo "== building the program (mingw-x64) and pettool"
    cmake --preset mingw-x64 >/dev/null
    cmake --build --preset mingw-x64 -j2 --target NuvPet MHook >/dev/null
else
    bash scripts/deps.sh build linux
fi
cmake --preset native >/dev/null
echo "== building pettool and the program"
cmake --build --preset native -j2 --target pettool >/dev/null
[ $windows = 1 ] || cmake --build --preset native -j2 --target nuvpet >/dev/null
pettool=$root/build/native/tools/pettool
exe=$root/build/mingw-x64/bin/NuvPet.exe
nuvpet=$root/build/native/src/linux/nuvpet

out=$root/build/run
pet_root=$out/pet-root
if [ $fresh = 1 ] || [ ! -f "$pet_root/DATA/PET.CFG" ]; then
    rm -rf "$pet_root"
    mkdir -p "$out"
    sources=${NUV_PET_SOURCES:-}
    if [ -z "$sources" ]; then
        # The sample pets: the native build draws and packs them.
        cmake --build --preset native -j2 --target petroot >/dev/null
        cp -r build/native/petroot "$pet_root"
    else
        "$pettool" pack "$sources" "$pet_root"
    fi
fi

# A display of the user's own, when there is one; wine-env.sh starts a virtual one otherwise.
user_display=""
if [ -n "${DISPLAY:-}" ] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    user_display=$DISPLAY
fi

if [ $windows = 0 ]; then
    if [ -n "$user_display" ]; then
        echo "== the pet runs on $DISPLAY; its menu's exit (right click) ends it"
        exec "$nuvpet" "$pet_root"
    fi
    echo "== no display: the pet runs on a virtual display, screenshots in $out/shots"
    rm -rf "$out/shots"
    mkdir -p "$out/shots"
    display=:$((60 + RANDOM % 9))
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null || true' EXIT
    export DISPLAY=$display
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    "$nuvpet" "$pet_root" &
    pet=$!
    # A pet without a name asks for one first.
    sleep 3
    for w in $(xdotool search --onlyvisible --class nuvpet 2>/dev/null); do
        xdotool windowfocus "$w" type --delay 40 Tori 2>/dev/null || true
        xdotool key Return 2>/dev/null || true
    done
    seconds=${NUV_RUN_SECONDS:-30}
    for ((t = 5; t <= seconds; t += 5)); do
        sleep 5
        import -window root "$out/shots/shot-$(printf %03d $t).png"
    done
    kill -TERM $pet 2>/dev/null || true
    wait $pet 2>/dev/null || true
    echo "The log of the run: $pet_root/ETCS/PETLOG.TXT (code page 949)"
    exit 0
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
