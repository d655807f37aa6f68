// trellis-embed: a GLFW program that owns its window, GL context, scene and frame loop, and
// puts a trellis interface over its scene. It feeds trellis its window events, lets the
// interface take what lands on it, gives the rest to the scene, and draws the interface last
// in each frame. Usage: trellis-embed [DATA_FOLDER], where DATA_FOLDER holds verdana.glf,
// embedSkin.xml and embedDialogue.xml; it defaults to the folder of the executable.
//
// Every event of note is one line on standard output ("callback: spin", "scene click at 400 300").
#include <X11/Xlib.h>  // X11's macros (None, Bool, Status...) and its Window type, before trellis

#include <trellis/gui/CallbackTable.h>
#include <trellis/gui/GuiRoot.h>
#include <trellis/gui/ScreenUnits.h>
#include <trellis/shell/Host.h>
#include <trellis/skin/Reskin.h>
#include <trellis/skin/SkinFile.h>

#include <GLFW/glfw3.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "Scene.h"

namespace {

// Everything the callbacks reach: they are registered with a pointer to it as the receiver.
struct Host {
    GLFWwindow* window = nullptr;
    Scene scene;
    std::string dataFolder;
    trellis::LoadedDialogue dialogue;
    bool reloadRequested = false;
};

// Prints one line of news and flushes it, so that a reader of a pipe or file sees it at once.
void say(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::vprintf(format, arguments);
    va_end(arguments);
    std::putchar('\n');
    std::fflush(stdout);
}

// The folder holding this executable, from /proc/self/exe; "." when it cannot be read.
std::string executableFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0)
        return ".";
    const std::string file(path, static_cast<size_t>(length));
    return file.substr(0, file.find_last_of('/'));
}

// ---- Callbacks named in embedDialogue.xml ----

void onSpin(void* receiver, trellis::CallbackSender*) {
    Host& host = *static_cast<Host*>(receiver);
    say("callback: spin %s", host.scene.reverseSpin() ? "anticlockwise" : "clockwise");
}

void onColour(void* receiver, trellis::CallbackSender*) {
    Host& host = *static_cast<Host*>(receiver);
    say("callback: colour %s", host.scene.nextColour());
}

void onReload(void* receiver, trellis::CallbackSender*) {
    // The button that fired this is part of the dialogue: it must outlive the callback, so the
    // frame loop reloads after the events.
    static_cast<Host*>(receiver)->reloadRequested = true;
    say("callback: reload");
}

// Merges the skin and builds the dialogue from the data folder; false when either failed.
bool loadInterface(Host& host) {
    const std::string skin = host.dataFolder + "/embedSkin.xml";
    const std::string dialogue = host.dataFolder + "/embedDialogue.xml";
    if (!trellis::loadSkin("embed", skin.c_str()))
        return false;
    host.dialogue = trellis::loadDialogueFile(dialogue.c_str());
    return host.dialogue.loaded;
}

// Throws the dialogue away and reads both files again, picking up any edits to them.
void reloadInterface(Host& host) {
    host.reloadRequested = false;
    trellis::destroyDialogue(host.dialogue);
    const bool loaded = loadInterface(host);
    // The root is not rebuilt: restyle it with the skin as read now.
    trellis::reskinTree(trellis::rootElement, trellis::skinStore);
    say("reloaded: %s, %zu top-level elements", loaded ? "ok" : "failed",
        host.dialogue.elements.size());
}

// ---- GLFW callbacks: the interface first, the scene gets what it leaves ----

Host* hostOf(GLFWwindow* window) {
    return static_cast<Host*>(glfwGetWindowUserPointer(window));
}

void onCursorPos(GLFWwindow* window, double x, double y) {
    trellis::hostCursorPos(window, x, y);
}

void onCursorEnter(GLFWwindow* window, int entered) {
    trellis::hostCursorEnter(window, entered);
}

void onMouseButton(GLFWwindow* window, int button, int action, int) {
    if (trellis::hostMouseButton(button, action))
        return;
    if (button == GLFW_MOUSE_BUTTON_LEFT && action == GLFW_PRESS) {
        double x, y;
        glfwGetCursorPos(window, &x, &y);
        say("scene click at %d %d", static_cast<int>(x), static_cast<int>(y));
        say("scene %s", hostOf(window)->scene.togglePause() ? "paused" : "turning");
    }
}

void onKey(GLFWwindow* window, int key, int, int action, int) {
    if (trellis::hostKey(key, action))
        return;
    if (key == GLFW_KEY_ESCAPE && action == GLFW_PRESS)
        glfwSetWindowShouldClose(window, GLFW_TRUE);
}

void onFramebufferSize(GLFWwindow*, int width, int height) {
    // A minimised window reports 0 x 0: keep the last real size.
    if (width < 1 || height < 1)
        return;
    viewport.width = width;
    viewport.height = height;
    trellis::hostFramebufferSize(width, height);
    say("resized to %d x %d", width, height);
}

void installCallbacks(Host& host) {
    glfwSetWindowUserPointer(host.window, &host);
    glfwSetCursorPosCallback(host.window, onCursorPos);
    glfwSetCursorEnterCallback(host.window, onCursorEnter);
    glfwSetMouseButtonCallback(host.window, onMouseButton);
    glfwSetKeyCallback(host.window, onKey);
    glfwSetFramebufferSizeCallback(host.window, onFramebufferSize);
}

// Runs the frame loop until the window is asked to close.
void runFrames(Host& host) {
    GLFWcursor* hand = glfwCreateStandardCursor(GLFW_HAND_CURSOR);
    bool handShown = false;
    double last = glfwGetTime();
    while (!glfwWindowShouldClose(host.window)) {
        // About 60 frames a second, sooner when events come.
        glfwWaitEventsTimeout(1.0 / 60);
        if (host.reloadRequested)
            reloadInterface(host);
        // A hand over the interface, the arrow over the scene.
        if (trellis::interfaceWantsPointer() != handShown) {
            handShown = !handShown;
            glfwSetCursor(host.window, handShown ? hand : nullptr);
        }
        const double now = glfwGetTime();
        host.scene.advance(now - last);
        last = now;

        glClearColor(0.08f, 0.09f, 0.12f, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        host.scene.draw();
        trellis::drawInterface();
        glfwSwapBuffers(host.window);
    }
    glfwDestroyCursor(hand);
}

}  // namespace

int main(int argc, char** argv) {
    Host host;
    host.dataFolder = argc > 1 ? argv[1] : executableFolder();

    if (!glfwInit()) {
        std::fprintf(stderr, "trellis-embed: cannot start GLFW (no display?)\n");
        return 1;
    }
    glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
    host.window =
        glfwCreateWindow(viewport.width, viewport.height, "trellis embed", nullptr, nullptr);
    if (!host.window) {
        std::fprintf(stderr, "trellis-embed: cannot open the window\n");
        glfwTerminate();
        return 1;
    }
    glfwMakeContextCurrent(host.window);
    glfwGetFramebufferSize(host.window, &viewport.width, &viewport.height);

    // Callbacks go into the table before any dialogue names them.
    trellis::registerCallback("spin", onSpin, &host);
    trellis::registerCallback("colour", onColour, &host);
    trellis::registerCallback("reload", onReload, &host);
    const std::string font = host.dataFolder + "/verdana.glf";
    if (!trellis::initHostGui(viewport.width, viewport.height) ||
        !trellis::loadFont(font.c_str()) || !loadInterface(host)) {
        std::fprintf(stderr, "trellis-embed: cannot load the interface from %s\n",
                     host.dataFolder.c_str());
        glfwTerminate();
        return 1;
    }
    installCallbacks(host);
    say("ready: %zu top-level elements, interface %d x %d pixels, display %s",
        host.dialogue.elements.size(), trellis::viewport[2], trellis::viewport[3],
        XDisplayName(nullptr));

    runFrames(host);

    trellis::destroyElement(trellis::rootElement);
    glfwDestroyWindow(host.window);
    glfwTerminate();
    say("window closed");
    return 0;
}
