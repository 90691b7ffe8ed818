#!/usr/bin/env bash
# The main job: sets up the machine, builds the DLLs and, in a Wine prefix of
# its own, runs one search through Trovemark's Search, printing the URL that
# it opens. The prefix's browser is a stand-in that records what it is given.
# usage: demo.sh [KIND [WORDS]]   (default: 0 東京)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

kind="${1:-0}"
words="${2:-東京}"

scripts/setup.sh
scripts/build.sh >/dev/null
scripts/dll-report.sh build/win32/bin

preset="$(orlena_runnable_preset)"
export ORLENA_BUILD_DIR="$PWD/build/$preset"
export ORLENA_WINDOWS_ARCH="$(orlena_arch_of_preset "$preset")"
export ORLENA_WINE_DIR="$PWD/build/demo-wine"
session=tests/wine/wine-session.sh
run=tests/wine/wine-run.sh
trap '"$session" stop' EXIT
"$session" start

windows_path() { printf 'Z:%s' "${1//\//\\}"; }
record="$ORLENA_WINE_DIR/opened-url.txt"
rm -f "$record"
export ORLENA_URL_RECORD="$(windows_path "$record")"
"$run" reg add 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\IEXPLORE.EXE' /ve /d \
    "$(windows_path "$ORLENA_BUILD_DIR/tests/bin/url-recorder.exe")" /f >/dev/null

echo "Search($kind, \"$words\") in the $preset build:"
"$run" "$ORLENA_BUILD_DIR/host/orlena-host.exe" --search "$kind" "$words"
for _ in $(seq 100); do [ -f "$record" ] && break; sleep 0.1; done
[ -f "$record" ] || { echo "demo: the browser was not started" >&2; exit 1; }
# The record is the browser's whole command line: its path, then the URL.
url="$(sed -E 's/^("[^"]*"|[^ ]*) +//' "$record")"
echo "opened: $url"
