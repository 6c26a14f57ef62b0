#!/usr/bin/env bash
# End-to-end check of the Windows toolchain under Wine: builds the smoke program and MHook.dll
# (mingw-x64), runs it on a virtual display, checks the shaped window in a screenshot, the
# cursor messages of the hook library while the mouse moves, the Korean resource texts and a
# clean exit without leaked GDI objects. Exits non-zero on any failure.
#
# The screenshot and the log stay in build/e2e/smoke/ for inspection.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

bash scripts/deps.sh build windows wine
source scripts/wine-env.sh

echo "== building the smoke program"
cmake --preset mingw-x64 >/dev/null
cmake --build --preset mingw-x64 -j2 --target nuvsmoke MHook >/dev/null

out=$root/build/e2e/smoke
rm -rf "$out"
mkdir -p "$out"
log=$out/smoke.log
bin=$root/build/mingw-x64/bin
left=200 top=150 width=160 height=120
shape="0,0,160,40;50,40,110,120;130,90,150,110"
smoke_pid=""

fail() {
    echo "smoke: FAIL: $*" >&2
    [ -f "$log" ] && sed 's/^/  log: /' "$log" >&2
    exit 1
}

cleanup() {
    if [ -n "$smoke_pid" ] && kill -0 "$smoke_pid" 2>/dev/null; then
        kill "$smoke_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

# Waits until the log has a line matching $1 (extended regex), at most $2 seconds.
wait_for_line() {
    local deadline=$((SECONDS + $2))
    while [ $SECONDS -le $deadline ]; do
        grep -Eq "$1" "$log" 2>/dev/null && return 0
        sleep 0.05
    done
    return 1
}

echo "== starting nuvsmoke.exe under Wine on $DISPLAY"
xdotool mousemove 10 10
start_ns=$(date +%s%N)
wine "$bin/nuvsmoke.exe" --log "$(winepath -w "$log")" --stop "$(winepath -w "$out/stop")" \
    --at $left $top --dialogs >"$out/wine.out" 2>&1 &
smoke_pid=$!
wait_for_line '^ready ' 20 || fail "the window did not come up"
ready_ms=$((($(date +%s%N) - start_ns) / 1000000))
echo "window ready ${ready_ms} ms after launch ($(grep '^startup_ms' "$log" | cut -d' ' -f2) ms after process creation)"

grep -q "^ready $left $top $width $height\$" "$log" || fail "the window has the wrong place or size"
grep -qx 'string101 NuvPET 정보(&A)...' "$log" || fail "string 101 is wrong"
grep -qx 'hook init 1 install 1' "$log" || fail "MHook.dll did not install"
xdotool search --name 'NUVPET 정보' >/dev/null || fail "no window captioned 'NUVPET 정보'"
xdotool search --name 'Registration User Info' >/dev/null || fail "no registration dialog"

echo "== moving the mouse"
# Over the pet window (the low-level hook sees it) and over the bare root window, where only
# the cursor sampling can see it.
for point in "280 170" "300 200" "100 700" "990 740" "5 600"; do
    xdotool mousemove $point
    wait_for_line "^hook 4 $point\$" 5 || fail "no cursor message for ($point)"
done
echo "cursor messages: $(grep -c '^hook 4 ' "$log")"

echo "== checking the window's shape"
import -display "$DISPLAY" -window root "$out/shot.png"
convert "$out/shot.png" "$out/shot.ppm"
python3 tests/e2e/check_shape.py "$out/shot.ppm" $left $top $width $height "$shape" 255,0,255 ||
    fail "the shape on screen differs from the region"

echo "== stopping"
touch "$out/stop"
wait_for_line '^exit$' 10 || fail "the program did not end"
wait "$smoke_pid" || fail "the program ended with status $?"
smoke_pid=""
grep -qx 'gdi live 0' "$log" || fail "GDI objects leaked"
total_s=$((($(date +%s%N) - start_ns) / 1000000000))
echo "smoke: PASS (${total_s} s)"
