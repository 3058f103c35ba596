// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// libFuzzer target: any bytes as a project file through the whole road of ProjectChain.h.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/ProjectChain.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto problem =
        soukoli::fuzz::checkProjectChain(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
