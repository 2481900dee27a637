#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# velmar-cli --help and the velmar-cli man page list the same commands (with their arguments),
# options and exit codes, in the same order; and --version names the man page's version.
# usage: test_cli_manpage.sh VELMAR_CLI MAN_PAGE
set -euo pipefail
cli=$1
page=$2
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

help=$("$cli" --help)
# Rendered wide and without hyphenation, each item of a man page section is one line indented
# by seven blanks; a short item has its text on the same line, after two or more blanks.
manual=$(groff -man -Tutf8 -rLL=300n -rHY=0 -P-cbou -ww "$page" 2>&1)
grep -q 'warning' <<<"$manual" && fail "groff warns about $page: $manual"

man_items() {
    awk -v section="$1" '/^[A-Z]/ { inside = ($0 == section); next }
        inside && /^       [^ ]/ { sub(/^ +/, ""); split($0, term, /  +/); print term[1] }' <<<"$manual"
}
help_items() {
    awk -v heading="$1" '/^[a-z]/ { inside = ($0 == heading); next }
        inside && /^  [^ ]/ { sub(/^  /, ""); split($0, term, /  +/); print term[1] }' <<<"$help"
}
compare() {
    local what=$1 section=$2 heading=$3
    [ -n "$(help_items "$heading")" ] || fail "--help lists no $what"
    diff <(help_items "$heading") <(man_items "$section") >&2 ||
        fail "$what differ between --help (<) and the man page (>)"
}
compare commands COMMANDS "commands:"
compare options OPTIONS "options:"
compare "exit codes" "EXIT STATUS" "exit codes:"

version=$("$cli" --version)
grep -q "Velmar Notes ${version#velmar-cli }" <<<"$manual" ||
    fail "the man page is not of $version"
echo "--help and $(basename "$page") agree"
