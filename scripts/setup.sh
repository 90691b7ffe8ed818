#!/usr/bin/env bash
# Installs what building and testing Orlena needs on a Debian machine.
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
    cmake ninja-build make python3
    g++-mingw-w64-i686-posix mingw-w64-i686-dev
    wine wine32:i386 wine64 xvfb fonts-ipafont-gothic
    googletest libgtest-dev libbenchmark-dev libpugixml-dev
    clang libclang-rt-14-dev
)

sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    sudo_if_needed dpkg --add-architecture i386
    need_update=1
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo_if_needed apt-get update -qq
    sudo_if_needed env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
elif [ "${need_update:-0}" = 1 ]; then
    sudo_if_needed apt-get update -qq
fi
echo "setup: all packages present"
