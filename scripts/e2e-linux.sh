#!/usr/bin/env bash
# The Linux program end to end on a virtual display: builds nuvpet and pettool, packs the
# sample pets' root and runs tests/e2e/linux/linux_e2e.py twice, without a window manager and
# with openbox, each time with trayer as the tray host and a fake browser that records the address it gets;
# then once more on two monitors (Xorg's dummy driver: 1024x768 and 800x600 right of it).
#
#   NUV_E2E_PET_ROOT   a ready pet root; default: the sample pets' root the build packs
#   NUV_E2E_WM         "none", "openbox", "both" (the two) or "monitors"; default: all three
#   NUV_E2E_ONLY       runs to make, of main,catch_polling,talk,sigterm,without_config (default: all)
#
# Screenshots and the roots of the runs stay in build/e2e-linux/<wm>/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
started=$SECONDS

bash scripts/deps.sh build linux
source scripts/two-monitors.sh
echo "== building nuvpet, pettool and the sample pets' root"
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target nuvpet pettool petroot >/dev/null
exe=$root/build/native/src/linux/nuvpet
pettool=$root/build/native/tools/pettool
pet_root=${NUV_E2E_PET_ROOT:-$root/build/native/petroot}
out=$root/build/e2e-linux

# A browser of our own: the default handler of http and https addresses.
home=$out/home
rm -rf "$home"
mkdir -p "$home/data/applications" "$home/config" "$home/runtime"
chmod 700 "$home/runtime"
cat > "$home/data/applications/nuv-fake-browser.desktop" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Fake browser
Exec=$root/tests/e2e/linux/fake-browser.sh %u
MimeType=x-scheme-handler/http;x-scheme-handler/https;
DESKTOP
cat > "$home/config/mimeapps.list" <<MIME
[Default Applications]
x-scheme-handler/http=nuv-fake-browser.desktop
x-scheme-handler/https=nuv-fake-browser.desktop
MIME
export XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
export XDG_DATA_DIRS=/usr/share XDG_CURRENT_DESKTOP=X-Generic
export NUV_E2E_BROWSER_LOG=$home/opened.txt
export LANG=C.UTF-8 NO_AT_BRIDGE=1 GTK_A11Y=none XCURSOR_THEME=Adwaita XCURSOR_SIZE=24
unset BROWSER WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS || true

pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

free_display() {
    local display=:$((70 + RANDOM % 20))
    while [ -e "/tmp/.X11-unix/X${display#:}" ]; do display=:$((70 + RANDOM % 20)); done
    echo "$display"
}

monitors_run() {
    start_two_monitors "$out"
    pids+=("$two_monitors_pid")
    echo "== the Linux program end to end on two monitors (display $DISPLAY)"
    rm -rf "$out/monitors"
    mkdir -p "$out/monitors"
    local status=0
    python3 tests/e2e/linux/linux_e2e.py --only two_monitors --exe "$exe" --root "$pet_root" \
        --pettool "$pettool" --out "$out/monitors" || status=$?
    if [ $status = 0 ]; then
        echo "== the same at GDK_SCALE=2: the pet at 2x"
        GDK_SCALE=2 python3 tests/e2e/linux/linux_e2e.py --only zoomed,two_monitors --zoom 2 \
            --exe "$exe" --root "$pet_root" --pettool "$pettool" --out "$out/monitors-2x" ||
            status=$?
    fi
    kill "$two_monitors_pid" 2>/dev/null || true
    wait "$two_monitors_pid" 2>/dev/null || true
    return $status
}

one_run() {
    local wm=$1
    [ "$wm" = monitors ] && { monitors_run; return; }
    local display
    display=$(free_display)
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    local xvfb=$!
    pids+=("$xvfb")
    export DISPLAY=$display
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    xsetroot -solid '#3a6ea5'
    local extra=()
    unset NUV_E2E_WM_RUNNING
    if [ "$wm" = openbox ]; then
        export NUV_E2E_WM_RUNNING=1
        openbox >/dev/null 2>&1 &
        extra+=($!)
        sleep 1
    fi
    trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
        --transparent false --tint 0x808080 >/dev/null 2>&1 &
    extra+=($!)
    pids+=("${extra[@]}")
    sleep 1
    echo "== the Linux program end to end ($wm window manager, display $DISPLAY)"
    rm -rf "$out/$wm"
    mkdir -p "$out/$wm"
    local status=0
    python3 tests/e2e/linux/linux_e2e.py --only "${NUV_E2E_ONLY:-}" --exe "$exe" --root "$pet_root" --pettool "$pettool" \
        --out "$out/$wm" || status=$?
    for pid in "${extra[@]}" "$xvfb"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
    return $status
}

case "${NUV_E2E_WM:-all}" in
    none) runs=(none) ;;
    openbox) runs=(openbox) ;;
    monitors) runs=(monitors) ;;
    both) runs=(none openbox) ;;
    *) runs=(none openbox monitors) ;;
esac
for wm in "${runs[@]}"; do
    if ! one_run "$wm"; then
        echo "e2e-linux: FAILED ($wm window manager)" >&2
        exit 1
    fi
done
echo "e2e-linux: all passed in $((SECONDS - started)) s"
