// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Runs the soukoli-cli binary as a user would, in a scratch folder of the test, and collects its
// exit status, standard output and standard error. Shared by the CLI and sweep tests.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace soukoli::testing {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

/// `s` as one word for /bin/sh.
inline std::string shellQuote(const std::string& s) {
    std::string q = "'";
    for (const char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

/// A test with its own empty folder (named after the test) that runs `cli` there.
class CliFixture : public ::testing::Test {
protected:
    CliFixture(std::string cli, std::string prefix) : cli_(std::move(cli)), prefix_(std::move(prefix)) {}

    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               (prefix_ + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    /// Runs the program with `args` (shell words, already quoted where needed).
    CliResult run(const std::string& args) {
        const std::filesystem::path errFile = dir_ / "stderr.txt";
        const std::string command = "cd " + shellQuote(dir_.string()) + " && " + shellQuote(cli_) + " " + args +
                                    " 2>" + shellQuote(errFile.string());
        CliResult r;
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) return r;
        std::array<char, 4096> buf{};
        std::size_t n = 0;
        while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) r.out.append(buf.data(), n);
        const int raw = pclose(pipe);
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.err = slurp(errFile);
        return r;
    }

    std::filesystem::path dir_;

private:
    std::string cli_;
    std::string prefix_;
};

}  // namespace soukoli::testing
