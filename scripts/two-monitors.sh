#!/usr/bin/env bash
# An X server with two monitors for the end-to-end tests: Xorg's dummy driver with its second
# output switched on right of the first (1024x768 primary, 800x600 beside it). GTK and Wine
# both see two monitors there; Xvfb cannot do this (its Xinerama heads all sit at 0,0).
# The new output shows to programs reading the current screen resources (Wine) only after a
# client asks for a probe of the outputs, as a plain `xrandr` does: done here, before any starts.
#
#   source scripts/two-monitors.sh
#   start_two_monitors LOG_FOLDER     starts it on a free display; sets DISPLAY and
#                                     two_monitors_pid (kill it when done)

start_two_monitors() {
    local folder=$1 conf n
    conf="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/e2e/linux/dummy-xorg.conf"
    n=$((70 + RANDOM % 20))
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((70 + RANDOM % 20)); done
    mkdir -p "$folder"
    Xorg ":$n" -config "$conf" -noreset -nolisten tcp -logfile "$folder/xorg-$n.log" \
        >/dev/null 2>&1 </dev/null &
    two_monitors_pid=$!
    export DISPLAY=:$n
    local i
    for i in $(seq 100); do xrandr >/dev/null 2>&1 && break; sleep 0.1; done
    xrandr --newmode 800x600_second 38.25 800 832 912 1024 600 603 607 624 -hsync +vsync &&
        xrandr --addmode DUMMY1 800x600_second &&
        xrandr --output DUMMY1 --mode 800x600_second --right-of DUMMY0 &&
        xrandr >/dev/null &&
        xsetroot -solid '#3a6ea5'
}
