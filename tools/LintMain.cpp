// trellis-lint: checks dialogue and skin files and prints their mistakes as a compiler does.
#include "Lint.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return trellis::runLint(args, std::cout, std::cerr);
}
