#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test: the native unit
# tests and short fuzzing passes, the DLL import check, and the Windows tests
# under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

scripts/setup.sh
scripts/build.sh

passed=0
failed=0
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
for preset in $(orlena_presets); do
    echo "== test: $preset"
    status=0
    ctest --preset "$preset" -j 2 2>&1 | tee "$log" || status=$?
    summary="$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1 || true)"
    if [ -z "$summary" ]; then
        echo "test: no test summary from ctest --preset $preset" >&2
        failed=$((failed + 1))
        continue
    fi
    total="$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")"
    bad="$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$summary")"
    passed=$((passed + total - bad))
    failed=$((failed + bad))
    [ "$status" -eq 0 ] || [ "$bad" -gt 0 ] || failed=$((failed + 1))
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
