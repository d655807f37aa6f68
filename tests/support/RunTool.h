// Test support: running one of the build's programs as a user would, from a shell, with a
// time-out so that a hang fails the test instead of stalling it.
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace trellis {

// What a program run gave: its exit status (-1 when it did not exit normally or timed out)
// and its standard error.
struct ToolRun {
    int status = -1;
    std::string errors;
};

// Runs the shell command line in folder, killed after seconds, its standard error captured
// through errorFile.
inline ToolRun runTool(const std::string& folder, const std::string& commandLine,
                       const std::string& errorFile, int seconds = 60) {
    const std::string shell = "cd '" + folder + "' && timeout " + std::to_string(seconds) + " " +
                              commandLine + " 2>'" + errorFile + "'";
    ToolRun run;
    const int status = std::system(shell.c_str());
    if (WIFEXITED(status) && WEXITSTATUS(status) != 124)
        run.status = WEXITSTATUS(status);
    std::stringstream text;
    text << std::ifstream(errorFile).rdbuf();
    run.errors = text.str();
    return run;
}

}  // namespace trellis
