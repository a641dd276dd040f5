#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# Idempotent: silent when everything is already there.
# Extra package names given as arguments are installed too (the start-up benchmark's peers).
set -euo pipefail

packages=(
    # build
    cmake ninja-build make g++ clang libclang-rt-14-dev pkg-config
    # the window
    qt6-base-dev libxcb1-dev libfontconfig-dev fonts-liberation2
    # unit tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    # the real program on a virtual X server, read through accessibility
    xvfb xdotool x11-utils dbus-daemon at-spi2-core python3 python3-pyatspi python3-xlib
    # resources and packaging checks
    desktop-file-utils appstream dpkg-dev file lintian
    # native Wayland, its protocols, and headless compositors to test it on: one
    # that leaves the window's frame to the program, one that draws it
    qt6-wayland libwayland-dev wayland-protocols weston sway
    # the Windows build, its tests under Wine and its MSI; without fonts-wine
    # Wine draws "MS Sans Serif" in another face
    g++-mingw-w64-x86-64 googletest wine wine64 fonts-wine wixl msitools python3-olefile
    # screenshot and icon scripts
    python3-pil librsvg2-bin
    "$@"
)

missing=()
for pkg in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
((${#missing[@]} == 0)) && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
((EUID == 0)) || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
