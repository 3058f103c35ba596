#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The soukoli developers
# Builds the libFuzzer targets of tests/fuzz with clang in build-fuzz/ and runs each of them.
#   tools/fuzz.sh [SECONDS]     each target for SECONDS (default 60), then stops
# The project-file target starts from examples/ and the kept findings in tests/fuzz/regressions;
# what it learns stays in build-fuzz/corpus/ for the next run. A finding is written to
# build-fuzz/crash-* and the script fails.
set -euo pipefail
source "$(dirname "$0")/common.sh"
seconds=${1:-60}

# clang 14 with libFuzzer's runtime (libclang-rt-14-dev holds libclang_rt.fuzzer).
SOUKOLI_PACKAGES=(clang-14 libclang-rt-14-dev cmake ninja-build)
soukoli_install_packages

dir="$SOUKOLI_ROOT/build-fuzz"
CXX=clang++-14 soukoli_build "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOUKOLI_FUZZ=ON

mkdir -p "$dir/corpus/project" "$dir/corpus/numbers"
cd "$dir"
"$dir/tests/fuzz/project_file_fuzz" -max_total_time="$seconds" -max_len=8192 -timeout=10 -print_final_stats=1 \
    "$dir/corpus/project" "$SOUKOLI_ROOT/examples" "$SOUKOLI_ROOT/tests/fuzz/regressions"
"$dir/tests/fuzz/numbers_fuzz" -max_total_time="$seconds" -max_len=64 -timeout=10 -print_final_stats=1 \
    "$dir/corpus/numbers"
