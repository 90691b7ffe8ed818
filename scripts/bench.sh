#!/usr/bin/env bash
# Builds the bench preset, runs the suggestion parser benchmark and prints
# its figures with a summary of the three speed goals:
#   - linear growth: parsing 8 MB takes at most 10x the time of 1 MB;
#   - faster than pugixml at every size;
#   - within 4x of a bare memchr pass over the same bytes at every size.
# Usage: scripts/bench.sh [repetitions, default 5]
# Medians of the repetitions are compared. The summary only reports; it
# does not fail the script, since timings depend on the machine.
set -euo pipefail

repetitions="${1:-5}"
root="$(cd "$(dirname "$0")/.." && pwd)"
results="$root/build/bench/suggestion_parser_bench.json"

cd "$root"
cmake --preset bench >/dev/null
cmake --build --preset bench --target suggestion_parser_bench

"$root/build/bench/tests/bench/suggestion_parser_bench" \
    --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_out="$results" --benchmark_out_format=json

python3 - "$results" <<'PY'
import json
import sys

MB = 1 << 20
medians = {}
for run in json.load(open(sys.argv[1]))["benchmarks"]:
    if run.get("aggregate_name") == "median":
        name, size = run["run_name"].split("/")
        medians[(name, int(size))] = run

def seconds(name, size):
    return medians[(name, size)]["real_time"]

def mb_per_s(name, size):
    return medians[(name, size)]["bytes_per_second"] / MB

sizes = sorted({size for _, size in medians})
print("\nsuggestion parser, median MB/s")
print(f"{'reply':>8} {'ours':>9} {'memchr':>9} {'pugixml':>9} {'memchr/ours':>12} {'ours/pugixml':>13}")
for size in sizes:
    ours = mb_per_s("BM_ParseSuggestions", size)
    floor = mb_per_s("BM_MemchrCountTags", size)
    xml = mb_per_s("BM_PugixmlSuggestions", size)
    label = f"{size // MB} MB" if size >= MB else f"{size >> 10} KB"
    print(f"{label:>8} {ours:9.0f} {floor:9.0f} {xml:9.0f} {floor / ours:11.2f}x {ours / xml:12.2f}x")

def verdict(met):
    return "met" if met else "NOT MET"

def growth(name):
    return seconds(name, 8 * MB) / seconds(name, MB)

dense_growth = growth("BM_ParseSuggestions")
stray_growth = growth("BM_ParseStrayBrackets")
slowest_vs_xml = min(mb_per_s("BM_ParseSuggestions", s) / mb_per_s("BM_PugixmlSuggestions", s) for s in sizes)
worst_vs_floor = max(mb_per_s("BM_MemchrCountTags", s) / mb_per_s("BM_ParseSuggestions", s) for s in sizes)
# A reply of stray '>' is almost a bare memchr pass, so its growth mostly
# shows the caches; it is printed to show that it is not quadratic (~64x).
print(f"\nstray '>' reply: 8 MB takes {stray_growth:.2f}x the time of 1 MB (quadratic would be ~64x)")
print("\ngoals")
print(f"  linear growth: 8 MB takes {dense_growth:.2f}x the time of 1 MB (goal <= 10x): {verdict(dense_growth <= 10)}")
print(f"  faster than pugixml: at least {slowest_vs_xml:.2f}x its speed (goal > 1x): {verdict(slowest_vs_xml > 1)}")
print(f"  near memchr: at most {worst_vs_floor:.2f}x slower (goal <= 4x): {verdict(worst_vs_floor <= 4)}")
PY
