# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The soukoli developers
# Shared by run.sh and test.sh: install missing Debian packages, configure and build.
# Sourced, not run.

SOUKOLI_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Debian packages the build needs; qt6-translations-l10n gives Qt's own dialogs and buttons their
# Czech texts, librsvg2-bin renders the PNG icons, desktop-file-utils, appstream and groff-base check
# the menu entry, the AppStream metadata and the manual pages.
SOUKOLI_PACKAGES=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
                  qt6-base-dev libgl-dev qt6-translations-l10n fonts-dejavu-core poppler-utils xvfb xauth
                  librsvg2-bin desktop-file-utils appstream groff-base)

# soukoli_install_packages [package...]: installs those missing of the given packages
# (default: SOUKOLI_PACKAGES).
soukoli_install_packages() {
    local wanted=("$@")
    [ ${#wanted[@]} -eq 0 ] && wanted=("${SOUKOLI_PACKAGES[@]}")
    local missing=()
    local p
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# soukoli_build <build dir> [extra cmake arguments...]
# Developers and CI build with warnings as errors.
soukoli_build() {
    local dir=$1
    shift
    cmake -S "$SOUKOLI_ROOT" -B "$dir" -G Ninja -DSOUKOLI_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" --parallel
}
