// Shared by the fuzzers: screen units without GL, a private file for each input, and the
// check that a torn-down tree left nothing in the routing state.
#pragma once

#include "support/TreeTeardown.h"
#include "trellis/diagnostics/DiagnosticSink.h"
#include "trellis/gui/GuiElement.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/ScreenUnits.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace trellis {

// Screen units as start-up fixes them for a 1024 x 768 viewport.
inline void useFuzzScreenUnits() {
    viewport[2] = 1024;
    viewport[3] = 768;
    pixelSize = 100.0f / 768.0f;
    titleBarHeight = snapToPixel(2.5f);
    borderWidth = snapToPixel(0.4f);
}

// A file of this process that holds each input in turn; removed at exit.
class InputFile {
public:
    explicit InputFile(const char* stem)
        : path("/tmp/trellis-fuzz-" + std::string(stem) + "-" + std::to_string(getpid())) {}
    ~InputFile() { std::remove(path.c_str()); }

    const char* write(const uint8_t* data, size_t size) const {
        if (FILE* file = std::fopen(path.c_str(), "wb")) {
            std::fwrite(data, 1, size, file);
            std::fclose(file);
        }
        return path.c_str();
    }
    const char* write(const std::string& text) const {
        return write(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    }

private:
    std::string path;
};

// Installs a diagnostics handler for the whole run, so that every input also goes through the
// loaders' reports; traps on one that is not a single line with a place that makes sense.
inline void checkDiagnostics() {
    setDiagnosticHandler([](const Diagnostic& diagnostic) {
        const std::string text = formatDiagnostic(diagnostic);
        if (diagnostic.line < 0 || diagnostic.column < 0 ||
            (diagnostic.line == 0) != (diagnostic.column == 0) || diagnostic.message.empty() ||
            text.find('\n') != std::string::npos)
            __builtin_trap();
    });
}

// Traps unless the routing state holds no element: what an emptied tree must leave.
inline void checkRoutingCleared() {
    bool clear = !hoveredElement && !focusElement;
    for (GuiElement* pressed : pressedElements)
        clear = clear && !pressed;
    if (!clear)
        __builtin_trap();
}

}  // namespace trellis
