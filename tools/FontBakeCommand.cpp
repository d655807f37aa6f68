// The font baker's command line: reading options, writing the font file, reporting metrics.
#include "FontBake.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace trellis {

namespace {

const char kUsage[] =
    "usage: trellis-fontbake [options]\n"
    "Bakes a TrueType/OpenType font into a texture font file.\n"
    "  --font PATH    font to render (default DejaVu Sans)\n"
    "  --pixels N     line height in pixels, 4..256 (default 15)\n"
    "  --first C      first character code, -128..127 (default 32)\n"
    "  --last C       last character code, -128..127 (default 126)\n"
    "  --atlas N      atlas side in texels, a power of two up to 8192 (default 256)\n"
    "  --output PATH  font file to write (default verdana.glf)\n"
    "  --help         show this text\n";

// An option that takes an integer, and the setting it fills.
struct IntegerOption {
    const char* name;         // as typed on the command line
    int BakeOptions::*field;  // where the value goes
};

const IntegerOption kIntegerOptions[] = {
    {"--pixels", &BakeOptions::pixels},
    {"--first", &BakeOptions::firstChar},
    {"--last", &BakeOptions::lastChar},
    {"--atlas", &BakeOptions::atlasSide},
};

bool parseInteger(const std::string& text, int& value) {
    char* end = nullptr;
    errno = 0;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || parsed < INT_MIN || parsed > INT_MAX) {
        return false;
    }
    value = int(parsed);
    return true;
}

std::string* pathOption(const std::string& name, BakeOptions& options) {
    if (name == "--font") {
        return &options.fontPath;
    }
    if (name == "--output") {
        return &options.outputPath;
    }
    return nullptr;
}

const IntegerOption* integerOption(const std::string& name) {
    for (const IntegerOption& option : kIntegerOptions) {
        if (name == option.name) {
            return &option;
        }
    }
    return nullptr;
}

bool applyOption(const std::string& name, const std::string& value, BakeOptions& options,
                 std::string& error) {
    if (std::string* path = pathOption(name, options)) {
        *path = value;
        return true;
    }
    const IntegerOption* option = integerOption(name);
    if (option && parseInteger(value, options.*option->field)) {
        return true;
    }
    error = option ? name + " wants an integer, got '" + value + "'"
                   : "unknown option '" + name + "' (see --help)";
    return false;
}

// Every option but --help takes a value, so arguments are read in pairs.
bool parseArguments(const std::vector<std::string>& args, BakeOptions& options, bool& help,
                    std::string& error) {
    for (size_t i = 0; i < args.size(); i += 2) {
        if (args[i] == "--help") {
            help = true;
            return true;
        }
        if (i + 1 == args.size()) {
            error = args[i] + " needs a value";
            return false;
        }
        if (!applyOption(args[i], args[i + 1], options, error)) {
            return false;
        }
    }
    return true;
}

bool writeBytes(const std::string& path, const std::vector<unsigned char>& bytes,
                std::string& error) {
    FILE* file = std::fopen(path.c_str(), "wb");
    bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    // fclose flushes, so it can still fail after a complete fwrite.
    if (file && std::fclose(file) != 0) {
        written = false;
    }
    if (!written) {
        error = "cannot write '" + path + "'";
    }
    return written;
}

std::string metricsLine(const BakeOptions& options, const BakedFont& baked) {
    const GlfHeader& header = baked.contents.header;
    return options.outputPath + ": " + std::to_string(baked.contents.glyphs.size()) + " glyphs " +
           std::to_string(header.firstChar) + ".." + std::to_string(header.lastChar) +
           ", line height " + std::to_string(baked.lineHeight) + " px, em " +
           std::to_string(baked.emPixels) + " px, atlas " + std::to_string(header.textureWidth) +
           "x" + std::to_string(header.textureHeight);
}

bool bakeAndWrite(const std::vector<std::string>& args, std::ostream& out, std::string& error) {
    BakeOptions options;
    bool help = false;
    if (!parseArguments(args, options, help, error)) {
        return false;
    }
    if (help) {
        out << kUsage;
        return true;
    }
    BakedFont baked;
    if (!bakeFont(options, baked, error) ||
        !writeBytes(options.outputPath, encodeFontFile(baked.contents), error)) {
        return false;
    }
    out << metricsLine(options, baked) << '\n';
    return true;
}

}  // namespace

int runFontBake(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    if (bakeAndWrite(args, out, error)) {
        return 0;
    }
    err << "trellis-fontbake: " << error << '\n';
    return 1;
}

}  // namespace trellis
