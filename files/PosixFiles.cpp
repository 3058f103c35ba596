// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Replacing a file on a POSIX system. The temporary file lives in the folder of the resolved
// target, so the final rename never crosses a file system and either the complete old or the
// complete new file stands at the name at every moment, even after a kill or a power cut.
#include "files/PosixFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

namespace soukoli::files::posix {

namespace {

namespace fs = std::filesystem;

// The kernel's own limit on symbolic links in one lookup (Linux: 40).
constexpr int kMaxLinkHops = 40;

FileResult systemFailure(int error, std::string_view call, const fs::path& path) {
    return FileResult::failure(saveErrorForErrno(error),
                               std::string(call) + " " + path.string() + ": " + std::strerror(error));
}

// What stands at the name once symbolic links are followed.
struct Target {
    fs::path path;
    bool exists = false;
    struct stat status {};
};

FileResult resolve(const fs::path& name, Target& target) {
    target.path = name;
    for (int hop = 0;; ++hop) {
        if (::lstat(target.path.c_str(), &target.status) != 0) {
            // Nothing there yet: a new file (a missing folder shows when the file is created).
            if (errno == ENOENT) return FileResult::success();
            return systemFailure(errno, "lstat", target.path);
        }
        if (!S_ISLNK(target.status.st_mode)) {
            target.exists = true;
            return FileResult::success();
        }
        if (hop == kMaxLinkHops) return systemFailure(ELOOP, "readlink", name);
        std::array<char, 4096> buffer{};
        const ssize_t n = ::readlink(target.path.c_str(), buffer.data(), buffer.size());
        if (n < 0) return systemFailure(errno, "readlink", target.path);
        if (static_cast<std::size_t>(n) == buffer.size()) return systemFailure(ENAMETOOLONG, "readlink", target.path);
        const fs::path link(std::string(buffer.data(), static_cast<std::size_t>(n)));
        target.path = link.is_absolute() ? link : target.path.parent_path() / link;
    }
}

FileResult checkReplaceable(const Target& target) {
    if (!target.exists) return FileResult::success();
    const auto mode = target.status.st_mode;
    if (S_ISDIR(mode)) return FileResult::failure(SaveError::TargetIsFolder, target.path.string() + " is a folder");
    if (!S_ISREG(mode))
        return FileResult::failure(SaveError::TargetNotAFile, target.path.string() + " is not a regular file");
    // access() grants root everything, so a file without any write bit counts as read-only too.
    if ((mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return FileResult::failure(SaveError::ReadOnlyTarget, target.path.string() + " has no write permission");
    if (::access(target.path.c_str(), W_OK) != 0) {
        if (errno == EACCES) return FileResult::failure(SaveError::ReadOnlyTarget, target.path.string() + " is not writable");
        return systemFailure(errno, "access", target.path);
    }
    return FileResult::success();
}

std::string base36(std::uint64_t n) {
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789abcdefghijklmnopqrstuvwxyz"[n % 36]);
        n /= 36;
    } while (n != 0);
    return digits;
}

// Six characters that stand for the target's leaf name (FNV-1a), so that the leftovers of one
// target can be told from those of another in the same folder.
std::string nameTag(const fs::path& target) {
    std::uint32_t hash = 2166136261u;
    for (const unsigned char c : target.filename().string()) hash = (hash ^ c) * 16777619u;
    std::string tag = base36(hash % 2176782336u);  // 36^6
    return std::string(6 - tag.size(), '0') + tag;
}

// A save that was killed leaves its temporary file behind; its process is gone, so nobody else
// will ever remove it. A temporary file of a running process (another save going on at this
// very moment) stays.
void removeLeftovers(const fs::path& target) {
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const std::string prefix = "." + nameTag(target) + "-";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (!name.starts_with(prefix) || !name.ends_with(".tmp~")) continue;
        const auto pidText = name.substr(prefix.size(), name.find('-', prefix.size()) - prefix.size());
        long pid = 0;
        bool digits = !pidText.empty() && pidText.size() <= 8;
        for (const char c : pidText) {
            const auto at = std::string_view("0123456789abcdefghijklmnopqrstuvwxyz").find(c);
            digits = digits && at != std::string_view::npos;
            pid = pid * 36 + static_cast<long>(at);
        }
        if (!digits || pid <= 0 || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        const fs::path leftover = folder / std::string(name);
        struct stat st {};
        if (::lstat(leftover.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(leftover.c_str());
    }
    ::closedir(dir);
}

// Creates a temporary file of this save only: a name taken (by a file of another save or by
// anything else) is never touched, the next name is tried instead.
int createTemporary(const fs::path& target, mode_t mode, fs::path& temporary, FileResult& result) {
    static std::atomic<unsigned> attempts{0};
    constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    constexpr int kTries = 100;
    for (int i = 0; i < kTries; ++i) {
        temporary = target.parent_path() / temporaryNameFor(target, ::getpid(), attempts++);
        const int fd = ::open(temporary.c_str(), kFlags, mode);
        if (fd >= 0) return fd;
        if (errno != EEXIST) {
            result = systemFailure(errno, "open", temporary);
            return -1;
        }
    }
    result = systemFailure(EEXIST, "open", temporary);
    return -1;
}

// A file-size limit (ulimit -f) kills a process that writes beyond it, unless SIGXFSZ is
// ignored; then the write fails with EFBIG, which a save reports and cleans up after.
void ignoreFileSizeSignal() {
    static const bool done = [] {
        struct sigaction current {};
        if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
            struct sigaction ignore {};
            ignore.sa_handler = SIG_IGN;
            ::sigemptyset(&ignore.sa_mask);
            ::sigaction(SIGXFSZ, &ignore, nullptr);
        }
        return true;
    }();
    (void)done;
}

FileResult writeAll(int fd, std::string_view bytes, const fs::path& temporary) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return systemFailure(errno, "write", temporary);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    if (::fsync(fd) != 0) return systemFailure(errno, "fsync", temporary);
    return FileResult::success();
}

// After the rename the new file is in place; syncing the folder makes the rename itself survive
// a power cut. A file system that cannot sync folders still holds the complete file, so a
// failure here is not reported.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

SaveError saveErrorForErrno(int error) {
    static constexpr std::array<std::pair<int, SaveError>, 12> kReasons{{
        {ENOSPC, SaveError::DiskFull},
        {EDQUOT, SaveError::DiskFull},
        {EFBIG, SaveError::DiskFull},
        {EACCES, SaveError::NoPermission},
        {EPERM, SaveError::NoPermission},
        {EROFS, SaveError::ReadOnlyFileSystem},
        {ENOENT, SaveError::FolderMissing},
        {ENOTDIR, SaveError::FolderMissing},
        {EISDIR, SaveError::TargetIsFolder},
        {ENAMETOOLONG, SaveError::NameTooLong},
        {ELOOP, SaveError::LinkLoop},
        {EIO, SaveError::DeviceError},
    }};
    for (const auto& [value, reason] : kReasons)
        if (value == error) return reason;
    return SaveError::Other;
}

FileResult replaceFile(const fs::path& path, std::string_view bytes) {
    Target target;
    if (auto resolved = resolve(path, target); !resolved.ok()) return resolved;
    if (auto replaceable = checkReplaceable(target); !replaceable.ok()) return replaceable;

    ignoreFileSizeSignal();
    removeLeftovers(target.path);
    // A replaced file keeps its permissions; until they are set nobody else may open it.
    FileResult result;
    fs::path temporary;
    const int fd = createTemporary(target.path, target.exists ? S_IRUSR | S_IWUSR : 0666, temporary, result);
    if (fd < 0) return result;
    if (target.exists) {
        if (::fchown(fd, target.status.st_uid, target.status.st_gid) != 0) {
            // Only root may give a file away; anyone else keeps their own file anyway.
        }
        if (::fchmod(fd, target.status.st_mode & 0777) != 0) result = systemFailure(errno, "fchmod", temporary);
    }
    if (result.ok()) result = writeAll(fd, bytes, temporary);
    if (::close(fd) != 0 && result.ok()) result = systemFailure(errno, "close", temporary);
    if (result.ok() && ::rename(temporary.c_str(), target.path.c_str()) != 0)
        result = systemFailure(errno, "rename", target.path);
    if (!result.ok()) {
        ::unlink(temporary.c_str());
        return result;
    }
    const fs::path folder = target.path.parent_path();
    syncFolder(folder.empty() ? fs::path(".") : folder);
    return result;
}

std::string temporaryNameFor(const fs::path& target, long pid, unsigned attempt) {
    return "." + nameTag(target) + "-" + base36(static_cast<std::uint64_t>(pid)) + "-" + base36(attempt) + ".tmp~";
}

ReadBytes readFile(const fs::path& path, std::size_t maxBytes) {
    const auto failure = [&](LoadError why, int error, std::string_view call) {
        return ReadBytes{{}, why, std::string(call) + " " + path.string() + ": " + std::strerror(error)};
    };
    const auto reasonOf = [](int error) {
        switch (error) {
            case ENOENT:
            case ENOTDIR: return LoadError::Missing;
            case EACCES:
            case EPERM: return LoadError::NoPermission;
            case EISDIR: return LoadError::IsFolder;
            case EFBIG:
            case EOVERFLOW: return LoadError::TooLarge;
            default: return LoadError::Other;
        }
    };
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return failure(reasonOf(errno), errno, "open");
    ReadBytes read;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        read = failure(reasonOf(errno), errno, "fstat");
    } else if (S_ISDIR(st.st_mode)) {
        read = {{}, LoadError::IsFolder, path.string() + " is a folder"};
    } else if (!S_ISREG(st.st_mode)) {
        read = {{}, LoadError::NotAFile, path.string() + " is not a regular file"};
    } else if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        read = {{}, LoadError::TooLarge, path.string() + " has " + std::to_string(st.st_size) + " bytes"};
    } else {
        std::array<char, 4096> buffer{};
        while (true) {
            const ssize_t n = ::read(fd, buffer.data(), buffer.size());
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                read = failure(reasonOf(errno), errno, "read");
                break;
            }
            if (n == 0) break;
            read.bytes.append(buffer.data(), static_cast<std::size_t>(n));
            // The file may grow while it is read.
            if (read.bytes.size() > maxBytes) {
                read = {{}, LoadError::TooLarge, path.string() + " has more than " + std::to_string(maxBytes) + " bytes"};
                break;
            }
        }
    }
    ::close(fd);
    return read;
}

}  // namespace soukoli::files::posix
