# Shared by the run_*_fuzzer.sh scripts; source it. Builds a libFuzzer target with clang
# (address and undefined-behaviour sanitizers, coverage for the libraries too) in
# $VELMAR_FUZZ_BUILD_DIR (default build-fuzz) and runs it.
set -euo pipefail
fuzz_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
fuzz_build=${VELMAR_FUZZ_BUILD_DIR:-$fuzz_root/build-fuzz}
fuzz_source=${VELMAR_FUZZ_SOURCE_DIR:-$fuzz_root}

# fuzz_build_target TARGET
fuzz_build_target() {
    CC=clang CXX=clang++ cmake -S "$fuzz_source" -B "$fuzz_build" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMAR_FUZZ=ON -DVELMAR_BUILD_BENCH=OFF \
        "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
        "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined" >/dev/null
    cmake --build "$fuzz_build" --target "$1" -j 2
}

# fuzz_run TARGET WORK_FOLDER SECONDS [LIBFUZZER OPTIONS...]: runs the target on
# WORK_FOLDER/corpus (seed it first); crash inputs land in WORK_FOLDER/artifacts.
fuzz_run() {
    local target=$1 work=$2 seconds=$3
    shift 3
    mkdir -p "$work/corpus" "$work/artifacts"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    LSAN_OPTIONS=suppressions=$fuzz_root/tests/lsan.supp \
        "$fuzz_build/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$work/artifacts/" "$@" "$work/corpus"
}
