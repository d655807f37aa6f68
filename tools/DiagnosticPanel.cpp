// Ordering the diagnostics for the panel and drawing it in screen units with the texture font.
#include "DiagnosticPanel.h"

#include "trellis/font/TextureFont.h"
#include "trellis/gui/ScreenUnits.h"

#include <GL/gl.h>
#include <algorithm>
#include <map>
#include <tuple>

namespace trellis {

namespace {

constexpr float kTextSize = 2.0f;  // units: the demo's debug lines' size
constexpr float kLineHeight = 2.6f;
constexpr float kMargin = 1.0f;

void setColour(Severity severity) {
    switch (severity) {
    case Severity::Error:
        glColor3f(1.0f, 0.55f, 0.5f);
        break;
    case Severity::Warning:
        glColor3f(1.0f, 0.85f, 0.45f);
        break;
    case Severity::Note:
        glColor3f(0.8f, 0.85f, 0.9f);
        break;
    }
}

// "1 error", "47 warnings".
std::string counted(size_t count, Severity severity) {
    return std::to_string(count) + " " + severityName(severity) + (count == 1 ? "" : "s");
}

}  // namespace

std::vector<Diagnostic> panelOrder(const std::vector<Diagnostic>& diagnostics) {
    // Files rank in the order they first appear; a diagnostic without a file comes after them.
    std::map<std::string, size_t> fileRank;
    for (const Diagnostic& diagnostic : diagnostics)
        if (!diagnostic.file.empty())
            fileRank.emplace(diagnostic.file, fileRank.size());
    const auto key = [&](const Diagnostic& d) {
        const size_t file = d.file.empty() ? fileRank.size() : fileRank.at(d.file);
        // Severity::Error is the highest: negated, it sorts first.
        return std::make_tuple(-int(d.severity), file, d.line, d.column);
    };
    std::vector<Diagnostic> ordered = diagnostics;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [&](const Diagnostic& a, const Diagnostic& b) { return key(a) < key(b); });
    return ordered;
}

std::string foldedLine(const std::vector<Diagnostic>& diagnostics) {
    if (diagnostics.empty())
        return "";
    std::string counts;
    for (Severity severity : {Severity::Error, Severity::Warning, Severity::Note}) {
        const size_t count = size_t(
            std::count_if(diagnostics.begin(), diagnostics.end(),
                          [severity](const Diagnostic& d) { return d.severity == severity; }));
        if (count > 0)
            counts += (counts.empty() ? "" : ", ") + counted(count, severity);
    }
    return counts + ": " + diagnosticLine(diagnostics.front());
}

std::string diagnosticLine(const Diagnostic& diagnostic) {
    if (diagnostic.file.empty())
        return std::string(severityName(diagnostic.severity)) + ": " + diagnostic.message;
    return formatDiagnostic(diagnostic);
}

void drawDiagnosticPanel(const std::vector<Diagnostic>& ordered, int framebufferWidth,
                         int framebufferHeight, PanelPlacement placement) {
    if (ordered.empty() || pixelSize <= 0 || framebufferWidth < 1 || framebufferHeight < 1)
        return;
    const int listed = placement.folded ? 0 : std::min<int>(int(ordered.size()), kPanelLines);
    const bool more = !placement.folded && int(ordered.size()) > listed;
    const int lines = placement.folded ? 1 : listed + (more ? 1 : 0);
    // The framebuffer in the interface's units, from its top-left corner.
    const double width = framebufferWidth * double(pixelSize);
    const double height = framebufferHeight * double(pixelSize);
    glViewport(0, 0, framebufferWidth, framebufferHeight);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    loadScreenProjection(width, height);
    const float panelHeight = float(lines * kLineHeight + 2 * kMargin);
    const float top = placement.atTop ? 0.0f : snapToPixel(float(height) - panelHeight);
    const float bottom = placement.atTop ? snapToPixel(panelHeight) : float(height);
    glColor3f(0.08f, 0.08f, 0.1f);
    glBegin(GL_QUADS);
    glVertex2f(0, top);
    glVertex2f(float(width), top);
    glVertex2f(float(width), bottom);
    glVertex2f(0, bottom);
    glEnd();
    float y = top + kMargin;
    if (placement.folded) {
        setColour(ordered.front().severity);
        drawText(foldedLine(ordered).c_str(), kMargin, y, kTextSize, false);
    }
    for (int i = 0; i < listed; ++i, y += kLineHeight) {
        setColour(ordered[i].severity);
        drawText(diagnosticLine(ordered[i]).c_str(), kMargin, y, kTextSize, false);
    }
    if (more) {
        glColor3f(0.75f, 0.8f, 0.85f);
        const std::string rest =
            "... and " + std::to_string(ordered.size() - listed) + " more on standard error";
        drawText(rest.c_str(), kMargin, y, kTextSize, false);
    }
    glColor3f(1, 1, 1);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

}  // namespace trellis
