#!/usr/bin/env bash
# Installs the Debian packages that each named purpose needs, by names Debian 12
# and 13 both have. Idempotent: silent when everything is already there.
#
# usage: install-deps.sh [--list] PURPOSE... [-- PACKAGE...]
#   program        build and run the program (all a distribution packager needs)
#   check          the unit and offscreen window tests (make check)
#   desktop        the real program's tests on Xvfb with Orca and on the compositors
#   test           with check and desktop: the other Linux tests, the web page's in
#                  browsers, and the benchmarks
#   fuzz           the fuzzers, built by clang
#   reproducible   the reproducibility check (reprotest)
#   windows        the Windows build and its MSI
#   windows-test   the Windows tests: GoogleTest's sources, and Wine to run them
#   arm64          the cross build for 64-bit ARM Linux, against arm64 libraries
#   arm64-test     its tests: qemu-user, GoogleTest for arm64, and debootstrap
#   release        make dist, with program, windows and arm64: the web page's Emscripten
#   pictures       the screenshots and icons
# Packages after -- are installed too (the start-up benchmark's peers). --list
# prints the packages instead, one a line.
set -euo pipefail

declare -A purposes=(
    # The Wayland headers and protocols for the frame choice a Qt before 6.8
    # needs; CMakeLists.txt alone decides whether it is built.
    [program]="cmake ninja-build make g++ pkg-config qt6-base-dev libglib2.0-dev
               fonts-liberation2 qt6-wayland libwayland-dev wayland-protocols"
    [check]="libgtest-dev libgmock-dev"
    # The desktops as their users have them: Plasma's platform theme and Breeze,
    # the GTK platform theme that Debian's Qt recommends, and GNOME's settings
    # as the desktop portal gives them.
    [desktop]="xvfb xdotool x11-utils dbus-daemon at-spi2-core python3 python3-pyatspi python3-xlib orca
               weston sway mutter kwin-wayland kwin-style-breeze xwayland
               plasma-integration breeze qt6-gtk-platformtheme xdg-desktop-portal
               xdg-desktop-portal-gtk dconf-service dconf-gsettings-backend libglib2.0-bin"
    [test]="libbenchmark-dev libxcb1-dev desktop-file-utils appstream dpkg-dev file lintian
            emscripten chromium chromium-driver python3-selenium firefox-esr"
    # clang's runtime unversioned: clang is 14 on Debian 12 and 19 on Debian 13.
    [fuzz]="clang libclang-rt-dev"
    [reproducible]="reprotest faketime disorderfs diffoscope-minimal"
    # Without fonts-wine, Wine draws "MS Sans Serif" in another face.
    [windows]="cmake ninja-build make g++-mingw-w64-x86-64 wixl msitools python3-olefile
               strip-nondeterminism"
    # Without fonts-liberation2 the labels come out wider than their room; the
    # MSI test waits for the installed program's window with xdotool.
    [windows-test]="googletest wine wine64 fonts-wine fonts-liberation2 xvfb xdotool"
    # Multiarch: the arm64 libraries beside the machine's own, its tools as they are.
    [arm64]="crossbuild-essential-arm64 qt6-base-dev:arm64 qt6-base-dev-tools
             libglib2.0-dev:arm64 libwayland-dev:arm64 wayland-protocols dpkg-dev"
    [arm64-test]="qemu-user-static libgtest-dev:arm64 qt6-wayland:arm64 debootstrap"
    [release]="dpkg-dev file git emscripten"
    [pictures]="python3-pil librsvg2-bin xvfb x11-utils chromium chromium-driver python3-selenium"
)

wanted=()
list=false
[[ ${1:-} == --list ]] && { list=true; shift; }
while (($#)); do
    case $1 in
    --) shift; wanted+=("$@"); break ;;
    *)
        [[ -n ${purposes[$1]:-} ]] || { echo "install-deps.sh: no purpose '$1'" >&2; exit 2; }
        read -rd '' -a names <<<"${purposes[$1]}" || true # every line of the list
        wanted+=("${names[@]}")
        shift ;;
    esac
done

install_missing() {
    local missing=() pkg installed native
    native=$(dpkg --print-architecture)
    # With a second architecture, a name may stand for a package of each; a
    # name without one means this machine's (or an Architecture: all package).
    installed=$(dpkg-query -W -f='${binary:Package} ${Status}\n' 2>/dev/null |
        sed -n 's/ install ok installed$//p')
    for pkg in "$@"; do
        grep -qxF -e "$pkg" -e "$pkg:$native" <<<"$installed" || missing+=("$pkg")
    done
    ((${#missing[@]} == 0)) && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=() log
    if ((EUID != 0)); then
        command -v sudo >/dev/null || {
            echo "install-deps.sh: installing needs root: run this as root, or set up sudo" >&2
            exit 1
        }
        sudo=(sudo)
    fi
    if [[ " ${missing[*]}" == *:arm64* && $(dpkg --print-foreign-architectures) != *arm64* ]]; then
        "${sudo[@]}" dpkg --add-architecture arm64
    fi
    log=$(mktemp)
    trap 'rm -f "$log"' RETURN
    # A mirror mid-sync fails one index; what is asked for may still resolve.
    if ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq 2>"$log"; then
        echo "install-deps.sh: apt-get update failed:" >&2
        grep -E '^(E|W|Err):' "$log" | sed 's/^/  /' >&2
        if ! apt-get install -s -qq --no-install-recommends "${missing[@]}" >/dev/null 2>"$log"; then
            echo "install-deps.sh: and these packages do not resolve from the indexes apt has:" >&2
            sed 's/^/  /' "$log" >&2
            exit 1
        fi
        echo "install-deps.sh: the packages resolve from the indexes apt has; going on" >&2
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        --no-install-recommends "${missing[@]}"
}

if $list; then
    printf '%s\n' "${wanted[@]}" | sort -u
else
    install_missing "${wanted[@]}"
fi
