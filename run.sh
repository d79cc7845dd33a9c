#!/usr/bin/env bash
# Installs what is missing, builds, and starts Korvalen on the sample data.
# Further arguments (list files) are passed on to the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

korvalen_install_missing
korvalen_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The sample data lives in a home folder of its own inside the build, so the
# shipped files stay as they are.
home=build/sample-home
program=(build/bin/korvalen --home "$home" "$home/Lists/Sample list.kvu")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Korvalen on a virtual X display (Xvfb)."
    exec xvfb-run -a "${program[@]}" "$@"
fi
exec "${program[@]}" "$@"
