#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The soukoli developers
# The version of the project, of the newest entry of debian/changelog and of the newest release in
# the AppStream metadata must be one.
#   check-versions.sh VERSION CHANGELOG METAINFO
set -u
version=$1
changelog=$(sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p' "$2")
metainfo=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$3" | head -n 1)
status=0
if [ "$changelog" != "$version" ]; then
    echo "debian/changelog is at $changelog, the project at $version"
    status=1
fi
if [ "$metainfo" != "$version" ]; then
    echo "the newest release in the AppStream metadata is $metainfo, the project is at $version"
    status=1
fi
exit $status
