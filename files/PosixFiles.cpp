// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Replacing a file on a POSIX system. The temporary file lives in the folder of the resolved
// target, so the final rename never crosses a file system and either the complete old or the
// complete new file stands at the name at every moment, even after a kill or a power cut.
#include "files/PosixFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
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

// Creates the temporary file; one left by an earlier, killed save of the same name is removed.
int createTemporary(const fs::path& temporary, mode_t mode, FileResult& result) {
    constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(temporary.c_str(), kFlags, mode);
    if (fd < 0 && errno == EEXIST) {
        struct stat old {};
        if (::lstat(temporary.c_str(), &old) == 0 && (S_ISREG(old.st_mode) || S_ISLNK(old.st_mode)) &&
            ::unlink(temporary.c_str()) == 0)
            fd = ::open(temporary.c_str(), kFlags, mode);
        else
            errno = EEXIST;
    }
    if (fd < 0) {
        result = errno == EEXIST ? FileResult::failure(SaveError::TargetNotAFile,
                                                       temporary.string() + " is taken by something that is not a file")
                                 : systemFailure(errno, "open", temporary);
    }
    return fd;
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

    fs::path temporary = target.path;
    temporary += ".tmp~";
    // A replaced file keeps its permissions; until they are set nobody else may open it.
    FileResult result;
    const int fd = createTemporary(temporary, target.exists ? S_IRUSR | S_IWUSR : 0666, result);
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

}  // namespace soukoli::files::posix
