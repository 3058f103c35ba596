#!/usr/bin/env bash
# Builds soukoli and runs every test.  ./test.sh --sanitize runs them under ASan + UBSan.
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"
soukoli_install_packages

if [ "${1:-}" = "--sanitize" ]; then
    dir="$SOUKOLI_ROOT/build-sanitize"
    soukoli_build "$dir" -DCMAKE_BUILD_TYPE=Debug -DSOUKOLI_SANITIZE=ON
else
    dir="$SOUKOLI_ROOT/build"
    soukoli_build "$dir"
fi
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"
