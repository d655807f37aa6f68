// trellis-fontbake: bakes a TrueType/OpenType font into the toolkit's texture font file.
#include "FontBake.h"

#include <iostream>

using namespace trellis;

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return runFontBake(args, std::cout, std::cerr);
}
