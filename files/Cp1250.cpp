// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Windows-1250 conversion through glibc iconv. Each call opens its own conversion descriptor, so
// nothing is shared between calls; no transliteration is asked for, so iconv fails on anything
// it cannot represent and the caller hears about it.
#include "files/Cp1250.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace soukoli::files {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    [[nodiscard]] bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::optional<std::string> run(std::string_view in) {
        if (!valid()) return std::nullopt;
        std::string out;
        // UTF-8 needs at most three bytes per Windows-1250 character; the other way is shorter.
        std::vector<char> buffer(in.size() * 3 + 4);
        std::vector<char> source(in.begin(), in.end());
        char* inPtr = source.data();
        std::size_t inLeft = source.size();
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
        if (iconv(cd_, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
        out.assign(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
        return out;
    }

private:
    iconv_t cd_;
};

bool isAscii(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

std::optional<std::string> toCp1250(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    Converter c("WINDOWS-1250", "UTF-8");
    return c.run(utf8);
}

std::string withCp1250Substitutes(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        const auto lead = static_cast<unsigned char>(text.front());
        const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
        bool whole = length != 0 && length <= text.size();
        for (std::size_t i = 1; whole && i < length; ++i) whole = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (!whole) {
            out += '?';
            text.remove_prefix(1);
            continue;
        }
        const std::string_view character = text.substr(0, length);
        out += toCp1250(character) ? std::string(character) : std::string("?");
        text.remove_prefix(length);
    }
    return out;
}

std::optional<std::string> fromCp1250(std::string_view bytes) {
    if (isAscii(bytes)) return std::string(bytes);
    Converter c("UTF-8", "WINDOWS-1250");
    return c.run(bytes);
}

}  // namespace soukoli::files
