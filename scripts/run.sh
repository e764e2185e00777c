#!/usr/bin/env bash
# Sets up, builds and starts the program with the shipped sample books.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the program on a virtual X server (xvfb-run)."
    exec xvfb-run -a build/bin/somnar "$@"
fi
exec build/bin/somnar "$@"
