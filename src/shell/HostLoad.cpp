// The host API's loading from any path, lookup by name and removal.
#include "HostState.h"
#include "font/GlContext.h"
#include "trellis/diagnostics/DiagnosticSink.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/font/FontChain.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/ElementRegistry.h"

#include <GL/gl.h>
#include <algorithm>
#include <unordered_set>
#include <vector>

namespace trellis {

namespace {

// Adds the face of the TrueType file at path to the chain, first emptying the chain when
// replace; reports and gives false when the file is no usable font.
bool addFace(const char* path, bool replace) {
    std::string problem;
    std::unique_ptr<FontFace> face = FontFace::load(path, &problem);
    if (!face) {
        reportDiagnostic(Diagnostic{path, 0, 0, Severity::Error,
                                    "font file refused: " + problem + "; text keeps its font"});
        return false;
    }
    if (replace)
        textFontChain().clear();
    textFontChain().add(std::move(face));
    return true;
}

}  // namespace

bool addFallbackFont(const char* path) {
    if (!path || !glGetString(GL_VERSION))
        return false;
    return addFace(path, false);
}

bool loadFont(const char* path) {
    if (!path || !glGetString(GL_VERSION))
        return false;
    if (FontFace::isFontFile(path))
        return addFace(path, true);
    if (!loadTextureFontFile(path))
        return false;
    textFontChain().clear();
    // The old texture goes only in the context that made it: in another context the same
    // number may name someone else's texture.
    const void* context = currentContextKey();
    const unsigned int old = hostState.fontTexture;
    if (old && old != textureName && hostState.fontContext == context && glIsTexture(old))
        glDeleteTextures(1, &old);
    hostState.fontContext = context;
    hostState.fontTexture = textureName;
    return true;
}

LoadedDialogue loadDialogueFile(const char* path, GuiElement* parent) {
    LoadedDialogue result;
    if (!path)
        return result;
    result.loaded = loadDialogue(path, parent ? parent : rootElement, result.elements);
    return result;
}

GuiElement* findElement(const char* name) {
    if (!name)
        return nullptr;
    const auto found = elementRegistry.find(name);
    return found == elementRegistry.end() ? nullptr : found->second;
}

void destroyElement(GuiElement* element) {
    delete element;
}

namespace {

// The elements of dialogue still in the tree under the root: the host may have destroyed some
// already, alone or with an ancestor or the root, and those must not be touched.
std::vector<GuiElement*> livingElements(const LoadedDialogue& dialogue) {
    std::unordered_set<const GuiElement*> inTree;
    std::vector<const GuiElement*> pending;
    if (rootElement)
        pending.push_back(rootElement);
    while (!pending.empty()) {
        const GuiElement* element = pending.back();
        pending.pop_back();
        inTree.insert(element);
        for (const GuiElement* child : element->children)
            pending.push_back(child);
    }
    std::vector<GuiElement*> living;
    for (GuiElement* element : dialogue.elements)
        if (inTree.count(element))
            living.push_back(element);
    return living;
}

}  // namespace

GuiElement* LoadedDialogue::findElement(const char* name) const {
    if (!name)
        return nullptr;
    std::vector<GuiElement*> pending = livingElements(*this);
    std::reverse(pending.begin(), pending.end());
    while (!pending.empty()) {
        GuiElement* element = pending.back();
        pending.pop_back();
        if (element->name == name)
            return element;
        // Oldest child on top, so that the walk goes in file order.
        const std::vector<GuiElement*>& children = element->children.oldestFirst();
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return nullptr;
}

void destroyDialogue(LoadedDialogue& dialogue) {
    for (GuiElement* element : livingElements(dialogue))
        destroyElement(element);
    dialogue = LoadedDialogue();
}

}  // namespace trellis
