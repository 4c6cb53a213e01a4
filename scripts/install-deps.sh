#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# Installs the Debian packages that are missing for one purpose:
#   install-deps.sh play   building and playing the game (./run.sh)
#   install-deps.sh test   that, and everything the tests and benchmarks start (./test.sh)
# Idempotent: installs only what is missing. Safe to run on a bare Debian 12.
set -euo pipefail

play=(
    # toolchain
    g++ make cmake pkgconf
    # Qt 6 and the platform plugins it loads at run time, Wayland's included
    qt6-base-dev libgl-dev qt6-wayland
    # Qt's translation tools (lupdate, lrelease) and their CMake functions
    qt6-l10n-tools qt6-tools-dev
    # Qt's own texts (menus, message box buttons) in the user's language
    qt6-translations-l10n
    # the game-over sound: the desktop's sound theme through libcanberra and the sound server
    libcanberra-dev libcanberra0 sound-theme-freedesktop
    # fonts that stand in for "MS Sans Serif" and "Comic Sans MS", and emoji in colour in names
    fonts-liberation2 fonts-comic-neue fonts-dejavu-core fontconfig fonts-noto-color-emoji
)
test=(
    # Debian's build flags, and the package tools
    dpkg-dev
    # end-to-end tests under a virtual X server, and a window manager that gives the focus
    xvfb xdotool x11-utils imagemagick openbox
    # the keys test: keyboard layouts and key repeat on the virtual X server
    x11-xkb-utils x11-xserver-utils
    # a real sound server and recorder for the game-over sound, a real Wayland compositor
    pulseaudio pulseaudio-utils sox weston
    # the accessibility bus, on a session bus of the test's own
    dbus-daemon at-spi2-core python3-pyatspi
    # checks of the desktop integration, the manual page and the Debian package
    desktop-file-utils appstream man-db groff-base lintian
    # the click-to-screen benchmark: real clicks through XTest, frames seen through XDamage
    libx11-dev libxtst-dev libxdamage-dev
    # load for the timing checks run by hand with both cores busy
    stress-ng
)

installed() { dpkg-query -W -f='${Status}\n' "$@" 2>/dev/null | grep -q "install ok installed"; }

# libcanberra's plug-in for the sound server needs one (pulseaudio or pipewire-pulse): it is
# added where the desktop runs one, so that playing never installs a sound server; the tests
# bring their own.
case "${1:-}" in
play)
    packages=("${play[@]}")
    if installed pulseaudio || installed pipewire-pulse; then
        packages+=(libcanberra-pulse)
    fi
    ;;
test) packages=("${play[@]}" "${test[@]}" libcanberra-pulse) ;;
*)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    installed "$p" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
cmd=(apt-get install -y --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -eq 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive "${cmd[@]}"
elif command -v sudo >/dev/null 2>&1; then
    sudo apt-get update
    sudo DEBIAN_FRONTEND=noninteractive "${cmd[@]}"
else
    echo "Please run as root:" >&2
    echo "  apt-get update && ${cmd[*]}" >&2
    exit 1
fi
