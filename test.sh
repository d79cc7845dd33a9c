#!/usr/bin/env bash
# Installs what is missing, checks that no include runs up a tier and that
# every C++ file is as clang-format makes it, builds,
# and runs every test: first the normal build, then the Qt-free build (core,
# program, controls' logic and CLI), then 15 seconds of every fuzz target
# (when clang is installed), then the same tests built with AddressSanitizer
# and UBSan. KORVALEN_SKIP_SANITIZER=1 leaves out the last, KORVALEN_SKIP_FUZZ=1
# the fuzzing.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

korvalen_install_missing
export QT_QPA_PLATFORM=offscreen

tools/check-tiers.sh
# Files over 600 lines and functions over 80 lines fail, tests included.
tools/check-sizes.py --strict-tests
tools/check-format.sh

korvalen_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j 2

korvalen_build build-noqt -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVALEN_GUI=OFF -DKORVALEN_BENCH=OFF
ctest --test-dir build-noqt --output-on-failure -j 2

# A reader of outside bytes that starts crashing fails here: every fuzz
# target runs for a short while over its corpus.
if [ "${KORVALEN_SKIP_FUZZ:-0}" = 1 ]; then
    echo "Fuzz smoke left out (KORVALEN_SKIP_FUZZ=1)."
elif command -v clang++ >/dev/null; then
    fuzz/run.sh "${KORVALEN_FUZZ_SECONDS:-15}"
else
    echo "Fuzz smoke skipped: clang++ is not installed, and the libFuzzer targets need it."
fi

if [ "${KORVALEN_SKIP_SANITIZER:-0}" != 1 ]; then
    korvalen_build build-asan -DCMAKE_BUILD_TYPE=Debug -DKORVALEN_SANITIZE=ON -DKORVALEN_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-asan --output-on-failure -j 2
fi
