#!/usr/bin/env bash
# Installs what building and testing Orlena needs on a Debian machine.
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
    cmake ninja-build make python3
    g++-mingw-w64-i686-posix mingw-w64-i686-dev
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
    wine wine32:i386 wine64 xvfb fonts-ipafont-gothic
    googletest libgtest-dev libbenchmark-dev libpugixml-dev
    clang libclang-rt-14-dev locales
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

if [ "${#missing[@]}" -gt 0 ] || [ "${need_update:-0}" = 1 ]; then
    sudo_if_needed apt-get update -qq || echo "setup: apt-get update reported errors; installing from what it has"
fi
if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo_if_needed env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine runs with LC_ALL=ja_JP.UTF-8: the Windows side then uses code page
# 932, and with the Linux locale present the program arguments reach it as
# UTF-8 rather than 7-bit ASCII.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    echo "setup: generating the ja_JP.UTF-8 locale"
    sudo_if_needed sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    sudo_if_needed locale-gen >/dev/null
fi
echo "setup: all packages present"
