#!/usr/bin/env bash
# Installs the Debian packages a purpose needs, once: deps.sh build|test|windows|wine|linux
set -euo pipefail

packages=()
for purpose in "$@"; do
    case "$purpose" in
        build) packages+=(cmake g++ make nlohmann-json3-dev libpng-dev python3) ;;
        test) packages+=(cmake g++ make nlohmann-json3-dev libpng-dev libgtest-dev libbenchmark-dev
                         clang libclang-rt-14-dev valgrind python3) ;;
        windows) packages+=(g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64 zip) ;;
        linux) packages+=(pkg-config libgtk-3-dev libcanberra-dev libxi-dev libxfixes-dev
                          libxcursor-dev libx11-dev xvfb xdotool imagemagick fonts-nanum
                          x11-utils x11-xserver-utils trayer openbox oneko xpenguins
                          xserver-xorg-core xserver-xorg-video-dummy adwaita-icon-theme strace
                          libxext-dev xrestop) ;;
        wine) packages+=(wine64 wine xvfb xdotool imagemagick fonts-nanum x11-utils) ;;
        *) echo "deps.sh: unknown purpose '$purpose'" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
