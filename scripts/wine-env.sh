#!/usr/bin/env bash
# A Wine environment for running the Windows build: a virtual display (when no usable one is
# set), a private prefix with the settings the program needs, and a persistent wine server.
#
#   source scripts/wine-env.sh        sets DISPLAY, WINEPREFIX, WINEDEBUG, ... in this shell
#   eval "$(bash scripts/wine-env.sh)" the same from a script run separately
#   bash scripts/wine-env.sh stop      ends the wine server and the display started here
#
# NUV_WINE_DIR (default build/wine) holds the prefix, the display's pid and the logs.
# NUV_WINE_KOREAN_NAMES=0 leaves out the replacements of the Korean Windows font names (a prefix
# as a user's clean one: Hangul only in the installed faces such as NanumGothic); give it its
# own NUV_WINE_DIR. Everything is set up once; later runs only check that it is still alive.

nuv_wine_fail() {
    echo "wine-env: $*" >&2
    return 1
}

nuv_wine_display_alive() {
    [ -n "${1:-}" ] && xdpyinfo -display "$1" >/dev/null 2>&1
}

# Starts Xvfb on the first free display from :90 up and records it.
nuv_wine_start_xvfb() {
    local n
    for n in $(seq 90 130); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        setsid Xvfb ":$n" -screen 0 1024x768x24 -noreset -nolisten tcp \
            >"$NUV_WINE_DIR/xvfb.log" 2>&1 < /dev/null &
        local pid=$!
        local i
        for i in $(seq 1 50); do
            if nuv_wine_display_alive ":$n"; then
                echo "$pid" >"$NUV_WINE_DIR/xvfb.pid"
                echo ":$n" >"$NUV_WINE_DIR/display"
                DISPLAY=":$n"
                return 0
            fi
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$pid" 2>/dev/null
    done
    nuv_wine_fail "could not start Xvfb"
}

nuv_wine_choose_display() {
    if nuv_wine_display_alive "${DISPLAY:-}"; then return 0; fi
    local saved pid
    saved=$(cat "$NUV_WINE_DIR/display" 2>/dev/null || true)
    pid=$(cat "$NUV_WINE_DIR/xvfb.pid" 2>/dev/null || true)
    # Only the display started here: after it ended, another checkout may have its number.
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null && nuv_wine_display_alive "$saved"; then
        DISPLAY=$saved
        return 0
    fi
    nuv_wine_start_xvfb
}

# The registry settings, as a UTF-16 .reg file so the Korean font names survive any locale.
nuv_wine_registry_file() {
    local file="$NUV_WINE_DIR/settings.reg"
    {
        printf '\xff\xfe'
        iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"=""

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
        if [ "${NUV_WINE_KOREAN_NAMES:-1}" != 0 ]; then
            iconv -f UTF-8 -t UTF-16LE <<'REG'

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"굴림"="NanumGothic"
"Gulim"="NanumGothic"
"돋움"="NanumGothic"
"Dotum"="NanumGothic"
"바탕"="NanumGothic"
"Batang"="NanumGothic"
"굴림체"="NanumGothicCoding"
"GulimChe"="NanumGothicCoding"
REG
        fi
    } >"$file"
    echo "$file"
}

nuv_wine_prepare_prefix() {
    local marker="$WINEPREFIX/.nuv-ready"
    [ -f "$marker" ] && return 0
    mkdir -p "$WINEPREFIX"
    # No Mono or Gecko installers: they would ask for a download.
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i </dev/null >"$NUV_WINE_DIR/wineboot.log" 2>&1 ||
        nuv_wine_fail "wineboot failed (see $NUV_WINE_DIR/wineboot.log)" || return 1
    wine regedit /S "$(nuv_wine_registry_file)" </dev/null >>"$NUV_WINE_DIR/wineboot.log" 2>&1 ||
        nuv_wine_fail "regedit failed" || return 1
    wineserver -w </dev/null >/dev/null 2>&1
    touch "$marker"
}

nuv_wine_stop() {
    WINEPREFIX="$NUV_WINE_DIR/prefix" wineserver -k 2>/dev/null || true
    local pid
    pid=$(cat "$NUV_WINE_DIR/xvfb.pid" 2>/dev/null || true)
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -f "$NUV_WINE_DIR/xvfb.pid" "$NUV_WINE_DIR/display"
}

nuv_wine_env() {
    local root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    NUV_WINE_DIR=${NUV_WINE_DIR:-$root/build/wine}
    mkdir -p "$NUV_WINE_DIR"
    if [ "${1:-}" = stop ]; then
        nuv_wine_stop
        return 0
    fi
    bash "$root/scripts/deps.sh" windows wine || return 1
    export WINEPREFIX="$NUV_WINE_DIR/prefix"
    export WINEARCH=win64
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
    # Wine maps Unix file names through the locale: UTF-8 keeps Hangul names intact.
    case "$(LC_ALL=${LC_ALL:-} LANG=${LANG:-} locale charmap 2>/dev/null)" in
        UTF-8) ;;
        *) export LC_ALL=C.UTF-8 ;;
    esac
    nuv_wine_choose_display || return 1
    export DISPLAY
    nuv_wine_prepare_prefix || return 1
    # A persistent server makes every later start fast (no server start-up per run). The
    # server and the services the first program starts outlive this shell: they must not hold
    # its output open, or a caller reading that output through a pipe would wait forever.
    wineserver -p </dev/null >>"$NUV_WINE_DIR/wineserver.log" 2>&1 || true
    wine cmd /c exit </dev/null >>"$NUV_WINE_DIR/wineserver.log" 2>&1 || true
    export NUV_WINE_DIR
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    nuv_wine_env "$@" >&2
    [ "${1:-}" = stop ] && exit 0
    for name in DISPLAY WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES NUV_WINE_DIR LC_ALL; do
        [ -n "${!name:-}" ] && printf 'export %s=%q\n' "$name" "${!name}"
    done
else
    nuv_wine_env "$@"
fi
