// Entry point of soukoli-cli.
#include <iostream>

#include "cli/Cli.h"

int main(int argc, char** argv) { return soukoli::cli::runCli(argc, argv, std::cout, std::cerr); }
