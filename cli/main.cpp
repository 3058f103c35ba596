// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Entry point of soukoli-cli.
#include <iostream>

#include "cli/Cli.h"

int main(int argc, char** argv) { return soukoli::cli::runCli(argc, argv, std::cout, std::cerr); }
