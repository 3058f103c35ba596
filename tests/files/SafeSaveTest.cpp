// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// What a save does to whatever stands at its names, in a scratch folder: only regular writable
// files are replaced, links are followed, permissions kept, every refusal names its reason and
// leaves the old thing as it was; saves killed at random leave the old or the new files whole.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "files/Cp1250.h"
#include "files/FileCommands.h"
#include "files/PosixFiles.h"
#include "files/ProjectFile.h"
#include "files/TextFile.h"
#include "tests/files/Projects.h"
#include "tests/support/RecordingUi.h"

namespace soukoli::files {
namespace {

namespace fs = std::filesystem;
using soukoli::testing::RecordingUi;
using testing::classesProject;
using testing::defaultProject;

const FixedClock kClock({2026, 12, 8, 14, 30, 0});

std::string content(const fs::path& p) { return readWholeFile(p).value_or("<missing>"); }

void write(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

// What stands at a name, without following links.
struct Snapshot {
    mode_t mode = 0;
    std::string bytes;  // of a regular file
    std::string link;   // of a symbolic link
    bool operator==(const Snapshot&) const = default;
};

std::optional<Snapshot> snapshot(const fs::path& p) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0) return std::nullopt;
    Snapshot s{st.st_mode, {}, {}};
    if (S_ISREG(st.st_mode)) s.bytes = content(p);
    if (S_ISLNK(st.st_mode)) s.link = fs::read_symlink(p).string();
    return s;
}

mode_t permissions(const fs::path& p) {
    struct stat st {};
    EXPECT_EQ(::stat(p.c_str(), &st), 0) << p;
    return st.st_mode & 0777;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

std::vector<std::string> temporariesUnder(const fs::path& dir) {
    std::vector<std::string> found;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.path().filename().string().ends_with(".tmp~")) found.push_back(e.path().string());
    return found;
}

// The id of a process that has ended.
pid_t deadProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

class SafeSave : public ::testing::Test {
protected:
    fs::path dir;    // where the save goes
    fs::path other;  // a second folder for link targets

    void SetUp() override {
        // Short: a socket's name must fit into sockaddr_un.
        const fs::path root = fs::temp_directory_path() / ("soukoli-save-" + std::to_string(::getpid()));
        fs::remove_all(root);
        dir = root / "d";
        other = root / "o";
        fs::create_directories(dir);
        fs::create_directories(other);
    }
    void TearDown() override { fs::remove_all(dir.parent_path()); }
};

struct TargetCase {
    const char* what;
    std::function<void(const fs::path& pev, const fs::path& other)> prepare;  // what stands at p.PEV
    SaveError expected;
    std::function<void(const fs::path& pev, const fs::path& other)> check = {};  // after a good save
};

TEST_F(SafeSave, TargetKindsAndFailureReasons) {
    const std::string old = "old project\r\n";
    const std::vector<TargetCase> cases = {
        {"nothing there", [](auto&, auto&) {}, SaveError::None,
         [](const fs::path& pev, auto&) { EXPECT_EQ(permissions(pev), 0666 & ~currentUmask()); }},
        {"private file", [&](const fs::path& pev, auto&) { write(pev, old); fs::permissions(pev, fs::perms(0600)); },
         SaveError::None, [](const fs::path& pev, auto&) { EXPECT_EQ(permissions(pev), 0600u); }},
        {"read-only file", [&](const fs::path& pev, auto&) { write(pev, old); fs::permissions(pev, fs::perms(0444)); },
         SaveError::ReadOnlyTarget},
        {"link to a file elsewhere",
         [&](const fs::path& pev, const fs::path& o) {
             write(o / "real.PEV", old);
             fs::permissions(o / "real.PEV", fs::perms(0640));
             fs::create_symlink("../o/real.PEV", pev);
         },
         SaveError::None,
         [](const fs::path& pev, const fs::path& o) {
             EXPECT_TRUE(fs::is_symlink(pev));
             EXPECT_EQ(content(o / "real.PEV"), writeString(defaultProject()).bytes);
             EXPECT_EQ(permissions(o / "real.PEV"), 0640u);
         }},
        {"link to a link to nothing yet",
         [](const fs::path& pev, const fs::path& o) {
             fs::create_symlink(o / "hop", pev);
             fs::create_symlink("new.PEV", o / "hop");
         },
         SaveError::None,
         [](const fs::path& pev, const fs::path& o) {
             EXPECT_TRUE(fs::is_symlink(pev));
             EXPECT_EQ(content(o / "new.PEV"), writeString(defaultProject()).bytes);
         }},
        {"read-only file behind a link",
         [&](const fs::path& pev, const fs::path& o) {
             write(o / "real.PEV", old);
             fs::permissions(o / "real.PEV", fs::perms(0444));
             fs::create_symlink(o / "real.PEV", pev);
         },
         SaveError::ReadOnlyTarget},
        {"links in a loop",
         [](const fs::path& pev, const fs::path& o) {
             fs::create_symlink(o / "a", pev);
             fs::create_symlink(pev, o / "a");
         },
         SaveError::LinkLoop},
        {"folder", [](const fs::path& pev, auto&) { fs::create_directory(pev); }, SaveError::TargetIsFolder},
        {"FIFO", [](const fs::path& pev, auto&) { ASSERT_EQ(::mkfifo(pev.c_str(), 0644), 0); }, SaveError::TargetNotAFile},
        {"socket",
         [](const fs::path& pev, auto&) {
             const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             ASSERT_LT(pev.string().size(), sizeof address.sun_path);
             std::strcpy(address.sun_path, pev.c_str());
             ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << std::strerror(errno);
             ::close(s);
         },
         SaveError::TargetNotAFile},
        {"temporary file of a killed save",
         [&](const fs::path& pev, auto&) {
             write(pev, old);
             write(pev.parent_path() / posix::temporaryNameFor(pev, deadProcess(), 0), "half a proj");
         },
         SaveError::None},
    };
    const auto d = defaultProject();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir);
        fs::remove_all(other);
        fs::create_directories(dir);
        fs::create_directories(other);
        const fs::path pev = dir / "p.PEV";
        c.prepare(pev, other);
        const auto before = snapshot(pev);
        const auto linkTarget = snapshot(other / "real.PEV");

        RecordingUi ui;
        const auto outcome = saveProject(d, dir / "p", ui, kClock);
        EXPECT_EQ(outcome.error, c.expected);
        EXPECT_TRUE(outcome.inputReportSaved);
        if (c.expected == SaveError::None) {
            EXPECT_TRUE(outcome.ok()) << outcome.detail;
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(content(pev), writeString(d).bytes);
            if (c.check) c.check(pev, other);
            EXPECT_EQ(temporariesUnder(dir.parent_path()), std::vector<std::string>{});
            continue;
        }
        EXPECT_FALSE(outcome.projectSaved);
        EXPECT_FALSE(outcome.resultsSaved);
        EXPECT_EQ(outcome.failedFile, pev);
        EXPECT_FALSE(outcome.detail.empty());
        const std::string expectedText = "Soubor nelze uložit.\r" + std::string(saveErrorText(c.expected)) + "\r" + pev.string();
        EXPECT_EQ(ui.messages, (std::vector<soukoli::testing::Message>{{expectedText, "Ukládáni", MessageIcon::None}}));
        EXPECT_EQ(snapshot(pev), before);
        EXPECT_EQ(snapshot(other / "real.PEV"), linkTarget);
        EXPECT_FALSE(fs::exists(dir / "p.VYS"));
    }
}

TEST(SaveErrors, EverySystemErrorHasACzechReason) {
    const std::vector<std::pair<int, SaveError>> cases = {
        {ENOSPC, SaveError::DiskFull},          {EDQUOT, SaveError::DiskFull},
        {EACCES, SaveError::NoPermission},      {EPERM, SaveError::NoPermission},
        {EROFS, SaveError::ReadOnlyFileSystem}, {ENOENT, SaveError::FolderMissing},
        {ENOTDIR, SaveError::FolderMissing},    {EISDIR, SaveError::TargetIsFolder},
        {ENAMETOOLONG, SaveError::NameTooLong}, {ELOOP, SaveError::LinkLoop},
        {EIO, SaveError::DeviceError},          {EBADF, SaveError::Other},
        {0, SaveError::Other},
    };
    for (const auto& [error, expected] : cases) EXPECT_EQ(posix::saveErrorForErrno(error), expected) << error;

    // Each reason is its own sentence; success has none.
    EXPECT_TRUE(saveErrorText(SaveError::None).empty());
    std::set<std::string_view> texts;
    for (int e = static_cast<int>(SaveError::DiskFull); e <= static_cast<int>(SaveError::Other); ++e) {
        const auto text = saveErrorText(static_cast<SaveError>(e));
        EXPECT_TRUE(text.ends_with(".")) << e;
        EXPECT_TRUE(toCp1250(text).has_value()) << e;
        EXPECT_TRUE(texts.insert(text).second) << e;
    }
}

TEST_F(SafeSave, NamesOutsideWindows1250AndNamesOfFolders) {
    EXPECT_EQ(withCp1250Substitutes("Převod č. 3 – €"), "Převod č. 3 – €");
    EXPECT_EQ(withCp1250Substitutes("Проект 😀/p"), "?????? ?/p");
    EXPECT_EQ(withCp1250Substitutes("a\xFF" "b\xC5"), "a?b?");

    // The files keep the real name; the report headers show it with substitutes.
    const fs::path folder = dir / "Проект 😀";
    fs::create_directory(folder);
    RecordingUi ui;
    const auto outcome = saveProject(defaultProject(), folder / "p", ui, kClock);
    ASSERT_TRUE(outcome.ok()) << outcome.detail;
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_NE(content(folder / "p").find("Jm\xE9no souboru - " + (dir / "?????? ?" / "p").string() + "\r\n"), std::string::npos);
    EXPECT_NE(content(folder / "p.VYS").find("Jm\xE9no souboru - " + (dir / "?????? ?" / "p.VYS").string() + "\r\n"),
              std::string::npos);

    // A name of a folder writes nothing at all, not even hidden ".PEV" files.
    for (const fs::path& name : {dir / "", dir / ".", folder, dir / "sub" / ".."}) {
        SCOPED_TRACE(name.string());
        EXPECT_TRUE(saveNameIsFolder(name));
        ui.messages.clear();
        const auto refused = saveProject(defaultProject(), name, ui, kClock);
        EXPECT_EQ(refused.error, SaveError::NameIsFolder);
        EXPECT_EQ(ui.messages.size(), 1u);
        EXPECT_FALSE(fs::exists(dir / ".PEV"));
        EXPECT_FALSE(fs::exists(folder / ".PEV"));
    }
    EXPECT_FALSE(saveNameIsFolder(dir / "p"));
}

// Saves at the edges: two saves of one name at once (each must succeed and leave a whole file),
// a name as long as the file system takes, a file-size limit (a message, not a kill) and a name
// with a line break (refused before anything is written).
TEST_F(SafeSave, ConcurrentSavesLongNamesSizeLimitAndControlCharacters) {
    const GearPairData projects[2] = {defaultProject(), classesProject()};
    std::set<std::string> whole;
    for (const auto& p : projects) whole.insert(writeString(p).bytes);
    const fs::path name = dir / "spolu";
    for (int pair = 0; pair < 200; ++pair) {
        SaveOutcome outcomes[2];
        {
            std::vector<std::thread> savers;
            for (int i = 0; i < 2; ++i)
                savers.emplace_back([&, i] {
                    RecordingUi ui;
                    outcomes[i] = saveProject(projects[i], name, ui, kClock);
                });
            for (auto& t : savers) t.join();
        }
        for (const auto& o : outcomes) ASSERT_TRUE(o.ok()) << "pair " << pair << ": " << o.reason << " " << o.detail;
        ASSERT_EQ(whole.count(content(dir / "spolu.PEV")), 1u) << "pair " << pair;
    }
    EXPECT_EQ(temporariesUnder(dir), std::vector<std::string>{});

    // 250 characters: the three names fit into the file system's 255, the temporary files too.
    const fs::path longName = dir / std::string(250, 'p');
    RecordingUi ui;
    ASSERT_TRUE(saveProject(projects[0], longName, ui, kClock).ok());
    EXPECT_EQ(content(fs::path(longName) += ".PEV"), writeString(projects[0]).bytes);

    // Under a file-size limit the kernel would kill the process; the save says the disk is full.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        RecordingUi childUi;
        const auto outcome = saveProject(projects[0], dir / "omezeno", childUi, kClock);
        const bool reported = !childUi.messages.empty() &&
                              childUi.messages[0].text.find(saveErrorText(SaveError::DiskFull)) != std::string::npos;
        ::_exit(outcome.error == SaveError::DiskFull && reported ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(temporariesUnder(dir), std::vector<std::string>{});

    for (const fs::path& bad : {dir / "a\nb", dir / "tab\there", dir / "x\x7f"}) {
        ui.messages.clear();
        const auto refused = saveProject(projects[0], bad, ui, kClock);
        EXPECT_EQ(refused.error, SaveError::NameHasControlCharacter);
        EXPECT_EQ(ui.messages.size(), 1u);
        EXPECT_FALSE(refused.inputReportSaved);
        EXPECT_FALSE(fs::exists(bad));
    }
}

// A child saves two projects in turn under one name until it is killed at a random moment; after
// every kill each of the three files is the complete old or the complete new one, and the next
// save leaves no temporary file behind.
TEST_F(SafeSave, SavesKilledAtRandomLeaveWholeFiles) {
    const GearPairData projects[2] = {defaultProject(), classesProject()};
    const fs::path name = dir / "k";
    const fs::path files[3] = {name, dir / "k.PEV", dir / "k.VYS"};
    std::set<std::string> whole[3];
    for (const auto& project : projects) {
        RecordingUi ui;
        ASSERT_TRUE(saveProject(project, name, ui, kClock).ok());
        for (int f = 0; f < 3; ++f) whole[f].insert(content(files[f]));
    }

    std::mt19937 rng(4686);
    std::uniform_int_distribution<int> delayMicroseconds(200, 20000);
    for (int kill = 0; kill < 30; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            RecordingUi ui;
            for (unsigned i = 0;; ++i) (void)saveProject(projects[i % 2], name, ui, kClock);
        }
        ::usleep(static_cast<useconds_t>(delayMicroseconds(rng)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        for (int f = 0; f < 3; ++f) EXPECT_EQ(whole[f].count(content(files[f])), 1u) << files[f] << " after kill " << kill;
    }

    RecordingUi ui;
    ASSERT_TRUE(saveProject(projects[0], name, ui, kClock).ok());
    EXPECT_EQ(temporariesUnder(dir), std::vector<std::string>{});
}

}  // namespace
}  // namespace soukoli::files
