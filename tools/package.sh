#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The soukoli developers
# Builds the Debian package from the files git tracks (uncommitted edits included) in build-deb/,
# as dpkg-buildpackage -us -uc -b does from a clean clone, and judges it with lintian --pedantic:
# an error or a warning fails.
#   tools/package.sh              with the tests (dh_auto_test)
#   tools/package.sh --no-tests   without them (DEB_BUILD_OPTIONS=nocheck), as CI runs it after
#                                 ./test.sh has run them
set -euo pipefail
source "$(dirname "$0")/common.sh"

options=
profiles=()
case "${1:-}" in
--no-tests)
    options=nocheck
    profiles=(-Pnocheck)
    ;;
"") ;;
*)
    echo "usage: tools/package.sh [--no-tests]" >&2
    exit 3
    ;;
esac

soukoli_install_packages git dpkg-dev lintian
cd "$SOUKOLI_ROOT"
if ! dpkg-checkbuilddeps "${profiles[@]}" 2>/dev/null; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get build-dep -y -qq --no-install-recommends "${profiles[@]}" ./
fi

out=$SOUKOLI_ROOT/build-deb
rm -rf "$out"
mkdir -p "$out/soukoli"
git ls-files -z | tar --null --ignore-failed-read -T - -cf - | tar -xf - -C "$out/soukoli"
(cd "$out/soukoli" &&
    DEB_BUILD_OPTIONS="$options parallel=$(nproc)" dpkg-buildpackage -us -uc -b "${profiles[@]}")
lintian --pedantic --fail-on error,warning "$out"/soukoli_*.changes
ls "$out"/*.deb
