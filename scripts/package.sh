#!/usr/bin/env bash
# Sets up, builds and makes the Debian package build/somnar_VERSION_ARCH.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cd build
cpack --config CPackConfig.cmake
ls "$PWD"/somnar_*.deb
