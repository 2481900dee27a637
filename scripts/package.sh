#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, makes the Debian package with CPack in build/ (or
# $VELMAR_BUILD_DIR) and installs it with apt-get, through sudo when you are not root.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VELMAR_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
(cd "$build" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$build") >/dev/null
package=$(ls -t "$build"/velmarnotes_*.deb | head -n1)
echo "Installing $package"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get install -y -q "$package"
