#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each one
# for SECONDS (default 60) over its corpus in fuzz/corpus/<name>/.
#   fuzz/run.sh [SECONDS] [TARGET...]
# With --keep, the inputs that reached new code are merged into the corpus,
# to be committed when the run was worth keeping. A crash ends the run with
# a non-zero status; the input that caused it is left in build-fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."

keep=0
if [ "${1:-}" = --keep ]; then
    keep=1
    shift
fi
seconds=${1:-60}
shift || true

if ! command -v clang++ >/dev/null; then
    echo "fuzz/run.sh: clang++ is not installed; the fuzz targets need it." >&2
    exit 2
fi

dir=build-fuzz
if [ ! -f "$dir/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVALEN_FUZZ=ON \
        -DKORVALEN_GUI=OFF -DKORVALEN_TESTS=OFF -DKORVALEN_BENCH=OFF -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/*_fuzz.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi
cmake --build "$dir" -j 2 --target "${targets[@]}"

mkdir -p "$dir/crashes"
status=0
for target in "${targets[@]}"; do
    corpus=fuzz/corpus/${target%_fuzz}
    mkdir -p "$corpus"
    # New inputs go to a scratch folder; the kept corpus is only read.
    scratch=$(mktemp -d "/tmp/korvalen-$target-XXXXXX")
    echo "== $target: ${seconds}s over $corpus ($(ls "$corpus" | wc -l) inputs)"
    if ! "$dir/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
        -artifact_prefix="$dir/crashes/$target-" "$scratch" "$corpus" >"$dir/$target.log" 2>&1; then
        echo "!! $target failed; see $dir/$target.log and $dir/crashes/"
        tail -n 30 "$dir/$target.log"
        status=1
    else
        grep -E '^#[0-9]+.*(DONE|pulse)' "$dir/$target.log" | tail -n 1 || true
        if [ $keep = 1 ]; then
            "$dir/bin/$target" -merge=1 "$corpus" "$scratch" >>"$dir/$target.log" 2>&1
            echo "   corpus now $(ls "$corpus" | wc -l) inputs"
        fi
    fi
    rm -rf "$scratch"
done
exit $status
