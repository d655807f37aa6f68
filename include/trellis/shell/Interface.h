// Interface: one interface with everything it holds, of which a program may have several (one
// in each of its windows, say), each on its own. An interface holds its element tree and the
// names in it, its callback table, its skin store, its fonts and their textures, its renderer
// and the GL objects it draws with, its screen units and what its host told it (sizes, resize
// mode), and its pointer, hover, focus, pressed, modifier and tooltip state.
//
// One interface is current at a time, and every call of trellis acts on it: the host API
// (initHostGui, loadFont, loadSkin, loadDialogueFile, findElement, hostKey, drawInterface...),
// element constructors, and the variables of the element layer (rootElement, skinStore,
// callbackTable, focusElement, pixelSize...), which hold the current interface's values. The
// program starts with the default interface current: a program with one interface never needs
// another. A program with several makes a window's interface current, as it makes the
// window's GL context current, before it forwards that window's events or draws it.
//
// The program's interfaces share the element tags (ElementTags.h), the diagnostics handler, the
// clipboard and the loaders' observer of built elements: those are the program's, not one
// interface's.
#pragma once

#include <memory>

namespace trellis {

// One interface's state, current or waiting for its turn.
class Interface {
public:
    // A new interface, as the program starts the default one: no root, font, skin, callbacks or
    // names yet. It is not made current.
    Interface();
    // Destroys the interface's element tree, then the GL objects it made in the GL context
    // current now (textures, the glyph atlas's pages, programs, buffers): destroy it with its
    // window's context current; objects it made in other contexts are left to those. Another
    // interface's state is not touched; when this one was current, the default interface
    // becomes current. Destroy every interface before main returns.
    ~Interface();

    Interface(const Interface&) = delete;
    Interface& operator=(const Interface&) = delete;

private:
    friend void setCurrentInterface(Interface* interface);
    struct Values;
    std::unique_ptr<Values> values;  // its own state while another interface is current
};

// The interface the program starts with; never destroyed.
Interface& defaultInterface();

// The interface that trellis calls act on now.
Interface& currentInterface();

// Makes interface current (null: the default interface); the one current before keeps its
// state for when it is current again.
void setCurrentInterface(Interface* interface);

// Makes an interface current for as long as it lives, then the one current before again (which
// must still exist then).
class ScopedInterface {
public:
    explicit ScopedInterface(Interface& interface);
    ~ScopedInterface();
    ScopedInterface(const ScopedInterface&) = delete;
    ScopedInterface& operator=(const ScopedInterface&) = delete;

private:
    Interface& before;
};

}  // namespace trellis
