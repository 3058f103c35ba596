// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The two visitors of the project-file walk: the writer prints each record, the reader checks and
// stores it. Both refuse what the other could not take back: the file a writer produces is always
// one the reader accepts, and reading it back gives the same file again.
#include "files/ProjectFile.h"

#include <array>
#include <cmath>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "engine/FieldTable.h"
#include "engine/LoadLevelsInput.h"
#include "engine/Numbers.h"
#include "files/Cp1250.h"
#include "files/InputRules.h"
#include "files/ProjectFileLayout.h"

namespace soukoli::files {

namespace {

constexpr std::string_view kNoStandard = "not exactly one standard chosen";
constexpr std::string_view kNoKHbetaSource = "not exactly one source of KHbeta chosen";
constexpr std::string_view kNoLevelsForm = "not exactly one form of the spectrum loads chosen";

// Puts the flags of an either/or option; false when `value` has no flag (nothing is chosen).
template <class Option, std::size_t N>
bool putChoice(std::string& options, const std::array<ChoiceFlag<Option>, N>& flags, Option value) {
    bool chosen = false;
    for (const auto& f : flags) {
        options[static_cast<std::size_t>(f.position - 1)] = f.value == value ? '1' : '0';
        chosen = chosen || f.value == value;
    }
    return chosen;
}

// The option whose flag is "1", or nothing unless exactly one flag is.
template <class Option, std::size_t N>
std::optional<Option> readChoice(std::string_view options, const std::array<ChoiceFlag<Option>, N>& flags) {
    std::optional<Option> chosen;
    int ones = 0;
    for (const auto& f : flags) {
        if (options[static_cast<std::size_t>(f.position - 1)] != '1') continue;
        ++ones;
        chosen = f.value;
    }
    return ones == 1 ? chosen : std::nullopt;
}

// ---- Writer ------------------------------------------------------------------------------------

class Writer {
public:
    std::string out;
    std::string reason;

    void header() { line(*toCp1250(kProjectHeader)); }

    void optionLine(const GearPairData& d) {
        if (d.TypSoukoli != Toothing::External && d.TypSoukoli != Toothing::Internal)
            return fail("toothing type is neither 1 nor 2");
        if (d.MetodaVypoctu != 'A' && d.MetodaVypoctu != 'B') return fail("method is neither A nor B");
        if (d.MetodaVypoctu == 'B' && (d.ZadaniSil < kLoadsFromLevels || d.ZadaniSil > kLoadsEntered))
            return fail("method B without a way of giving the loads");
        std::string options(kOptionLineLength, '0');
        if (!putChoice(options, kStandardFlags, d.standard)) return fail(std::string(kNoStandard));
        if (!putChoice(options, kKHbetaSourceFlags, d.KHbetaFrom)) return fail(std::string(kNoKHbetaSource));
        if (!putChoice(options, kLevelsFormFlags, d.levelsForm)) return fail(std::string(kNoLevelsForm));
        const auto put = [&](int position, char c) { options[static_cast<std::size_t>(position - 1)] = c; };
        put(kPosToothing, static_cast<char>('0' + static_cast<std::uint16_t>(d.TypSoukoli)));
        put(kPosMethod, d.MetodaVypoctu);
        put(kPosLoads, d.MetodaVypoctu == 'A' ? '0' : static_cast<char>('0' + d.ZadaniSil));
        for (const auto& f : kOptionFlags) put(f.position, d.*f.flag ? '1' : '0');
        for (const auto& f : kNewerOptionFlags) put(f.position, d.*f.flag ? '1' : '0');
        line(" " + options);
    }

    void real(double x) {
        const auto written = readableReal(x);
        if (!written) return;
        line(*written);
    }

    void text(const std::string& s) {
        auto bytes = toCp1250(s);
        if (!bytes) return fail("text \"" + s + "\" cannot be written in Windows-1250");
        if (bytes->size() > kMaxLineLength) return fail("text longer than " + std::to_string(kMaxLineLength) + " characters");
        for (const char c : *bytes)
            if (static_cast<unsigned char>(c) < 0x20) return fail("text holds a control character");
        line(*bytes);
    }

    void scheme(const std::string& s) {
        if (schemeIndexOf(s) == 0) return fail("unknown layout scheme \"" + s + "\"");
        line(s);
    }

    void heatTreatments(std::uint16_t a, std::uint16_t b) {
        if (a > kMaxHeatTreatment || b > kMaxHeatTreatment) return fail("heat treatment outside 0 ... 8");
        line(std::string{static_cast<char>('0' + a), static_cast<char>('0' + b)});
    }

    void integer(std::uint16_t n, int min, int max) {
        if (n < min || n > max) return fail("integer " + std::to_string(n) + " outside " + std::to_string(min) + " ... " + std::to_string(max));
        line(std::to_string(n));
    }

    void grades(std::uint16_t a, std::uint16_t b) {
        if (a < kMinGrade || a > kMaxGrade || b < kMinGrade || b > kMaxGrade) return fail("accuracy grade outside 2 ... 12");
        line(std::to_string(a) + " " + std::to_string(b));
    }

    void levelsStep(double f, double n) {
        const auto load = readableReal(f);
        const auto count = readableReal(n);
        if (!load || !count) return;
        line(*load + " " + *count);
    }

    [[nodiscard]] bool newerLayout() const { return true; }

private:
    // The line of a real, when it reads back to the same line: the 15 digits of the largest
    // doubles round up beyond the range of a double, and the reader would refuse the file.
    std::optional<std::string> readableReal(double x) {
        if (!std::isfinite(x)) {
            fail("a value is not a finite number");
            return std::nullopt;
        }
        std::string written = formatFileReal(x);
        const auto back = parseNumber(written);
        if (!back.ok() || !std::isfinite(back.value) || formatFileReal(back.value) != written) {
            fail("value " + written + " would not read back");
            return std::nullopt;
        }
        return written;
    }

    void line(const std::string& s) {
        if (!reason.empty()) return;
        out += s;
        out += "\r\n";
    }
    void fail(std::string why) {
        if (reason.empty()) reason = std::move(why);
    }
};

// ---- Reader ------------------------------------------------------------------------------------

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// A whole number of up to five digits, optionally surrounded by blanks; -1 otherwise.
int parseSmallInteger(std::string_view s) {
    if (s.empty() || s.size() > 5) return -1;
    int n = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::vector<std::string_view> splitBlanks(std::string_view s) {
    std::vector<std::string_view> parts;
    while (true) {
        s = trimBlanks(s);
        if (s.empty()) return parts;
        const auto end = s.find(' ');
        parts.push_back(s.substr(0, end));
        if (end == std::string_view::npos) return parts;
        s.remove_prefix(end);
    }
}

// The name of the value stored at `p` inside `d`, for the load message.
std::string nameAt(const GearPairData& d, const void* p) {
    for (const auto& f : numericFields()) {
        // A choice flag names one value of an option, not a place of its own.
        const void* at = std::visit(
            [&](auto member) -> const void* {
                if constexpr (std::is_member_object_pointer_v<decltype(member)>)
                    return &(d.*member);
                else
                    return nullptr;
            },
            f.member);
        if (at == p) return std::string(f.name);
    }
    if (p == &d.Material1) return "Material1";
    if (p == &d.Material2) return "Material2";
    if (p == &d.Schema) return "Schema";
    return {};
}

class Reader {
public:
    Reader(std::vector<std::string_view> lines, const GearPairData& data, bool utf8)
        : lines_(std::move(lines)), data_(data), utf8_(utf8) {}

    ReadResult result;

    [[nodiscard]] std::size_t consumed() const { return next_; }

    void header() { (void)take(); }

    void optionLine(GearPairData& d) {
        const auto raw = take();
        if (!raw) return;
        if (raw->empty()) return fail("empty option line");
        // Blanks around the positions are tolerated as on every other line; no position holds one.
        const std::string_view options = trimBlanks(raw->substr(1));
        if (options.size() != kOptionLineLength && options.size() != kOlderOptionLineLength)
            return fail("option line of " + std::to_string(options.size()) + " characters");
        newer_ = options.size() == kOptionLineLength;
        const auto at = [&](int position) { return options[static_cast<std::size_t>(position - 1)]; };

        const char toothing = at(kPosToothing);
        if (toothing != '1' && toothing != '2') return fail("toothing type is neither 1 nor 2");
        const char method = at(kPosMethod);
        if (method != 'A' && method != 'B') return fail("method is neither A nor B");
        const char loads = at(kPosLoads);
        if (method == 'A' ? loads != '0' : (loads < '1' || loads > '3'))
            return fail("way of giving the loads does not fit the method");
        for (std::size_t i = 0; i < options.size(); ++i) {
            const auto position = static_cast<int>(i + 1);
            if (position == kPosToothing || position == kPosMethod || position == kPosLoads) continue;
            if (options[i] != '0' && options[i] != '1') return fail("option flag is neither 0 nor 1");
        }
        d.TypSoukoli = toothing == '2' ? Toothing::Internal : Toothing::External;
        d.MetodaVypoctu = method;
        d.ZadaniSil = static_cast<std::uint16_t>(loads - '0');
        for (const auto& f : kOptionFlags) d.*f.flag = at(f.position) == '1';
        if (newer_)
            for (const auto& f : kNewerOptionFlags) d.*f.flag = at(f.position) == '1';
        // The older layout has no standard: the one chosen before stays.
        if (newer_) {
            const auto standard = readChoice(options, kStandardFlags);
            if (!standard) return fail(std::string(kNoStandard));
            d.standard = *standard;
        }
        const auto source = readChoice(options, kKHbetaSourceFlags);
        if (!source) return fail(std::string(kNoKHbetaSource));
        d.KHbetaFrom = *source;
        const auto form = readChoice(options, kLevelsFormFlags);
        if (!form) return fail(std::string(kNoLevelsForm));
        d.levelsForm = *form;
    }

    void real(double& x) {
        const auto raw = take();
        if (!raw) return;
        const auto parsed = parseNumber(trimBlanks(*raw));
        if (trimBlanks(*raw).empty() || !parsed.ok() || !std::isfinite(parsed.value))
            return fail("line holds no number", nameAt(data_, &x));
        x = parsed.value;
        realLines_.push_back({&x, next_});
    }

    /// The line a real was read from, 0 when the file did not hold it.
    [[nodiscard]] std::size_t lineOf(const double& x) const {
        for (const auto& [at, line] : realLines_)
            if (at == &x) return line;
        return 0;
    }

    void text(std::string& s) {
        const auto raw = take();
        if (!raw) return;
        for (const char c : *raw)
            if (static_cast<unsigned char>(c) < 0x20) return fail("text holds a control character", nameAt(data_, &s));
        if (utf8_) {
            // Read as it is, but only what a save can write again.
            if (!toCp1250(*raw)) return fail("text cannot be written in Windows-1250", nameAt(data_, &s));
            s = std::string(*raw);
            return;
        }
        auto utf8 = fromCp1250(*raw);
        if (!utf8) return fail("text is not Windows-1250", nameAt(data_, &s));
        s = std::move(*utf8);
    }

    void scheme(std::string& s) {
        const auto raw = take();
        if (!raw) return;
        const auto scheme = trimBlanks(*raw);
        if (schemeIndexOf(scheme) == 0) return fail("unknown layout scheme", "Schema");
        s = std::string(scheme);
    }

    void heatTreatments(std::uint16_t& a, std::uint16_t& b) {
        const auto raw = take();
        if (!raw) return;
        const auto t = trimBlanks(*raw);
        if (t.size() != 2 || t[0] < '0' || t[0] > '0' + kMaxHeatTreatment || t[1] < '0' || t[1] > '0' + kMaxHeatTreatment)
            return fail("heat treatments are not two digits 0 ... 8", "Zpracovani1");
        a = static_cast<std::uint16_t>(t[0] - '0');
        b = static_cast<std::uint16_t>(t[1] - '0');
    }

    void integer(std::uint16_t& n, int min, int max) {
        const auto raw = take();
        if (!raw) return;
        const int value = parseSmallInteger(trimBlanks(*raw));
        if (value < min || value > max)
            return fail("integer outside " + std::to_string(min) + " ... " + std::to_string(max), nameAt(data_, &n));
        n = static_cast<std::uint16_t>(value);
    }

    void grades(std::uint16_t& a, std::uint16_t& b) {
        const auto raw = take();
        if (!raw) return;
        const auto parts = splitBlanks(*raw);
        if (parts.size() != 2) return fail("accuracy grades are not two integers", "IT1");
        const int first = parseSmallInteger(parts[0]);
        const int second = parseSmallInteger(parts[1]);
        if (first < kMinGrade || first > kMaxGrade || second < kMinGrade || second > kMaxGrade)
            return fail("accuracy grade outside 2 ... 12", first < kMinGrade || first > kMaxGrade ? "IT1" : "IT2");
        a = static_cast<std::uint16_t>(first);
        b = static_cast<std::uint16_t>(second);
    }

    void levelsStep(double& f, double& n) {
        const auto raw = take();
        if (!raw) return;
        const auto step = std::to_string(&f - data_.Fj.data() + 1);
        const auto parts = splitBlanks(*raw);
        if (parts.size() != 2) return fail("spectrum step is not two numbers", "Fj[" + step + "]");
        const auto load = parseNumber(parts[0]);
        const auto count = parseNumber(parts[1]);
        if (!load.ok() || !count.ok() || !std::isfinite(load.value) || !std::isfinite(count.value))
            return fail("spectrum step is not two numbers", "Fj[" + step + "]");
        f = load.value;
        n = count.value;
        checkLevelsStep(static_cast<int>(&f - data_.Fj.data() + 1), f, n);
    }

    [[nodiscard]] bool newerLayout() const { return newer_; }

private:
    std::vector<std::string_view> lines_;
    const GearPairData& data_;
    bool utf8_;
    std::vector<std::pair<const double*, std::size_t>> realLines_;
    std::size_t next_ = 0;
    bool newer_ = true;
    std::optional<GearPairData> levels_;  // the spectrum window's table, step by step

    // Each step as the load spectrum window would take it, in the order of the file; a cell the
    // window left at 0 (a cleared table) stays 0.
    void checkLevelsStep(int step, double level, double count) {
        if (step == 1) {
            levels_ = data_;
            levels_->Fj.fill(0);
            levels_->Nj.fill(0);
        }
        if (!levels_) return;
        const auto name = [step](const char* array) { return std::string(array) + "[" + std::to_string(step) + "]"; };
        if (count != 0 && !commitLevelsCount(*levels_, step, count).accepted())
            return fail("spectrum step outside what the load spectrum window accepts", name("Nj"));
        if (level != 0 && !commitLevelsLevel(*levels_, step, level).accepted())
            return fail("spectrum step outside what the load spectrum window accepts", name("Fj"));
    }

    std::optional<std::string_view> take() {
        if (!result.ok()) return std::nullopt;
        if (next_ >= lines_.size()) {
            result = {"file ends before its last record", next_ + 1, {}};
            return std::nullopt;
        }
        return lines_[next_++];
    }
    void fail(std::string why, std::string field = {}) {
        if (result.ok()) result = {std::move(why), next_, std::move(field)};
    }
};

// Lines without their ends; a CR before the LF belongs to the line end. The text after the last
// line end counts as a line only when it is not empty.
std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const auto lf = bytes.find('\n');
        auto line = bytes.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (lf == std::string_view::npos) break;
        bytes.remove_prefix(lf + 1);
    }
    return lines;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool validUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        // The lead byte gives the number of continuation bytes and the first bits.
        const std::size_t n = c >= 0xC2 && c <= 0xDF ? 1 : c >= 0xE0 && c <= 0xEF ? 2 : c >= 0xF0 && c <= 0xF4 ? 3 : 0;
        if (n == 0) return false;
        std::uint32_t cp = c & (0x7Fu >> (n + 1));
        for (std::size_t k = 1; k <= n; ++k) {
            if (i + k >= s.size()) return false;
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0u) != 0x80u) return false;
            cp = (cp << 6) | (t & 0x3Fu);
        }
        if ((n == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) || (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        i += n + 1;
    }
    return true;
}

// The length of a line in characters: bytes in Windows-1250, code points in UTF-8.
std::size_t characters(std::string_view line, bool utf8) {
    if (!utf8) return line.size();
    std::size_t n = 0;
    for (const char c : line) n += (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
    return n;
}

ReadResult readProject(std::string_view bytes, GearPairData& data) {
    const bool utf8 = readAsUtf8(bytes);
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    const auto lines = splitLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (characters(lines[i], utf8) > kMaxLineLength) return {"line longer than 255 characters", i + 1, {}};

    GearPairData copy = data;
    Reader reader(lines, copy, utf8);
    walkProjectFile(copy, reader);
    if (!reader.result.ok()) return reader.result;
    for (std::size_t i = reader.consumed(); i < lines.size(); ++i)
        if (!trimBlanks(lines[i]).empty()) return {"text after the last record", i + 1, {}};
    if (const auto refused = refusedInput(copy))
        return {"value outside what its window accepts", reader.lineOf(copy.*refused->member), std::string(refused->name)};

    data = std::move(copy);
    return {};
}

}  // namespace

bool readAsUtf8(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) return true;
    bool beyondAscii = false;
    for (const char c : bytes) beyondAscii = beyondAscii || static_cast<unsigned char>(c) >= 0x80;
    return beyondAscii && validUtf8(bytes);
}

std::string ReadResult::location() const {
    if (line == 0) return field;
    return "řádek " + std::to_string(line) + (field.empty() ? std::string() : ": " + field);
}

EncodedText writeString(const GearPairData& data) {
    // A value its window would refuse makes a file the reader refuses: better not to save it.
    if (const auto refused = refusedInput(data)) return {{}, std::string(refused->name) + " outside what its window accepts"};
    Writer w;
    walkProjectFile(data, w);
    if (!w.reason.empty()) return {{}, w.reason};
    return {std::move(w.out), {}};
}

ReadResult readString(std::string_view bytes, GearPairData& data) {
    ReadResult result = readProject(bytes, data);
    if (!result.ok()) result.error = LoadError::NotAProject;
    return result;
}

FileResult writeProjectFile(const GearPairData& data, const std::filesystem::path& path) {
    auto encoded = writeString(data);
    if (!encoded.ok()) return FileResult::failure(SaveError::ValuesNotWritable, path.string() + ": " + encoded.reason);
    return writeFileReplacing(path, encoded.bytes);
}

ReadResult readProjectFile(const std::filesystem::path& path, GearPairData& data) {
    const auto read = readFileBytes(path);
    if (!read.ok()) return {read.detail, 0, {}, read.error};
    return readString(read.bytes, data);
}

}  // namespace soukoli::files
