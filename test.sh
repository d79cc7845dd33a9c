#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: first the normal
# build, then the same tests built with AddressSanitizer and UBSan.
# KORVALEN_SKIP_SANITIZER=1 leaves out the second round.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

korvalen_install_missing
export QT_QPA_PLATFORM=offscreen

korvalen_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j 2

if [ "${KORVALEN_SKIP_SANITIZER:-0}" != 1 ]; then
    korvalen_build build-asan -DCMAKE_BUILD_TYPE=Debug -DKORVALEN_SANITIZE=ON -DKORVALEN_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-asan --output-on-failure -j 2
fi
