#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The RTF reader's fuzzer: tests/fuzz/run_rtf_fuzzer.sh [SECONDS]   (see run_fuzzer.sh)
exec "$(dirname "${BASH_SOURCE[0]}")/run_fuzzer.sh" rtf_reader "$@"
