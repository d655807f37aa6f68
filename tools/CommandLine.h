// The command-line step every trellis tool shares: parse with CLI11, answer --help and
// --version, and turn a wrong command line into one line on the error stream.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace trellis {

constexpr int kCommandLineGoesOn = -1;  // parseCommandLine's answer when the tool should run

// Parses args (without the program name) into app. Returns kCommandLineGoesOn to run the tool,
// 0 after printing help or the version to out, or usageStatus after printing the error
// ("program: message (see --help)") to err. Errors thrown by validate count as usage errors.
int parseCommandLine(CLI::App& app, const std::vector<std::string>& args, std::ostream& out,
                     std::ostream& err, int usageStatus,
                     const std::function<void()>& validate = {});

}  // namespace trellis
