#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The soukoli developers
# Builds soukoli and runs every test.  ./test.sh --sanitize runs them under ASan + UBSan;
# ./test.sh --clang-no-gui builds and tests the part without Qt (engine, files, soukoli-cli) with
# clang, as a server without a desktop would.
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"
soukoli_install_packages

case "${1:-}" in
--sanitize)
    dir="$SOUKOLI_ROOT/build-sanitize"
    soukoli_build "$dir" -DCMAKE_BUILD_TYPE=Debug -DSOUKOLI_SANITIZE=ON
    ;;
--clang-no-gui)
    soukoli_install_packages clang
    dir="$SOUKOLI_ROOT/build-clang"
    soukoli_build "$dir" -DCMAKE_CXX_COMPILER=clang++ -DSOUKOLI_BUILD_GUI=OFF -DSOUKOLI_BUILD_BENCHMARKS=OFF
    ;;
"")
    dir="$SOUKOLI_ROOT/build"
    soukoli_build "$dir"
    ;;
*)
    echo "usage: ./test.sh [--sanitize | --clang-no-gui]" >&2
    exit 3
    ;;
esac
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"
