#!/usr/bin/env bash
# Builds a libFuzzer target of fuzz/ with clang (AddressSanitizer, UBSan) into build-fuzz/ and runs
# it on its corpus build-fuzz/corpus/TARGET, seeded from fuzz/seeds/TARGET/ and, for the book
# reader, the shipped books and a few generated ones; fuzz/TARGET.dict, if there, is its
# dictionary. Crashing inputs land in build-fuzz/crashes/.
# Usage: fuzz/run.sh TARGET [SECONDS=60] [libFuzzer options...]   (TARGET: book, settings, unpack...)
set -euo pipefail
cd "$(dirname "$0")/.."
targets=$(ls fuzz/*_fuzz.cpp | sed 's|fuzz/\(.*\)_fuzz.cpp|\1|' | tr '\n' ' ')
if (($# < 1)) || [ ! -f "fuzz/$1_fuzz.cpp" ]; then
    echo "Usage: fuzz/run.sh TARGET [SECONDS] [libFuzzer options...]; targets: $targets" >&2
    exit 2
fi
target=$1
seconds=${2:-60}
shift $(($# < 2 ? $# : 2))
out=build-fuzz

if [ ! -f "$out/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOMNAR_SANITIZE=ON \
        -DSOMNAR_FUZZ=ON -DSOMNAR_BUILD_TESTS=OFF \
        -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link -fno-sanitize-recover=undefined" >/dev/null
fi
cmake --build "$out" -j"$(nproc)" --target "${target}_fuzz"

seeds=()
[ -d "fuzz/seeds/$target" ] && seeds+=("fuzz/seeds/$target")
if [ "$target" = book ]; then
    cmake --build "$out" -j"$(nproc)" --target books somnar-corpus
    if [ ! -d "$out/seeds/book" ]; then
        "$out/bin/somnar-corpus" "$out/seeds/book/few" 2 3 --shared 50 >/dev/null
        "$out/bin/somnar-corpus" "$out/seeds/book/many" 1 80 >/dev/null
    fi
    seeds+=("$out/bin/Books" "$out/seeds/book/few" "$out/seeds/book/many")
fi

options=(-max_total_time="$seconds" -artifact_prefix="$out/crashes/${target}-" -print_final_stats=1)
[ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")
mkdir -p "$out/corpus/$target" "$out/crashes"
"$out/bin/${target}_fuzz" "${options[@]}" "$@" "$out/corpus/$target" "${seeds[@]}"
