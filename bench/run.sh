#!/usr/bin/env bash
# Runs the benchmarks of a Release build: bench/run.sh [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-release}
[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVALEN_GUI=OFF -DKORVALEN_TESTS=OFF
cmake --build "$dir" -j 2 --target list_bench list_functions_bench list_memory export_bench quick_filter_bench coverage_bench sort_bench
"$dir/bin/list_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
"$dir/bin/sort_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
"$dir/bin/list_functions_bench"
"$dir/bin/export_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
"$dir/bin/quick_filter_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
"$dir/bin/coverage_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
file=$(mktemp /tmp/korvalen-memory-XXXXXX.kvu)
for kind in short long; do
    "$dir/bin/list_memory" make "$file" 100000 "$kind"
    "$dir/bin/list_memory" load "$file"
done
rm -f "$file"
