#!/usr/bin/env bash
# Builds the native preset and runs every fuzzer for a bounded number of
# inputs, then prints one line per fuzzer.
# Usage: scripts/fuzz.sh [runs per fuzzer, default 1000000]
# New interesting inputs go to build/native/fuzz-work/<fuzzer>/corpus; the
# committed corpus in tests/fuzz/corpus/<fuzzer> is only read. A crashing
# input is left in build/native/fuzz-work/<fuzzer>/artifacts: once fixed,
# copy it into the committed corpus as a regression case.
set -euo pipefail

runs="${1:-1000000}"
root="$(cd "$(dirname "$0")/.." && pwd)"
fuzzers=(fuzz_suggestion_parser fuzz_query_encoding)

cd "$root"
cmake --preset native >/dev/null
cmake --build --preset native --target "${fuzzers[@]}"

summary=()
failed=0
for fuzzer in "${fuzzers[@]}"; do
    work="$root/build/native/fuzz-work/$fuzzer"
    log="$work/fuzz.log"
    mkdir -p "$work/corpus" "$work/artifacts"
    echo "fuzz: $fuzzer, $runs runs"
    if "$root/build/native/tests/fuzz/$fuzzer" "$work/corpus" "$root/tests/fuzz/corpus/$fuzzer" \
        -runs="$runs" -max_len=4096 -artifact_prefix="$work/artifacts/" >"$log" 2>&1; then
        status="ok"
    else
        status="FAILED, see $log and $work/artifacts/"
        failed=1
    fi
    done_line="$(grep -E '^Done [0-9]+ runs' "$log" || echo 'no Done line')"
    coverage="$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -n 1 || true)"
    corpus_files="$(find "$work/corpus" -type f | wc -l)"
    summary+=("$fuzzer: $status; $done_line; ${coverage:-cov: ?}; scratch corpus $corpus_files files")
done

echo
echo "fuzz summary:"
printf '  %s\n' "${summary[@]}"
exit "$failed"
