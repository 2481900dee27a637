#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds one libFuzzer target with clang (address and undefined-behaviour sanitizers, coverage
# for the libraries too) and runs it, seeded with the target's samples.
# usage: tests/fuzz/run_fuzzer.sh TARGET [SECONDS [LIBFUZZER-OPTION...]]     (default 600)
#   TARGET: rtf_reader, mbir_import or settings_reader
#   e.g. run_fuzzer.sh mbir_import 36000 -runs=10000000 ends after ten million inputs
# The RTF reader is also seeded with the public RTF samples when VELMAR_RTF_CORPUS names them.
# Crash inputs land in $VELMAR_FUZZ_DIR/artifacts; turn each into a regression test.
set -euo pipefail
target=${1:?usage: run_fuzzer.sh rtf_reader|mbir_import|settings_reader [SECONDS]}
seconds=${2:-600}
extra=("${@:3}")
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${VELMAR_FUZZ_BUILD_DIR:-$root/build-fuzz}
work=${VELMAR_FUZZ_DIR:-$build/$target-fuzz}
source=${VELMAR_FUZZ_SOURCE_DIR:-$root}

case $target in
    rtf_reader) seeds=("$root"/tests/data/rtf/*.rtf "$root"/tests/data/rtf/fuzz/*.rtf)
                if [ -n "${VELMAR_RTF_CORPUS:-}" ]; then
                    [ -d "$VELMAR_RTF_CORPUS" ] || { echo "VELMAR_RTF_CORPUS names no folder: $VELMAR_RTF_CORPUS" >&2; exit 1; }
                    seeds+=("$VELMAR_RTF_CORPUS"/*.rtf)
                fi
                options=(-max_len=65536 "-dict=$root/tests/fuzz/rtf.dict") ;;
    mbir_import) seeds=("$root"/tests/data/mbir/*.mbir)
                 options=(-max_len=16384 "-dict=$root/tests/fuzz/mbir.dict") ;;
    settings_reader) seeds=("$root"/tests/data/config/*.ini)
                     options=(-max_len=4096 "-dict=$root/tests/fuzz/settings.dict")
                     # Every input is saved to a config.ini: a memory file system keeps each fsync cheap.
                     [ ! -d /dev/shm ] || export TMPDIR=/dev/shm ;;
    *) echo "unknown fuzz target: $target" >&2; exit 2 ;;
esac

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMAR_FUZZ=ON -DVELMAR_BUILD_BENCH=OFF "${launcher[@]}" \
    "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
    "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined" >/dev/null
cmake --build "$build" --target "${target}_fuzzer" -j 2

mkdir -p "$work/corpus" "$work/artifacts"
cp -n "${seeds[@]}" "$work/corpus/" 2>/dev/null || true
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
LSAN_OPTIONS=suppressions=$root/tests/lsan.supp \
    "$build/bin/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/artifacts/" "${options[@]}" "${extra[@]}" "$work/corpus"
