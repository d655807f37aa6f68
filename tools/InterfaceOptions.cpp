// The shared options of trellis-render and trellis-preview.
#include "InterfaceOptions.h"

#include "CommandLine.h"

#include <iostream>

namespace trellis {

void addInterfaceOptions(CLI::App& app, InterfaceFiles& files) {
    app.add_option("--skin-name", files.skinNames,
                   "A skin of the skin file to merge; repeat it to merge several in order "
                   "(\"--skin-name default --skin-name test\" shows the demo's skin change)")
        ->type_name("NAME")
        ->capture_default_str();
    app.add_option("--font", files.fonts,
                   "The font file: a texture font, or TrueType or OpenType faces, repeated for a "
                   "chain consulted per character in order")
        ->type_name("FILE")
        ->allow_extra_args(false)
        ->capture_default_str();
    app.add_option("--callback", files.callbacks,
                   "A callback name the program registers before loading the dialogue (here it "
                   "does nothing); repeat it for each name")
        ->type_name("NAME");
}

int parseToolCommandLine(CLI::App& app, int argc, char** argv, InterfaceFiles& files) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = parseCommandLine(app, args, std::cout, std::cerr, 2);
    if (status != kCommandLineGoesOn)
        return status;
    if (files.skinNames.empty())
        files.skinNames.push_back("default");
    return -1;
}

}  // namespace trellis
