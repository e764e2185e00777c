#!/usr/bin/env bash
# Builds the Unpack fuzzer with clang (libFuzzer, AddressSanitizer, UBSan) and runs it.
# Usage: fuzz/run.sh [seconds]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=build-fuzz
mkdir -p "$out/corpus"
flags=$(pkg-config --cflags --libs Qt6Core)
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fPIC -Isrc $flags \
    fuzz/unpack_fuzz.cpp src/text/packedtext.cpp src/text/codepage.cpp \
    -o "$out/unpack_fuzz"
"$out/unpack_fuzz" -max_total_time="$seconds" -max_len=8192 "$out/corpus"
