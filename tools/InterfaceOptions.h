// The command-line options the tools that show a dialogue share, and their parsing.
#pragma once

#include "InterfaceFiles.h"

#include <CLI/CLI.hpp>

namespace trellis {

// Adds --skin-name (repeatable: skins merged in order), --font (repeatable: the chain of faces
// in order) and --callback (repeatable) to
// app, filling files.
void addInterfaceOptions(CLI::App& app, InterfaceFiles& files);

// Parses the arguments with app. Returns kCommandLineGoesOn to go on, or the exit status after
// printing the help or the version (0), or what is wrong with the arguments (2). An empty list
// of skin names becomes the demo's "default".
int parseToolCommandLine(CLI::App& app, int argc, char** argv, InterfaceFiles& files);

}  // namespace trellis
