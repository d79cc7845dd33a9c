#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes
# of it with the repo's .clang-format. Tables aligned by hand stay inside
# "// clang-format off" and "// clang-format on".
# Usage: tools/check-format.sh [FILE...]   (default: every tracked .h and .cpp)
# To format the tree:  git ls-files '*.h' '*.cpp' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null; then
    echo "check-format: clang-format is missing (scripts/deps.sh installs it)" >&2
    exit 1
fi

if [ $# -gt 0 ]; then
    files=("$@")
else
    mapfile -t files < <(git ls-files '*.h' '*.cpp')
fi

drifted=()
for file in "${files[@]}"; do
    if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
        drifted+=("$file")
    fi
done

if [ ${#drifted[@]} -gt 0 ]; then
    printf '%s\n' "${drifted[@]}"
    echo "check-format: ${#drifted[@]} file(s) differ from clang-format ($(clang-format --version | head -1));" \
        "run: clang-format -i FILE" >&2
    exit 1
fi
echo "check-format: ${#files[@]} files as clang-format makes them"
