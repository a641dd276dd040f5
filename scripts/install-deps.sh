#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# Idempotent: silent when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build make g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
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
