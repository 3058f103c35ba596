// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// libFuzzer target for the number reader and the formats: any text as an input field and as a
// line of a project file, and any 8 bytes as a double. Nothing may crash, a read number is finite,
// a real of the project file reads back to the same 23 characters unless it lies beyond the
// largest one the 15 digits can hold, and Str keeps its width.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/Numbers.h"

namespace {

// The largest real the project file holds: 15 significant digits that still round to a double.
constexpr double kLargestFileReal = 1.79769313486231e308;

void fail(const char* what, double x) {
    std::fprintf(stderr, "%s: %.17g\n", what, x);
    std::abort();
}

void checkNumber(double x) {
    if (!std::isfinite(x)) return;
    const std::string line = soukoli::formatFileReal(x);
    if (line.size() != 23) fail("file real not 23 characters", x);
    const auto back = soukoli::parseNumber(line);
    if (std::abs(x) <= kLargestFileReal) {
        if (!back.ok() || soukoli::formatFileReal(back.value) != line) fail("file real does not read back", x);
    }
    for (int w = 0; w <= 8; w += 4)
        for (int d = 0; d <= 3; ++d)
            if (soukoli::str(x, w, d).size() < static_cast<std::size_t>(w)) fail("Str narrower than its width", x);
    (void)soukoli::formatFloat(soukoli::kPictureLives, x);
    (void)soukoli::formatFloat(soukoli::kPictureShort, x);
    (void)soukoli::formatFloat(soukoli::kPictureTwoDigits, x);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto whole = soukoli::parseNumber(text);
    if (whole.ok() && !std::isfinite(whole.value)) fail("a read number is not finite", whole.value);
    if (!whole.ok() && whole.value != 0) fail("a refused number is not 0", whole.value);
    if (!whole.ok() && (whole.status < 1 || static_cast<std::size_t>(whole.status) > size + 1))
        fail("parse status outside the text", whole.status);
    const auto leading = soukoli::parseLeadingNumber(text);
    if (!std::isfinite(leading.value)) fail("a leading number is not finite", leading.value);
    checkNumber(whole.value);
    checkNumber(leading.value);
    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        checkNumber(x);
    }
    return 0;
}
