// trellis-sdl2: an SDL 2 program with an OpenGL 3.3 core profile context that puts a trellis
// interface over its own background, linking no GLFW: the host API takes SDL's events as plain
// values (pointer, buttons, wheel, keys, typed text, resizes) and the text fields use SDL's
// clipboard. Usage: trellis-sdl2 [DATA_FOLDER], where DATA_FOLDER holds verdana.glf,
// sdlSkin.xml and sdlDialogue.xml; it defaults to the folder of the executable.
//
// Every event of note is one line on standard output ("name: hello", "background click at 600
// 400"), so that a test (and you) can follow it.
#include <trellis/gui/CallbackTable.h>
#include <trellis/gui/CheckBox.h>
#include <trellis/gui/Clipboard.h>
#include <trellis/gui/GuiRoot.h>
#include <trellis/gui/ScreenUnits.h>
#include <trellis/gui/TextField.h>
#include <trellis/shell/Host.h>
#include <trellis/skin/SkinFile.h>

#include <SDL.h>
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "SdlInput.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;  // the window's size at start

// What the callbacks reach: they are registered with a pointer to it as the receiver.
struct Host {
    SDL_Window* window = nullptr;
    bool darkBackground = false;
    bool running = true;
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

// ---- Callbacks named in sdlDialogue.xml ----

void onDark(void* receiver, trellis::CallbackSender* sender) {
    Host& host = *static_cast<Host*>(receiver);
    host.darkBackground = dynamic_cast<trellis::CheckBox*>(sender)->checked;
    say("dark background: %s", host.darkBackground ? "on" : "off");
}

void onName(void*, trellis::CallbackSender* sender) {
    say("name: %s", dynamic_cast<trellis::TextField*>(sender)->text.c_str());
}

void onSubmit(void*, trellis::CallbackSender* sender) {
    say("submitted: %s", dynamic_cast<trellis::TextField*>(sender)->text.c_str());
}

void onQuit(void* receiver, trellis::CallbackSender*) {
    static_cast<Host*>(receiver)->running = false;
    say("callback: quit");
}

// ---- The clipboard: the text fields copy to and paste from SDL's ----

std::string readSdlClipboard() {
    char* text = SDL_GetClipboardText();  // "" when empty, never null but on failure
    std::string result = text ? text : "";
    SDL_free(text);
    return result;
}

void writeSdlClipboard(const std::string& text) {
    SDL_SetClipboardText(text.c_str());
    say("clipboard: %s", text.c_str());
}

// ---- SDL's events: the interface first, the background gets what it leaves ----

// The window's sizes for the host API: in screen coordinates (SDL's events) and the drawable's
// pixels (larger on HiDPI displays).
void tellSizes(SDL_Window* window) {
    int width, height;
    SDL_GetWindowSize(window, &width, &height);
    trellis::hostWindowSize(width, height);
    SDL_GL_GetDrawableSize(window, &width, &height);
    trellis::hostFramebufferSize(width, height);
}

void onWindowEvent(Host& host, const SDL_WindowEvent& event) {
    switch (event.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        tellSizes(host.window);
        say("resized to %d x %d", event.data1, event.data2);
        break;
    case SDL_WINDOWEVENT_LEAVE:
        trellis::hostCursorEnter(false);
        break;
    case SDL_WINDOWEVENT_ENTER:
        trellis::hostCursorEnter(true);
        break;
    case SDL_WINDOWEVENT_CLOSE:
        host.running = false;
        break;
    }
}

// SDL numbers mouse buttons from 1 (left, middle, right); trellis from 0 (left, right, middle).
int trellisButton(Uint8 button) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return 0;
    case SDL_BUTTON_RIGHT:
        return 1;
    case SDL_BUTTON_MIDDLE:
        return 2;
    default:
        return button - 1;
    }
}

void onMouseButton(const SDL_MouseButtonEvent& event) {
    const bool pressed = event.type == SDL_MOUSEBUTTONDOWN;
    // The pointer where the button went, in case no motion came before it.
    trellis::hostCursorPos(event.x, event.y);
    const int action = pressed ? trellis::kActionPress : trellis::kActionRelease;
    if (trellis::hostMouseButton(trellisButton(event.button), action))
        return;
    if (pressed && event.button == SDL_BUTTON_LEFT)
        say("background click at %d %d", event.x, event.y);
}

void onWheel(const SDL_MouseWheelEvent& event) {
    double dx = event.x, dy = event.y;
    if (event.direction == SDL_MOUSEWHEEL_FLIPPED) {
        dx = -dx;
        dy = -dy;
    }
    say(trellis::hostScroll(dx, dy) ? "wheel: taken by the interface" : "wheel: background");
}

void onKey(Host& host, const SDL_KeyboardEvent& event) {
    const int key = trellisKey(event.keysym.sym);
    const int action = event.type == SDL_KEYUP ? trellis::kActionRelease
                       : event.repeat          ? trellis::kActionRepeat
                                               : trellis::kActionPress;
    if (key >= 0 && trellis::hostKey(key, action))
        return;
    if (event.keysym.sym == SDLK_ESCAPE && event.type == SDL_KEYDOWN)
        host.running = false;
}

void handle(Host& host, const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        host.running = false;
        break;
    case SDL_WINDOWEVENT:
        onWindowEvent(host, event.window);
        break;
    case SDL_MOUSEMOTION:
        trellis::hostCursorPos(event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        onMouseButton(event.button);
        break;
    case SDL_MOUSEWHEEL:
        onWheel(event.wheel);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        onKey(host, event.key);
        break;
    case SDL_TEXTINPUT:
        for (unsigned int codepoint : codePoints(event.text.text))
            trellis::hostChar(codepoint);
        break;
    }
}

// Opens the window with an OpenGL 3.3 core profile context (forward-compatible, as macOS wants
// it) and makes the context current; false, with a message, when it cannot.
bool openWindow(Host& host) {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, SDL_GL_CONTEXT_FORWARD_COMPATIBLE_FLAG);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    host.window = SDL_CreateWindow("trellis sdl2", 0, 0, kWidth, kHeight,
                                   SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE);
    if (!host.window || !SDL_GL_CreateContext(host.window)) {
        std::fprintf(stderr, "trellis-sdl2: cannot open the window: %s\n", SDL_GetError());
        return false;
    }
    SDL_GL_SetSwapInterval(1);
    return true;
}

// Registers the callbacks and loads the font, skin and dialogue from folder; false when any
// of them failed.
bool loadInterface(Host& host, const std::string& folder) {
    // Callbacks go into the table before any dialogue names them.
    trellis::registerCallback("dark", onDark, &host);
    trellis::registerCallback("name", onName, &host);
    trellis::registerCallback("submit", onSubmit, &host);
    trellis::registerCallback("quit", onQuit, &host);
    int width, height;
    SDL_GL_GetDrawableSize(host.window, &width, &height);
    if (!trellis::initHostGui(width, height))
        return false;
    tellSizes(host.window);
    trellis::setClipboardHooks(readSdlClipboard, writeSdlClipboard);
    return trellis::loadFont((folder + "/verdana.glf").c_str()) &&
           trellis::loadSkin("sdl", (folder + "/sdlSkin.xml").c_str()) &&
           trellis::loadDialogueFile((folder + "/sdlDialogue.xml").c_str()).loaded;
}

// The context's profile, as the ready line tells it.
const char* profileName() {
    GLint mask = 0;
    glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &mask);
    return mask & GL_CONTEXT_CORE_PROFILE_BIT ? "core" : "compatibility";
}

}  // namespace

int main(int argc, char** argv) {
    Host host;
    const std::string folder = argc > 1 ? argv[1] : executableFolder();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "trellis-sdl2: cannot start SDL: %s\n", SDL_GetError());
        return 1;
    }
    if (!openWindow(host)) {
        SDL_Quit();
        return 1;
    }
    if (!loadInterface(host, folder)) {
        std::fprintf(stderr, "trellis-sdl2: cannot load the interface from %s\n", folder.c_str());
        SDL_Quit();
        return 1;
    }
    say("ready: interface %d x %d pixels, OpenGL %s, %s profile", trellis::viewport[2],
        trellis::viewport[3], reinterpret_cast<const char*>(glGetString(GL_VERSION)),
        profileName());

    while (host.running) {
        SDL_Event event;
        // About 60 frames a second, sooner when events come.
        if (SDL_WaitEventTimeout(&event, 16))
            do
                handle(host, event);
            while (SDL_PollEvent(&event));
        int width, height;
        SDL_GL_GetDrawableSize(host.window, &width, &height);
        glViewport(0, 0, width, height);
        if (host.darkBackground)
            glClearColor(0.02f, 0.02f, 0.03f, 1);
        else
            glClearColor(0.36f, 0.45f, 0.58f, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        trellis::drawInterface();
        SDL_GL_SwapWindow(host.window);
    }

    trellis::destroyElement(trellis::rootElement);
    SDL_DestroyWindow(host.window);
    SDL_Quit();
    say("window closed");
    return 0;
}
