// The host API: trellis inside a program that owns its window, its OpenGL context and its frame
// loop. The host starts the interface for its framebuffer, loads font, skins and dialogues from
// any path, forwards its own window events (each tells whether the interface took it), asks
// whether the interface wants the pointer, and draws the interface at any point of its frame
// with its own GL state left as it was. The demo's path (openWindow, initGui, loadDialogue,
// drawFrame) is separate and unchanged.
//
// Ownership: an element owns its children. Deleting an element (or destroyElement) destroys
// its whole subtree, children first, and unregisters every name in it.
//
// Coordinates: screen units are 100 high at the size given to initHostGui, origin at the
// top-left, y down; events take window coordinates, origin at the top-left, y down.
//
// Window libraries: everything here takes plain values and is in the library trellis, which
// links no window library, so any host (GLFW, SDL, a platform's own windows) can use it. The
// GLFWwindow* conveniences at the end are in trellis-glfw (CMake: trellis::glfw; pkg-config:
// trellis-glfw), which a GLFW host links as well; it also connects GLFW's clipboard.
#pragma once

#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/GuiElement.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/skin/Reskin.h"
#include "trellis/skin/SkinFile.h"

#include <vector>

struct GLFWwindow;

namespace trellis {

// ---- Start-up ----------------------------------------------------------------------------

// Starts the interface for a framebuffer of the given size in pixels: fixes the screen units
// (the height is 100 units), snaps the title-bar height and border width, and creates the root.
// Loads no file. Needs a current OpenGL context that trellis can draw in (one with the
// fixed-function pipeline, or OpenGL 3.3 / OpenGL ES 3.0 and later); false, with nothing done,
// without one (a diagnostic names the reason, for example an OpenGL ES 2.0 context) or for a
// width or height below 1. Calling it again keeps the root and its tree, re-fixing the units
// (and re-snapping the tree) when the size changed. In a GLFW window with trellis-glfw linked it
// connects the text fields to GLFW's clipboard; other hosts connect theirs with
// setClipboardHooks (Clipboard.h), or keep a clipboard inside the program.
bool initHostGui(int framebufferWidth, int framebufferHeight);

// ---- Loading from any path -----------------------------------------------------------------

// Loads the font file at path and makes it the interface's font; true when it loaded. A
// TrueType or OpenType file (.ttf, .otf, .ttc: told by its content) becomes the only face of
// the chain text is drawn with (FontChain.h); any other file is read as a texture font, which
// then draws text again instead of the chain. A missing or invalid file (reported), or no
// current context, gives false and keeps the font as it was. A texture font loaded before
// through loadFont, in the context now current, has its texture deleted.
bool loadFont(const char* path);

// Adds the TrueType or OpenType face at path to the end of the chain, for the characters the
// faces before it lack (the first face added replaces the texture font). A missing or invalid
// file (reported) or no current context gives false and changes nothing.
bool addFallbackFont(const char* path);

// Skins: loadSkin(skinName, path) from SkinFile.h merges a skin into the store and says whether
// it did; reskinTree(rootElement, skinStore) from Reskin.h restyles the tree already built.

// What loadDialogueFile built.
struct LoadedDialogue {
    bool loaded = false;                // the file was read and its elements built
    std::vector<GuiElement*> elements;  // the top-level elements built, in file order

    // The first element named name among those built that are still in the tree, depth first
    // in file order; null when none is (a name another dialogue holds is not looked at).
    GuiElement* findElement(const char* name) const;
};

// Builds the dialogue file at path under parent (the root when null). Not loaded, with nothing
// built, for a missing, unreadable or malformed file, or before initHostGui has fixed the
// screen units. Elements register their names (the first of a name holds it).
LoadedDialogue loadDialogueFile(const char* path, GuiElement* parent = nullptr);

// The element registered under name, or null.
GuiElement* findElement(const char* name);

// ---- Removal -------------------------------------------------------------------------------

// Destroys element and its subtree, children first: unregisters every name in it, clears the
// hovered, focus and pressed references into it, and detaches it from its parent. Destroying
// the root destroys the whole interface (rootElement becomes null). Null does nothing.
void destroyElement(GuiElement* element);

// Destroys every top-level element the load built that is still in the tree under the root
// (those the program destroyed already, alone or with an ancestor, are skipped), and empties
// the result (loaded false).
void destroyDialogue(LoadedDialogue& dialogue);

// ---- Events from the host's window ---------------------------------------------------------

// The pointer moved to (x, y) in window coordinates. The sizes last given to hostWindowSize
// and hostFramebufferSize scale it to framebuffer pixels (HiDPI); before any hostWindowSize it
// is taken as pixels. Updates the hovered element.
void hostCursorPos(double x, double y);

// The pointer left (false) or entered (true) the window: on leaving nothing is hovered any more.
void hostCursorEnter(bool entered);

// A mouse button (0 left, 1 right, 2 middle, 3 and up for more) was pressed (action
// kActionPress, 1) or released (kActionRelease, 0; KeyCodes.h). True when the interface took
// it: a press over an element other than the root, or a release of a button that went down on
// one. Presses over the root (the background) are routed as before (focus moves) but give
// false, so the host's scene gets them.
bool hostMouseButton(int button, int action);

// A key was pressed (kActionPress, 1), repeated (kActionRepeat, 2, routed as a press) or
// released (kActionRelease, 0). key is numbered as KeyCodes.h says: letters as ASCII capitals,
// digits and Space as ASCII, the named keys as listed there (GLFW's numbers); pass the modifier
// keys too, as the interface follows Shift and Control from them. True when the focus element
// consumed it.
bool hostKey(int key, int action);

// A character was typed: its Unicode code point (GLFW's character callback; from SDL, each code
// point of SDL_TEXTINPUT's UTF-8 text). True when the focus element took it.
bool hostChar(unsigned int codepoint);

// The wheel turned by (dx, dy) notches: dy > 0 away from the user, dx > 0 to the right (GLFW's
// scroll callback; SDL's wheel event's x and y). True when the element under the pointer, or
// one of its parents, took it.
bool hostScroll(double dx, double dy);

// The window's size in screen coordinates changed; hostCursorPos(x, y) scales by it.
void hostWindowSize(int width, int height);

// How the interface follows a framebuffer resize.
enum class HostResize {
    KeepPixelSize,  // default: same pixels per unit, anchored at the top-left (like the demo)
    KeepHeight,     // 100 units high again: units re-fixed and the tree re-snapped
    // Same pixels per unit, and the interface laid out again in the new framebuffer: lengths in
    // percent, content sizes and containers follow the window (LayoutPass.h).
    Relayout,
};

// Chooses how later hostFramebufferSize calls resize the interface.
void setHostResize(HostResize mode);

// The framebuffer's size in pixels changed. Sizes below 1 (a minimised window) are ignored.
// Sets no GL state: drawInterface sets its own viewport while it draws.
void hostFramebufferSize(int width, int height);

// ---- Capture queries -----------------------------------------------------------------------

// True when pointer events belong to the interface: the pointer is over a visible element
// other than the root, or a button is held that went down on one.
bool interfaceWantsPointer();

// Whether the interface took the last event given to hostMouseButton, hostKey, hostChar or
// hostScroll (a pointer move counts as taken when interfaceWantsPointer is true after it).
bool interfaceTookLastEvent();

// ---- Drawing -------------------------------------------------------------------------------

// Draws the interface over whatever the bound framebuffer holds, at any point of the host's
// frame, with the debug lines (hovered skin class, focus name, pointer position) when asked.
// Saves the host's GL state (enables, blend and alpha functions, texture bindings and sampler
// objects, matrices and matrix mode, viewport, current colour, client state, current program,
// vertex array object, buffers, enabled generic attributes) and restores it after;
// draws with the GL defaults the interface assumes, so the pixels equal drawFrame's. Does
// nothing before initHostGui or without a current context. Uses up to 24 model-view stack
// entries above the host's. The batched renderer (Renderer.h) clears the depth buffer where it
// draws and leaves its own depth values there; the immediate renderer leaves depth alone.
void drawInterface(bool debugLines = false);

// ---- GLFW conveniences (library trellis-glfw) ------------------------------------------------

// hostCursorPos for GLFW's cursor-position callback: with a window, its window and framebuffer
// sizes scale the position to pixels; with null, as hostCursorPos(x, y).
void hostCursorPos(GLFWwindow* window, double x, double y);

// hostCursorEnter for GLFW's cursor-enter callback (entered 0: the pointer left).
void hostCursorEnter(GLFWwindow* window, int entered);

}  // namespace trellis
