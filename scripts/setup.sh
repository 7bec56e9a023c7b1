#!/bin/bash
# Installs, by Debian package name, whatever the builds and tests need and
# this machine lacks. Quick when everything is present. Packages only one
# target needs come as arguments (`make coverage`: gcovr).
set -eu
packages=(
    make cmake g++ pkg-config
    googletest libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    g++-mingw-w64-i686 g++-mingw-w64-x86-64
    wine64 xvfb xdotool x11-utils imagemagick fonts-nanum zip unzip icoutils
    openbox qemu-user-static
    "$@"
)
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# The shipped 32-bit exes run under qemu with Debian's i386 Wine, kept
# machine-wide like an installed package.
"$(dirname "$0")/setup-wine32.sh"
