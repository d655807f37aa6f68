// trellis-render: the options, and the frame drawn as the demo draws it.
#include "RenderCommand.h"

#include "AtomicWrite.h"
#include "InterfaceOptions.h"
#include "OffscreenContext.h"
#include "trellis/Version.h"
#include "trellis/diagnostics/DiagnosticSink.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/GuiRoot.h"

#include <GL/gl.h>
#include <charconv>
#include <cstdio>
#include <map>

namespace trellis {

namespace {

constexpr const char* kProgram = "trellis-render";

// Reads "A<separator>B" of two whole numbers into a and b; false for anything else.
bool parsePair(const std::string& text, char separator, int& a, int& b) {
    const size_t split = text.find(separator);
    if (split == std::string::npos)
        return false;
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto first = std::from_chars(begin, begin + split, a);
    const auto second = std::from_chars(begin + split + 1, end, b);
    return split > 0 && first.ptr == begin + split && first.ec == std::errc() &&
           second.ptr == end && second.ec == std::errc() && split + 1 < text.size();
}

// Why text is not an image size WIDTHxHEIGHT whose sides and area a PNG file may hold, or ""
// with the size in width and height.
std::string sizeError(const std::string& text, int& width, int& height) {
    if (!parsePair(text, 'x', width, height))
        return "expected WIDTHxHEIGHT in pixels, e.g. 1024x768";
    if (width < 1 || height < 1 || width > kMaxPngSide || height > kMaxPngSide ||
        static_cast<long long>(width) * height > kMaxPngPixels)
        return "each side must be 1 to " + std::to_string(kMaxPngSide) + " pixels, and the area " +
               "at most " + std::to_string(kMaxPngPixels) + " pixels";
    return "";
}

// Why text is not a pointer position X,Y, or "" with the position in x and y.
std::string pointerError(const std::string& text, int& x, int& y) {
    if (!parsePair(text, ',', x, y))
        return "expected X,Y in pixels from the top-left, e.g. 500,300";
    return "";
}

// Why the output may not be written: it is one of the files read, which writing it would
// destroy; or "" when it is none of them.
std::string outputError(const RenderOptions& options) {
    static const char* const kWhat[] = {"dialogue", "skin file"};
    const std::vector<const std::string*> inputs = options.files.inputs();
    for (size_t i = 0; i < inputs.size(); ++i)
        if (sameFile(options.output, *inputs[i]))
            return "the output " + options.output + " is the " + (i < 2 ? kWhat[i] : "font file") +
                   " " + *inputs[i] + ", which it would overwrite; choose another file";
    return "";
}

void printDiagnostic(const Diagnostic& diagnostic) {
    std::fprintf(stderr, "%s\n", formatDiagnostic(diagnostic).c_str());
}

}  // namespace

int parseRenderOptions(int argc, char** argv, RenderOptions& options) {
    CLI::App app("Renders a dialogue with a skin and a font to a PNG image, off screen, with "
                 "the demo's drawing code: the image equals the demo window's pixels.",
                 kProgram);
    app.set_version_flag("--version", std::string(kProgram) + " " + TRELLIS_VERSION_STRING);
    app.add_option("DIALOGUE", options.files.dialogue, "The dialogue file")->required();
    app.add_option("-o,--output", options.output, "The PNG file to write")
        ->required()
        ->type_name("OUT.png");
    app.add_option("--skin", options.files.skin, "The skin file")
        ->type_name("FILE")
        ->capture_default_str();
    addInterfaceOptions(app, options.files);
    std::string size = "1024x768", pointer;
    app.add_option("--size", size, "The image size in pixels")
        ->type_name("WxH")
        ->capture_default_str()
        ->check([](const std::string& text) {
            int width = 0, height = 0;
            return sizeError(text, width, height);
        });
    CLI::Option* pointerOption =
        app.add_option("--pointer", pointer, "The pointer's position in pixels: hover look")
            ->type_name("X,Y")
            ->check([](const std::string& text) {
                int x = 0, y = 0;
                return pointerError(text, x, y);
            });
    const std::map<std::string, int> buttons{{"left", 0}, {"right", 1}, {"middle", 2}};
    app.add_option("--press", options.pressedButton,
                   "A mouse button held down at the pointer: pressed look")
        ->type_name("BUTTON")
        ->transform(CLI::CheckedTransformer(buttons, CLI::ignore_case))
        ->needs(pointerOption);
    app.add_flag("--debug-lines", options.debugLines,
                 "Draw the demo's debug lines: hovered class, focus name, pointer position");
    const int status = parseToolCommandLine(app, argc, argv, options.files);
    if (status >= 0)
        return status;
    const std::string clash = outputError(options);
    if (!clash.empty()) {
        std::fprintf(stderr, "%s: %s\n", kProgram, clash.c_str());
        return 2;
    }
    sizeError(size, options.width, options.height);
    options.pointerGiven = !pointer.empty();
    if (options.pointerGiven)
        pointerError(pointer, options.pointerX, options.pointerY);
    return -1;
}

int runRender(const RenderOptions& options) {
    OffscreenContext context;
    std::string error;
    if (!context.open(options.width, options.height, error)) {
        std::fprintf(stderr, "%s: cannot render off screen: %s\n", kProgram, error.c_str());
        return 1;
    }
    const DiagnosticHandler previous = setDiagnosticHandler(printDiagnostic);
    int status = 0;
    if (!initHostGui(options.width, options.height)) {
        std::fprintf(stderr, "%s: cannot start the interface\n", kProgram);
        status = 1;
    }
    if (status == 0) {
        for (const std::string& failure : buildInterface(options.files).failures) {
            std::fprintf(stderr, "%s: %s\n", kProgram, failure.c_str());
            status = 1;
        }
    }
    if (status == 0) {
        if (options.pointerGiven)
            hostCursorPos(nullptr, options.pointerX, options.pointerY);
        if (options.pressedButton >= 0)
            hostMouseButton(options.pressedButton, 1);
        // The demo's frame: opaque black colour and a cleared depth buffer under the interface.
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawInterface(options.debugLines);
        glFinish();
        const PngImage pixels = context.readPixels();
        const auto writePng = [&pixels](const std::string& path, std::string& why) {
            return writePngFile(path.c_str(), pixels, &why);
        };
        if (!writeAtomically(options.output, writePng, error)) {
            std::fprintf(stderr, "%s: %s\n", kProgram, error.c_str());
            status = 1;
        }
    }
    // The interface goes while its context is still current.
    destroyElement(rootElement);
    releaseGlyphTable();
    setDiagnosticHandler(previous);
    return status;
}

}  // namespace trellis
