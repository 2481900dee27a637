#!/usr/bin/env bash
# Builds the RTF reader's libFuzzer target and runs it, seeded with our RTF fixtures and, when
# VELMAR_RTF_CORPUS names them, the public RTF samples.
# usage: tests/fuzz/run_rtf_fuzzer.sh [SECONDS]     (default 600)
# Crash inputs land in $VELMAR_FUZZ_DIR/artifacts; turn each into a regression test.
source "$(dirname "${BASH_SOURCE[0]}")/fuzz_common.sh"
seconds=${1:-600}
work=${VELMAR_FUZZ_DIR:-$fuzz_build/rtf-fuzz}

fuzz_build_target rtf_reader_fuzzer
mkdir -p "$work/corpus"
cp "$fuzz_root"/tests/data/rtf/*.rtf "$fuzz_root"/tests/data/rtf/fuzz/*.rtf "$work/corpus/"
if [ -n "${VELMAR_RTF_CORPUS:-}" ]; then
    if [ ! -d "$VELMAR_RTF_CORPUS" ]; then
        echo "VELMAR_RTF_CORPUS names no folder: $VELMAR_RTF_CORPUS" >&2
        exit 1
    fi
    cp "$VELMAR_RTF_CORPUS"/*.rtf "$work/corpus/"
fi
fuzz_run rtf_reader_fuzzer "$work" "$seconds" -max_len=65536 -dict="$fuzz_root/tests/fuzz/rtf.dict"
