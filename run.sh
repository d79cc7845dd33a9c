#!/usr/bin/env bash
# Installs what is missing, builds, and starts Korvalen. Arguments are passed
# on to the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

korvalen_install_missing
korvalen_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo

program=build/bin/korvalen
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Korvalen on a virtual X display (Xvfb)."
    exec xvfb-run -a "$program" "$@"
fi
exec "$program" "$@"
