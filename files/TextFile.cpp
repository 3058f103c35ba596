// Encoding of report lines and safe replacement of files on disk.
#include "files/TextFile.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "files/Cp1250.h"

namespace soukoli::files {

EncodedText encodeLines(const std::vector<std::string>& lines) {
    EncodedText out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto bytes = toCp1250(lines[i]);
        if (!bytes) {
            out.bytes.clear();
            out.reason = "line " + std::to_string(i + 1) + " holds a character that Windows-1250 cannot represent";
            return out;
        }
        out.bytes += *bytes;
        out.bytes += "\r\n";
    }
    return out;
}

FileResult writeFileReplacing(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path temporary = path;
    temporary += ".tmp~";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return FileResult::failure("cannot create " + temporary.string());
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return FileResult::failure("cannot write " + temporary.string());
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return FileResult::failure("cannot replace " + path.string() + ": " + ec.message());
    }
    return FileResult::success();
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (content.size() > maxBytes) return std::nullopt;
        if (!in) break;
    }
    if (in.bad()) return std::nullopt;
    return content;
}

}  // namespace soukoli::files
