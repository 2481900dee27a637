#!/usr/bin/env bash
# Builds the config.ini reader's libFuzzer target and runs it, seeded with our config.ini
# fixtures (tests/data/config).
# usage: tests/fuzz/run_settings_fuzzer.sh [SECONDS]     (default 600)
# Crash inputs land in $VELMAR_FUZZ_DIR/artifacts; turn each into a regression fixture there.
source "$(dirname "${BASH_SOURCE[0]}")/fuzz_common.sh"
seconds=${1:-600}
work=${VELMAR_FUZZ_DIR:-$fuzz_build/settings-fuzz}

# Every input is written to a config.ini in a temporary folder: a memory file system keeps the
# fsync of each save cheap.
[ ! -d /dev/shm ] || export TMPDIR=/dev/shm
fuzz_build_target settings_reader_fuzzer
mkdir -p "$work/corpus"
cp "$fuzz_root"/tests/data/config/*.ini "$work/corpus/"
fuzz_run settings_reader_fuzzer "$work" "$seconds" -max_len=4096 \
    -dict="$fuzz_root/tests/fuzz/settings.dict"
