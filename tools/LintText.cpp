// Checking texts against the font's glyphs and their elements' rooms.
#include "LintText.h"

#include "diagnostics/DiagnosticText.h"
#include "files/RegularFile.h"
#include "gui/widgets/TextFitting.h"
#include "trellis/diagnostics/DiagnosticSink.h"
#include "trellis/font/FontChain.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/Label.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/TextField.h"
#include "trellis/gui/TitleBar.h"
#include "trellis/gui/Utf8Text.h"
#include "trellis/gui/Window.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace trellis {

namespace {

// Where the element stands, for its reports.
struct Place {
    const std::string& file;
    int line, column;
    std::string element;  // <tag name="...">
};

void warn(const Place& place, const char* attribute, const std::string& what) {
    reportDiagnostic(Diagnostic{place.file, place.line, place.column, Severity::Warning,
                                "attribute \"" + std::string(attribute) + "\" on " + place.element +
                                    ": " + what});
}

// A length in screen units as whole pixels at the start-up size, rounded up.
int pixelsOf(float units) {
    return int(std::ceil(units / pixelSize - 0.01f));
}

// "U+00F6 "ö"" for each character of text the font has no glyph for, once each.
std::string missingCharacters(const std::string& text) {
    std::vector<unsigned int> missing;
    forEachCodepoint(text, [&](unsigned int c) {
        const bool layout = c == '\n' || c == '\t';
        if (!layout && !fontDrawsCharacter(c) &&
            std::find(missing.begin(), missing.end(), c) == missing.end())
            missing.push_back(c);
    });
    std::string listed;
    for (unsigned int c : missing) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X ", c);
        std::string character;
        appendUtf8(character, c);
        listed += (listed.empty() ? "" : ", ") + std::string(code) + quoted(character);
    }
    return listed;
}

void checkText(const TextElement& element, const char* attribute, const Place& place) {
    const std::string& text = element.text;
    if (text.empty())
        return;
    const std::string missing = missingCharacters(text);
    if (!missing.empty())
        warn(place, attribute, "the font has no glyph for " + missing + " in " + quoted(text));
    // A field scrolls its text, and clip and ellipsis keep a text inside as asked.
    if (dynamic_cast<const TextField*>(&element) || element.overflow != TextOverflow::Visible)
        return;
    const float room = element.textRoom();
    const auto* label = dynamic_cast<const Label*>(&element);
    if (label && label->wrap) {
        const std::string wrapped = wrapText(text, room, element.fontSize);
        const float height =
            (std::count(wrapped.begin(), wrapped.end(), '\n') + 1) * element.fontSize;
        if (pixelsOf(height - element.height) > 0)
            warn(place, attribute,
                 quoted(text) + " wraps to " + std::to_string(pixelsOf(height)) + " px, " +
                     std::to_string(pixelsOf(height - element.height)) +
                     " px taller than the element at the start-up size");
        return;
    }
    const float width = textWidthAt(text, element.fontSize);
    if (pixelsOf(width - room) > 0)
        warn(place, attribute,
             quoted(text) + " is " + std::to_string(pixelsOf(width - room)) +
                 " px wider than the " + std::to_string(pixelsOf(room)) +
                 " px the element gives it at the start-up size");
}

}  // namespace

bool loadLintFont(const std::string& file) {
    std::string problem;
    // A TrueType or OpenType file joins the chain, which then measures every text.
    if (FontFace::isFontFile(file.c_str())) {
        std::unique_ptr<FontFace> face = FontFace::load(file.c_str(), &problem);
        if (!face) {
            reportDiagnostic(Diagnostic{file, 0, 0, Severity::Error,
                                        "font file refused: " + problem +
                                            "; text is not checked against this face"});
            return false;
        }
        textFontChain().add(std::move(face));
        return true;
    }
    const int descriptor = openRegularFile(file.c_str(), &problem);
    FILE* stream = descriptor < 0 ? nullptr : fdopen(descriptor, "rb");
    if (descriptor >= 0 && !stream)
        close(descriptor);
    FontFileContents font;
    if (!stream || !readFontFile(stream, font, &problem)) {
        reportDiagnostic(Diagnostic{file, 0, 0, Severity::Error,
                                    "font file refused: " + problem +
                                        "; text is not measured or checked for glyphs"});
        return false;
    }
    // Measuring needs the glyph table alone: no texture, so no GL.
    firstChar = font.header.firstChar;
    lastChar = font.header.lastChar;
    glyphTable = std::move(font.glyphs);
    textureName = 0;
    fontLoaded = true;
    return true;
}

void checkElementText(const GuiElement& element, const char* tag, const std::string& file, int line,
                      int column) {
    if (!fontLoaded && textFontChain().size() == 0)
        return;
    Place place{file, line, column,
                "<" + std::string(tag) +
                    (element.name.empty() ? "" : " name=" + quoted(element.name)) + ">"};
    if (const auto* window = dynamic_cast<const Window*>(&element)) {
        if (window->titleBar)
            checkText(*window->titleBar, "title", place);
    } else if (const auto* text = dynamic_cast<const TextElement*>(&element)) {
        checkText(*text, "text", place);
    }
}

}  // namespace trellis
