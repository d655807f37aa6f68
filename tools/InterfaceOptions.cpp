// The shared options of trellis-render and trellis-preview.
#include "InterfaceOptions.h"

namespace trellis {

void addInterfaceOptions(CLI::App& app, InterfaceFiles& files) {
    app.add_option("--skin-name", files.skinNames,
                   "A skin of the skin file to merge; repeat it to merge several in order "
                   "(\"--skin-name default --skin-name test\" shows the demo's skin change)")
        ->type_name("NAME")
        ->capture_default_str();
    app.add_option("--font", files.font, "The texture font file")
        ->type_name("FILE")
        ->capture_default_str();
    app.add_option("--callback", files.callbacks,
                   "A callback name the program registers before loading the dialogue (here it "
                   "does nothing); repeat it for each name")
        ->type_name("NAME");
}

int parseToolCommandLine(CLI::App& app, int argc, char** argv, InterfaceFiles& files) {
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // Help and version end the run with 0; a wrong command line with 2, as is usual.
        return app.exit(error) == 0 ? 0 : 2;
    }
    if (files.skinNames.empty())
        files.skinNames.push_back("default");
    return -1;
}

}  // namespace trellis
