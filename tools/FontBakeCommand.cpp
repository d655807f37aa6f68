// The font baker's command line: reading options, writing the font file, reporting metrics.
#include "FontBake.h"

#include "AtomicWrite.h"
#include "CommandLine.h"

#include "trellis/Version.h"

#include <CLI/CLI.hpp>
#include <cstdio>

namespace trellis {

namespace {

constexpr const char* kProgram = "trellis-fontbake";

// The options, each filling its field of options; --help and --version come with the app.
void addOptions(CLI::App& app, BakeOptions& options) {
    // An option given twice takes its last value, as the baker always has.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.set_version_flag("--version", std::string(kProgram) + " " + TRELLIS_VERSION_STRING);
    app.add_option("--font", options.fontPath, "Font to render (default DejaVu Sans)")
        ->type_name("PATH");
    app.add_option("--pixels", options.pixels, "Line height in pixels, 4..256")
        ->type_name("N")
        ->capture_default_str();
    app.add_option("--first", options.firstChar, "First character code, -128..127")
        ->type_name("C")
        ->capture_default_str();
    app.add_option("--last", options.lastChar, "Last character code, -128..127")
        ->type_name("C")
        ->capture_default_str();
    app.add_option("--atlas", options.atlasSide, "Atlas side in texels, a power of two up to 8192")
        ->type_name("N")
        ->capture_default_str();
    app.add_option("--output", options.outputPath, "Font file to write")
        ->type_name("PATH")
        ->capture_default_str();
}

std::string metricsLine(const BakeOptions& options, const BakedFont& baked) {
    const GlfHeader& header = baked.contents.header;
    return options.outputPath + ": " + std::to_string(baked.contents.glyphs.size()) + " glyphs " +
           std::to_string(header.firstChar) + ".." + std::to_string(header.lastChar) +
           ", line height " + std::to_string(baked.lineHeight) + " px, em " +
           std::to_string(baked.emPixels) + " px, atlas " + std::to_string(header.textureWidth) +
           "x" + std::to_string(header.textureHeight);
}

}  // namespace

int runFontBake(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app("Bakes a TrueType/OpenType font into a texture font file.", kProgram);
    BakeOptions options;
    addOptions(app, options);
    // A wrong command line has always ended the baker with status 1.
    const int status = parseCommandLine(app, args, out, err, 1);
    if (status != kCommandLineGoesOn)
        return status;
    BakedFont baked;
    std::string error;
    // Replacing the font it reads would destroy it.
    if (sameFile(options.outputPath, options.fontPath)) {
        err << kProgram << ": the output " << options.outputPath << " is the font "
            << options.fontPath << ", which it would overwrite; choose another file\n";
        return 1;
    }
    if (!bakeFont(options, baked, error) ||
        !writeBytesAtomically(options.outputPath, encodeFontFile(baked.contents), error)) {
        err << kProgram << ": " << error << '\n';
        return 1;
    }
    out << metricsLine(options, baked) << '\n';
    return 0;
}

}  // namespace trellis
