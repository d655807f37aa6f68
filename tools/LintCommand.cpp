// trellis-lint's command line: options, the diagnostics in compiler form, the count, the status.
#include "Lint.h"

#include "CommandLine.h"
#include "dialogue/ElementTagTable.h"

#include "trellis/Version.h"

#include <CLI/CLI.hpp>

namespace trellis {

namespace {

constexpr const char* kProgram = "trellis-lint";
constexpr int kUsageError = 2;

// "1 warning", "2 errors", "0 errors".
std::string counted(size_t count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

int runLint(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app("Checks trellis dialogue and skin files without opening a window, and prints "
                 "each mistake as file:line:column: severity: message.",
                 kProgram);
    app.set_version_flag("--version", std::string(kProgram) + " " + TRELLIS_VERSION_STRING);
    LintRequest request;
    bool werror = false;
    app.add_option("--skin", request.skinFile,
                   "A skin file: every skin in it is checked, and its sections against the "
                   "dialogues' elements")
        ->type_name("FILE");
    app.add_option("--callback", request.callbacks,
                   "A callback name the program registers before loading the dialogue; repeat "
                   "for each")
        ->type_name("NAME")
        ->allow_extra_args(false);
    app.add_option("--font", request.fontFiles,
                   "The font to measure text with, for the characters it has no glyph for and "
                   "text wider than its element: a texture font, or TrueType or OpenType files, "
                   "repeated for a chain of faces consulted in order (default: verdana.glf, if it "
                   "is in the working directory)")
        ->type_name("FILE")
        ->allow_extra_args(false);
    app.add_option("--tag", request.tags,
                   "An element tag the program registers (registerElementTag) before loading "
                   "the dialogue; repeat for each")
        ->type_name("NAME")
        ->allow_extra_args(false);
    app.add_flag("--werror", werror, "Fail (exit status 1) on warnings too");
    app.add_option("FILE", request.dialogues, "Dialogue files to check")->type_name("FILE");
    const int status = parseCommandLine(app, args, out, err, kUsageError, [&request] {
        if (request.skinFile.empty() && request.dialogues.empty())
            throw CLI::ValidationError("nothing to check: give dialogue files, --skin, or both");
        for (const std::string& tag : request.tags)
            if (tag.empty() || isBuiltInTag(tag.c_str()))
                throw CLI::ValidationError("--tag \"" + tag +
                                           "\": not a tag of the program's own (the loader "
                                           "builds the built-in tags itself)");
    });
    if (status != kCommandLineGoesOn)
        return status;
    size_t errors = 0, warnings = 0;
    for (const Diagnostic& diagnostic : lintFiles(request)) {
        out << formatDiagnostic(diagnostic) << '\n';
        errors += diagnostic.severity == Severity::Error;
        warnings += diagnostic.severity == Severity::Warning;
    }
    out << counted(warnings, "warning") << ", " << counted(errors, "error") << '\n';
    return errors > 0 || (werror && warnings > 0) ? 1 : 0;
}

}  // namespace trellis
