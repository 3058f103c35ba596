// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Conversion between the program's UTF-8 text and the single-byte Windows-1250 code page of its
// files. Only the file boundary converts; a character of the data set that the code page cannot
// hold is reported, never replaced (only file names are shown with substitutes).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace soukoli::files {

/// UTF-8 to Windows-1250; nullopt when the text is not valid UTF-8 or holds a character the code
/// page has no place for.
[[nodiscard]] std::optional<std::string> toCp1250(std::string_view utf8);

/// `text` with every character that Windows-1250 cannot hold (and every byte that is not valid
/// UTF-8) replaced by "?": for names the system gives us, which must be shown even when they
/// cannot be written faithfully.
[[nodiscard]] std::string withCp1250Substitutes(std::string_view text);

/// Windows-1250 to UTF-8; nullopt for the five byte values the code page leaves undefined.
[[nodiscard]] std::optional<std::string> fromCp1250(std::string_view bytes);

}  // namespace soukoli::files
