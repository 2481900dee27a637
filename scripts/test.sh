#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test (unit, GUI, end-to-end); then builds
# again with AddressSanitizer and UndefinedBehaviorSanitizer and runs the unit and GUI tests
# there; last, each fuzz target runs for a short while (VELMAR_FUZZ_SECONDS, default 20).
# Fails when any test fails.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"

jobs=$(nproc)
VELMAR_BUILD_DIR=$root/build "$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

if [ "${VELMAR_SKIP_SANITIZERS:-0}" != 1 ]; then
    VELMAR_BUILD_DIR=$root/build-asan "$root/scripts/build.sh" -DVELMAR_SANITIZE=ON \
        -DVELMAR_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions=$root/tests/lsan.supp \
        ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs" -L 'unit|gui'
fi

if [ "${VELMAR_SKIP_FUZZ:-0}" != 1 ]; then
    mkdir -p "$root/build-fuzz"
    for target in rtf_reader mbir_import settings_reader; do
        log=$root/build-fuzz/$target.log
        VELMAR_FUZZ_BUILD_DIR=$root/build-fuzz \
            "$root/tests/fuzz/run_fuzzer.sh" "$target" "${VELMAR_FUZZ_SECONDS:-20}" 2>"$log" ||
            { tail -n 40 "$log" >&2; exit 1; }
    done
fi
