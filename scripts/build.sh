#!/usr/bin/env bash
# Builds the shipped 32-bit DLLs (build/win32/bin), the native code with its
# unit tests and fuzzers, and, where 32-bit programs cannot run here, the
# x86_64 build that runs the Windows tests.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

for preset in $(orlena_presets); do
    echo "== build: $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
done
