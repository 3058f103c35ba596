// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The output file, the interrupt and the progress line of soukoli-cli sweep (POSIX).
#include "cli/SweepOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <system_error>
#include <vector>

namespace soukoli::cli {

namespace {

namespace fs = std::filesystem;

// The one state a signal handler may touch; the sweep's writer polls it between chunks.
volatile std::sig_atomic_t caughtSignal = 0;

extern "C" void catchSignal(int signal) { caughtSignal = signal; }

constexpr int kCaught[] = {SIGINT, SIGTERM};
struct sigaction previous[std::size(kCaught)];

std::string systemError(const fs::path& path, const char* what) {
    return path.string() + ": " + what + ": " + std::strerror(errno);
}

}  // namespace

ReplacingFile::~ReplacingFile() {
    if (!temporary_.empty() && !committed_) {
        out_.close();
        ::unlink(temporary_.c_str());
    }
}

bool ReplacingFile::open(const fs::path& target, std::string& error) {
    // The file a symbolic link leads to is replaced, not the link; the temporary file lies in
    // its folder so that the rename stays on one file system.
    std::error_code ec;
    target_ = fs::weakly_canonical(target, ec);
    if (ec) target_ = target;
    if (fs::is_directory(target_, ec)) return error = target.string() + ": is a folder", false;
    std::string name = target_.string() + ".sweep-XXXXXX";
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    const int fd = ::mkstemp(buffer.data());
    if (fd < 0) return error = systemError(target, "cannot be written"), false;
    temporary_ = buffer.data();
    // mkstemp makes the file private; the table gets the permissions of the file it replaces, or
    // those of a new file.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(target_.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    const bool modeSet = ::fchmod(fd, mode) == 0;
    ::close(fd);
    if (!modeSet) return error = systemError(temporary_, "chmod"), false;
    out_.open(temporary_, std::ios::binary | std::ios::trunc);
    if (!out_) return error = temporary_.string() + ": cannot be written", false;
    return true;
}

bool ReplacingFile::commit(std::string& error) {
    out_.close();
    if (!out_) return error = temporary_.string() + ": cannot be written", false;
    const int fd = ::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    if (!synced) return error = systemError(temporary_, "cannot be synced"), false;
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return error = systemError(target_, "cannot be replaced"), false;
    committed_ = true;
    return true;
}

InterruptCatcher::InterruptCatcher() {
    caughtSignal = 0;
    struct sigaction action {};
    action.sa_handler = catchSignal;
    sigemptyset(&action.sa_mask);
    // Restarted system calls: a write in progress finishes and the writer stops after it.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kCaught); ++i) sigaction(kCaught[i], &action, &previous[i]);
}

InterruptCatcher::~InterruptCatcher() {
    for (std::size_t i = 0; i < std::size(kCaught); ++i) sigaction(kCaught[i], &previous[i], nullptr);
}

int InterruptCatcher::caught() const { return caughtSignal; }

Progress::Progress(std::ostream& err, std::size_t total)
    : err_(err), enabled_(::isatty(STDERR_FILENO) == 1), total_(total) {}

void Progress::update(std::size_t done) {
    if (!enabled_) return;
    const auto now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(250)) return;
    last_ = now;
    shown_ = true;
    err_ << "\rsoukoli-cli sweep: " << done << " / " << total_ << " variants" << std::flush;
}

void Progress::finish(std::size_t done) {
    if (shown_) err_ << "\rsoukoli-cli sweep: " << done << " / " << total_ << " variants\n" << std::flush;
}

}  // namespace soukoli::cli
