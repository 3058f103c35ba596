#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The soukoli developers
# Renders each manual page for a UTF-8 terminal and for a C locale's ASCII terminal and fails on
# any warning of troff (an unknown character, a bad request, a line it cannot break).
#   check-manual-pages.sh GROFF PAGE...
set -u
groff=$1
shift
status=0
for page in "$@"; do
    for device in utf8 ascii; do
        warnings=$(LC_ALL=C "$groff" -man -ww -z -T"$device" "$page" 2>&1)
        if [ -n "$warnings" ]; then
            printf '%s (%s):\n%s\n' "$page" "$device" "$warnings"
            status=1
        fi
    done
done
exit $status
