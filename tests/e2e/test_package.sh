#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` makes a Debian package that holds everything an install needs; unpacked with
# dpkg-deb into a folder of its own, velmar-cli answers --version and the program starts from
# there, shows its notepad and tray icon and makes notes (the AppStream screenshot). The
# AppStream file and the desktop entry validate, and lintian finds no error in the package (its
# warnings are kept in the artifacts).
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
: "${VELMAR_BUILD_DIR:?VELMAR_BUILD_DIR must name the build tree}"

out=$E2E_ROOT/package
cpack -G DEB --config "$VELMAR_BUILD_DIR/CPackConfig.cmake" -B "$out" \
    >"$E2E_ARTIFACTS/cpack.log" 2>&1 || e2e_fail "cpack failed: $(tail -5 "$E2E_ARTIFACTS/cpack.log")"
deb=$(find "$out" -maxdepth 1 -name 'velmarnotes_*.deb')
[ -f "$deb" ] || e2e_fail "cpack made no velmarnotes package"
dpkg-deb --info "$deb" >"$E2E_ARTIFACTS/info.txt"
grep -Eq '^ Depends:.*libqt6widgets6' "$E2E_ARTIFACTS/info.txt" ||
    e2e_fail "the dependencies were not computed from the binaries: $(cat "$E2E_ARTIFACTS/info.txt")"
grep -Eq '^ Depends:.*sound-theme-freedesktop' "$E2E_ARTIFACTS/info.txt" ||
    e2e_fail "the sound theme is not a dependency"

root=$E2E_ROOT/root
dpkg-deb -x "$deb" "$root"
dpkg-deb --contents "$deb" >"$E2E_ARTIFACTS/contents.txt"
for file in bin/velmarnotes bin/velmar-cli share/applications/velmarnotes.desktop \
    share/metainfo/org.velmarnotes.VelmarNotes.metainfo.xml \
    share/icons/hicolor/scalable/apps/velmarnotes.svg \
    share/icons/hicolor/48x48/apps/velmarnotes.png share/velmarnotes/help/default.htm \
    "share/velmarnotes/help/BackingUp and RestoringNotes.htm" share/velmarnotes/reminder.wav \
    share/man/man1/velmarnotes.1.gz share/man/man1/velmar-cli.1.gz \
    share/doc/velmarnotes/copyright share/doc/velmarnotes/changelog.gz; do
    [ -s "$root/usr/$file" ] || e2e_fail "the package lacks /usr/$file"
done

version=$("$root/usr/bin/velmar-cli" --version) || e2e_fail "velmar-cli --version failed"
[ "$version" = "velmar-cli $(dpkg-deb --field "$deb" Version)" ] ||
    e2e_fail "velmar-cli --version said '$version'"

appstreamcli validate --no-net "$root/usr/share/metainfo/org.velmarnotes.VelmarNotes.metainfo.xml" \
    >"$E2E_ARTIFACTS/appstream.txt" 2>&1 || e2e_fail "AppStream: $(cat "$E2E_ARTIFACTS/appstream.txt")"
desktop-file-validate "$root/usr/share/applications/velmarnotes.desktop" \
    >"$E2E_ARTIFACTS/desktop-file.txt" 2>&1 ||
    e2e_fail "desktop entry: $(cat "$E2E_ARTIFACTS/desktop-file.txt")"
grep -Eq '^Keywords=.*notes;.*' "$root/usr/share/applications/velmarnotes.desktop" ||
    e2e_fail "the desktop entry has no keywords"

# lintian exits non-zero on errors only (its default --fail-on); warnings are listed.
lintian --allow-root --info "$deb" >"$E2E_ARTIFACTS/lintian.txt" 2>&1 ||
    e2e_fail "lintian: $(grep '^E:' "$E2E_ARTIFACTS/lintian.txt")"
e2e_log "lintian warnings: $(grep -c '^W:' "$E2E_ARTIFACTS/lintian.txt" || true)"

e2e_start_desktop
E2E_BIN=$root/usr/bin e2e_start_app
e2e_wait_for 15 e2e_has_window 84x61 || e2e_fail "the unpacked program showed no notepad"
e2e_wait_for 10 e2e_has_window 24x24 || e2e_fail "the unpacked program showed no tray icon"
# The AppStream screenshot (resources/metainfo/screenshots/notes.png) is this one.
e2e_click_tray_icon 1
e2e_wait_for 10 e2e_has_window 172x120 || e2e_fail "the unpacked program made no note"
xdotool type --delay 20 "Buy bread and milk"
e2e_click_tray_icon 1
xdotool type --delay 20 "Call Anna at 5 about the trip"
e2e_click_at 150 600
e2e_screenshot notes
[ "$(identify -format %wx%h "$E2E_ARTIFACTS/notes.png")" = 1024x768 ] ||
    e2e_fail "the screenshot is not of the size the AppStream file gives"
kill -TERM "$E2E_APP_PID"
e2e_expect_app_end "the unpacked program"
