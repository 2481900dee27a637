#!/usr/bin/env bash
# Builds the RTF reader's libFuzzer target with clang (address and undefined-behaviour
# sanitizers, coverage for the library too) and runs it, seeded with our RTF fixtures and, when
# VELMAR_RTF_CORPUS names them, the public RTF samples.
# usage: tests/fuzz/run_rtf_fuzzer.sh [SECONDS]     (default 600)
# Crash inputs land in $VELMAR_FUZZ_DIR/artifacts; turn each into a regression test.
set -euo pipefail
seconds=${1:-600}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${VELMAR_FUZZ_BUILD_DIR:-$root/build-fuzz}
work=${VELMAR_FUZZ_DIR:-$build/rtf-fuzz}
source=${VELMAR_FUZZ_SOURCE_DIR:-$root}

CC=clang CXX=clang++ cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMAR_FUZZ=ON -DVELMAR_BUILD_BENCH=OFF \
    "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
    "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined" >/dev/null
cmake --build "$build" --target rtf_reader_fuzzer -j 2

mkdir -p "$work/corpus" "$work/artifacts"
cp "$root"/tests/data/rtf/*.rtf "$root"/tests/data/rtf/fuzz/*.rtf "$work/corpus/"
if [ -n "${VELMAR_RTF_CORPUS:-}" ]; then
    if [ ! -d "$VELMAR_RTF_CORPUS" ]; then
        echo "VELMAR_RTF_CORPUS names no folder: $VELMAR_RTF_CORPUS" >&2
        exit 1
    fi
    cp "$VELMAR_RTF_CORPUS"/*.rtf "$work/corpus/"
fi
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
LSAN_OPTIONS=suppressions=$root/tests/lsan.supp \
    "$build/bin/rtf_reader_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -artifact_prefix="$work/artifacts/" -dict="$root/tests/fuzz/rtf.dict" \
    "$work/corpus"
