// trellis-preview: the options, the window and its loop of watching, reloading and drawing.
#include "PreviewCommand.h"

#include "DiagnosticPanel.h"
#include "FileWatcher.h"
#include "InterfaceOptions.h"
#include "PreviewReloadTimer.h"
#include "PreviewSession.h"
#include "PreviewSignals.h"
#include "trellis/Version.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/Tooltip.h"
#include "trellis/shell/WindowShell.h"

#include <GL/gl.h>
#include <GLFW/glfw3.h>
#include <cstdio>
#include <string>

namespace trellis {

namespace {

constexpr const char* kProgram = "trellis-preview";

// The longest wait for events between frames: the files are checked at least this often.
constexpr double kFrameSeconds = 0.02;

static_assert(kNextSkinKey == GLFW_KEY_F2, "the next-skin key is F2");
static_assert(kMovePanelKey == GLFW_KEY_F3, "the panel-moving key is F3");
static_assert(kFoldPanelKey == GLFW_KEY_F4, "the panel-folding key is F4");

// What the window's callbacks act on.
struct PreviewWindow {
    GLFWwindow* window = nullptr;
    PreviewSession* session = nullptr;
    const InterfaceFiles* files = nullptr;
    FileWatcher* watcher = nullptr;
    std::vector<Diagnostic> panel;  // the session's diagnostics in the panel's order
    PanelPlacement placement;
    std::string dialogue;
    bool pointerSeen = false;  // a pointer position has arrived since the window opened
    std::string firstError;    // the window library's first complaint
};

PreviewWindow preview;

void printDiagnostics() {
    for (const Diagnostic& diagnostic : preview.session->diagnostics())
        std::fprintf(stderr, "%s\n", diagnosticLine(diagnostic).c_str());
}

// Shows the session's state in the window's title and on standard error after a build.
void reportBuild(bool good) {
    printDiagnostics();
    preview.panel = panelOrder(preview.session->diagnostics());
    // A file may be a link that leads elsewhere now, and the dialogue may name other pictures;
    // watching a file twice is harmless.
    for (const std::string* file : preview.files->inputs())
        preview.watcher->watch(*file);
    for (const std::string& picture : preview.session->pictures())
        preview.watcher->watch(picture);
    if (good)
        std::fprintf(stderr, "%s: showing %s with skin %s\n", kProgram, preview.dialogue.c_str(),
                     preview.session->skinLabel().c_str());
    else
        std::fprintf(stderr, "%s: a file did not load; showing the last good interface\n",
                     kProgram);
    const std::string title = std::string(kProgram) + ": " + preview.dialogue + " (skin " +
                              preview.session->skinLabel() +
                              "; F2: next skin; F3: move panel; F4: fold panel)";
    glfwSetWindowTitle(preview.window, title.c_str());
    // The tree under the pointer is new: find what it hovers now.
    if (preview.pointerSeen) {
        double x = 0, y = 0;
        glfwGetCursorPos(preview.window, &x, &y);
        hostCursorPos(preview.window, x, y);
    }
}

void onCursorPos(GLFWwindow* window, double x, double y) {
    preview.pointerSeen = true;
    hostCursorPos(window, x, y);
}

void onCursorEnter(GLFWwindow* window, int entered) {
    hostCursorEnter(window, entered);
}

void onMouseButton(GLFWwindow*, int button, int action, int) {
    hostMouseButton(button, action);
}

void onKey(GLFWwindow*, int key, int, int action, int) {
    if (key == kNextSkinKey) {
        if (action == GLFW_PRESS)
            reportBuild(preview.session->nextSkin());
        return;
    }
    if (key == kMovePanelKey || key == kFoldPanelKey) {
        bool& flag = key == kMovePanelKey ? preview.placement.atTop : preview.placement.folded;
        if (action == GLFW_PRESS)
            flag = !flag;
        return;
    }
    hostKey(key, action);
}

void onChar(GLFWwindow*, unsigned int codepoint) {
    hostChar(codepoint);
}

void onScroll(GLFWwindow*, double dx, double dy) {
    hostScroll(dx, dy);
}

void onFramebufferSize(GLFWwindow*, int width, int height) {
    hostFramebufferSize(width, height);
}

void onWindowSize(GLFWwindow*, int width, int height) {
    hostWindowSize(width, height);
}

void onLibraryError(int, const char* text) {
    if (preview.firstError.empty())
        preview.firstError = text ? text : "unknown error";
}

bool openPreviewWindow(const std::string& dialogue) {
    glfwSetErrorCallback(onLibraryError);
    if (!glfwInit())
        return false;
    hintWindowFormat();
    const std::string title = std::string(kProgram) + ": " + dialogue;
    preview.window = glfwCreateWindow(1024, 768, title.c_str(), nullptr, nullptr);
    if (!preview.window)
        return false;
    glfwMakeContextCurrent(preview.window);
    int width = 0, height = 0;
    glfwGetFramebufferSize(preview.window, &width, &height);
    // A larger window shows more room, into which percentages and containers grow.
    setHostResize(HostResize::Relayout);
    if (!initHostGui(width, height))
        return false;
    glfwGetWindowSize(preview.window, &width, &height);
    hostWindowSize(width, height);
    glfwSetCursorPosCallback(preview.window, onCursorPos);
    glfwSetCursorEnterCallback(preview.window, onCursorEnter);
    glfwSetMouseButtonCallback(preview.window, onMouseButton);
    glfwSetKeyCallback(preview.window, onKey);
    glfwSetCharCallback(preview.window, onChar);
    glfwSetScrollCallback(preview.window, onScroll);
    glfwSetFramebufferSizeCallback(preview.window, onFramebufferSize);
    glfwSetWindowSizeCallback(preview.window, onWindowSize);
    return true;
}

void drawPreviewFrame() {
    int width = 0, height = 0;
    glfwGetFramebufferSize(preview.window, &width, &height);
    // The demo's frame: opaque black colour and a cleared depth buffer under the interface.
    glViewport(0, 0, width, height);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawInterface(false);
    drawDiagnosticPanel(preview.panel, width, height, preview.placement);
    glfwSwapBuffers(preview.window);
}

}  // namespace

int parsePreviewOptions(int argc, char** argv, InterfaceFiles& files) {
    CLI::App app("Shows a dialogue with a skin in a window, and shows it again whenever the "
                 "dialogue, the skin, the font file or a picture of the dialogue is saved, with "
                 "the loaders' diagnostics on screen and on standard error. F2 shows the next "
                 "skin of the skin file; F3 moves the diagnostics panel between the bottom and "
                 "the top of the window, F4 folds it to one line and back.",
                 kProgram);
    app.set_version_flag("--version", std::string(kProgram) + " " + TRELLIS_VERSION_STRING);
    app.add_option("DIALOGUE", files.dialogue, "The dialogue file")->required();
    app.add_option("SKIN", files.skin, "The skin file")->required();
    addInterfaceOptions(app, files);
    return parseToolCommandLine(app, argc, argv, files);
}

int runPreview(const InterfaceFiles& files) {
    preview.dialogue = files.dialogue;
    preview.files = &files;
    // Before the first copy of a file is made, so that no signal can leave one behind.
    catchStopSignals();
    if (!openPreviewWindow(files.dialogue)) {
        std::fprintf(stderr, "%s: cannot open the window: %s\n", kProgram,
                     preview.firstError.empty() ? "no OpenGL context" : preview.firstError.c_str());
        glfwTerminate();
        dieOfStopSignal();
        return 1;
    }
    glfwSetErrorCallback(nullptr);
    FileWatcher watcher;
    preview.watcher = &watcher;
    for (const std::string* file : files.inputs())
        if (!watcher.watch(*file))
            std::fprintf(stderr, "%s: cannot watch the folder of %s: its changes go unseen\n",
                         kProgram, file->c_str());
    {
        PreviewSession session(files);
        preview.session = &session;
        reportBuild(session.reload());
        PreviewReloadTimer timer;
        while (!glfwWindowShouldClose(preview.window) && !stopSignal()) {
            glfwWaitEventsTimeout(kFrameSeconds);
            if (watcher.changed())
                timer.changed(glfwGetTime());
            if (timer.due(glfwGetTime()))
                reportBuild(session.reload());
            updateTooltip(glfwGetTime());
            drawPreviewFrame();
        }
        preview.session = nullptr;
    }
    preview.watcher = nullptr;
    destroyElement(rootElement);
    releaseGlyphTable();
    glfwDestroyWindow(preview.window);
    glfwTerminate();
    dieOfStopSignal();
    return 0;
}

}  // namespace trellis
