// Interfaces: which one is current, the trade of kept values when that changes, and the end of
// an interface with its tree and GL objects.
#include "trellis/shell/Interface.h"

#include "font/FontTexture.h"
#include "font/GlyphAtlas.h"
#include "gui/look/Picture.h"
#include "gui/look/SkinImageAtlas.h"
#include "render/RendererObjects.h"
#include "state/ParkedValues.h"
#include "trellis/gui/GuiRoot.h"

#include <GL/gl.h>

namespace trellis {

struct Interface::Values {
    ParkedValues parked;
};

namespace {

Interface* current = nullptr;  // null until the first switch: the default interface

// Destroys the current interface's tree, then the GL objects it made in the current context.
void tearDownCurrent() {
    delete rootElement;
    deleteFontTextures();
    releaseRendererObjects();
    releaseWhitePicture();
    releaseSkinImageAtlas();
    if (glGetString(GL_VERSION))
        glyphAtlas().clear();
}

}  // namespace

Interface::Interface() : values(std::make_unique<Values>()) {}

Interface::~Interface() {
    Interface& before = currentInterface();
    setCurrentInterface(this);
    tearDownCurrent();
    setCurrentInterface(&before == this ? nullptr : &before);
}

Interface& defaultInterface() {
    // Never destroyed: elements and GL objects of the default interface may outlive main.
    static Interface* made = new Interface();
    return *made;
}

Interface& currentInterface() {
    return current ? *current : defaultInterface();
}

void setCurrentInterface(Interface* interface) {
    Interface& from = currentInterface();
    Interface& to = interface ? *interface : defaultInterface();
    if (&from == &to)
        return;
    // The live values go to the interface they belong to, and the new one's come out.
    from.values->parked.exchange();
    to.values->parked.exchange();
    current = &to;
}

ScopedInterface::ScopedInterface(Interface& interface) : before(currentInterface()) {
    setCurrentInterface(&interface);
}

ScopedInterface::~ScopedInterface() {
    setCurrentInterface(&before);
}

}  // namespace trellis
