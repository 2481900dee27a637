#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` puts the program, its help pages, the desktop entry and the application icon
# (scalable and at the hicolor sizes) in place; the help pages lie in share/velmarnotes/help beside
# bin, where the program looks for them.
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
: "${VELMAR_BUILD_DIR:?VELMAR_BUILD_DIR must name the build tree}"

prefix=$E2E_ROOT/prefix
cmake --install "$VELMAR_BUILD_DIR" --prefix "$prefix" >"$E2E_ARTIFACTS/install.log" 2>&1 ||
    e2e_fail "cmake --install failed: $(tail -3 "$E2E_ARTIFACTS/install.log")"

expect_file() { [ -s "$prefix/$1" ] || e2e_fail "not installed: $1"; }
expect_file bin/velmarnotes
expect_file share/applications/velmarnotes.desktop
expect_file share/icons/hicolor/scalable/apps/velmarnotes.svg
for size in 16 22 24 32 48 64 128 256; do
    png=share/icons/hicolor/${size}x${size}/apps/velmarnotes.png
    expect_file "$png"
    [ "$(identify -format %wx%h "$prefix/$png")" = "${size}x${size}" ] ||
        e2e_fail "$png is $(identify -format %wx%h "$prefix/$png")"
done
for page in default.htm UsingNotes.htm "MainControlInterface and TaskbarIcon.htm" \
    UsingReminder.htm FindingNotes.htm Settings.htm NotesTrash.htm \
    "BackingUp and RestoringNotes.htm" suport.htm "Memoboards and Tabs.htm"; do
    expect_file "share/velmarnotes/help/$page"
done

entry=$prefix/share/applications/velmarnotes.desktop
grep -qx 'Exec=velmarnotes' "$entry" || e2e_fail "desktop entry: $(cat "$entry")"
grep -qx 'Icon=velmarnotes' "$entry" || e2e_fail "desktop entry: $(cat "$entry")"
grep -qx 'Name=Velmar Notes' "$entry" || e2e_fail "desktop entry: $(cat "$entry")"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || e2e_fail "the desktop entry does not validate"
fi
