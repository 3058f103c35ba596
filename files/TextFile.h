// Text files as the program writes them: Windows-1250 lines ending in CR LF, written to a
// temporary file beside the target and renamed over it, so a failed write never destroys the
// previous good file. Also the whole-file reader used by the project loader.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace soukoli::files {

/// The outcome of producing or storing a file; `reason` says what went wrong.
struct [[nodiscard]] FileResult {
    std::string reason;  // empty on success

    [[nodiscard]] bool ok() const { return reason.empty(); }
    static FileResult success() { return {}; }
    static FileResult failure(std::string why) { return {std::move(why)}; }
};

/// Bytes ready to be stored, or the reason they could not be produced.
struct [[nodiscard]] EncodedText {
    std::string bytes;
    std::string reason;

    [[nodiscard]] bool ok() const { return reason.empty(); }
};

/// Joins UTF-8 lines into Windows-1250 text, each line ending in CR LF.
EncodedText encodeLines(const std::vector<std::string>& lines);

/// Writes `bytes` to a temporary file in the folder of `path` and renames it to `path`.
FileResult writeFileReplacing(const std::filesystem::path& path, std::string_view bytes);

/// The whole content of a file, or nullopt when it cannot be read. Files larger than `maxBytes`
/// are refused (a project file is a few kilobytes).
[[nodiscard]] std::optional<std::string> readWholeFile(const std::filesystem::path& path,
                                                       std::size_t maxBytes = 1 << 20);

}  // namespace soukoli::files
