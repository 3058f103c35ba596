#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The soukoli developers
# Builds soukoli and starts the desktop program.
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"
soukoli_install_packages
soukoli_build "$SOUKOLI_ROOT/build"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<MSG
soukoli: built, but this machine has no display (neither DISPLAY nor WAYLAND_DISPLAY is set),
so the desktop program cannot open its window here. Start it on a desktop session, or under a
virtual display:   xvfb-run -a build/app/soukoli
A picture of the main window after a calculation, without any display:
                   build/app/soukoli-screenshot soukoli.png
MSG
    exit 1
fi
exec "$SOUKOLI_ROOT/build/app/soukoli"
