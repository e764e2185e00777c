#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need (only those missing),
# then configures and builds into build/. Usage: scripts/setup.sh [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev libx11-dev
    mdbtools mdbtools-dev
    libqt6sql6-sqlite libstemmer-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth fonts-liberation fonts-dejavu-core openbox xdotool xclip x11-utils x11-xkb-utils procps trayer
    poppler-utils unrtf
    openbox xdotool x11-utils
    librsvg2-bin desktop-file-utils appstream lintian dpkg-dev fakeroot file
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j"$(nproc)"
