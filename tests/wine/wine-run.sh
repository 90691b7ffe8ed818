#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's throwaway prefix
# (CMake's emulator for the Windows test programs).
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
exec env LC_ALL=ja_JP.UTF-8 "$orlena_wine_loader" "$@"
