// Drawing the diagnostics panel in screen units with the texture font.
#include "DiagnosticPanel.h"

#include "trellis/font/TextureFont.h"
#include "trellis/gui/ScreenUnits.h"

#include <GL/gl.h>
#include <algorithm>

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

}  // namespace

std::string diagnosticLine(const Diagnostic& diagnostic) {
    if (diagnostic.file.empty())
        return std::string(severityName(diagnostic.severity)) + ": " + diagnostic.message;
    return formatDiagnostic(diagnostic);
}

void drawDiagnosticPanel(const std::vector<Diagnostic>& diagnostics, int framebufferWidth,
                         int framebufferHeight) {
    if (diagnostics.empty() || pixelSize <= 0 || framebufferWidth < 1 || framebufferHeight < 1)
        return;
    const int listed = std::min<int>(int(diagnostics.size()), kPanelLines);
    const bool more = int(diagnostics.size()) > listed;
    const int lines = listed + (more ? 1 : 0);
    // The framebuffer in the interface's units, from its top-left corner.
    const double width = framebufferWidth * double(pixelSize);
    const double height = framebufferHeight * double(pixelSize);
    glViewport(0, 0, framebufferWidth, framebufferHeight);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    loadScreenProjection(width, height);
    const float top = snapToPixel(float(height - lines * kLineHeight - 2 * kMargin));
    glColor3f(0.08f, 0.08f, 0.1f);
    glBegin(GL_QUADS);
    glVertex2f(0, top);
    glVertex2f(float(width), top);
    glVertex2f(float(width), float(height));
    glVertex2f(0, float(height));
    glEnd();
    float y = top + kMargin;
    for (int i = 0; i < listed; ++i, y += kLineHeight) {
        setColour(diagnostics[i].severity);
        drawText(diagnosticLine(diagnostics[i]).c_str(), kMargin, y, kTextSize, false);
    }
    if (more) {
        glColor3f(0.75f, 0.8f, 0.85f);
        const std::string rest =
            "... and " + std::to_string(diagnostics.size() - listed) + " more on standard error";
        drawText(rest.c_str(), kMargin, y, kTextSize, false);
    }
    glColor3f(1, 1, 1);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

}  // namespace trellis
