// Working out a frame's call stream from the tree, and replaying it without trellis.
#include "FloorScene.h"

#include "trellis/font/TextureFont.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/TextElement.h"
#include "trellis/gui/Window.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstring>

namespace trellis {

namespace {

// The frame's fixed text: the pointer line at the right edge, as drawFrame places it.
constexpr float kDebugRightEdge = 132.0f, kDebugLineY = 97.0f, kDebugTextSize = 2.0f;

void copyColor(unsigned char (&to)[4], const Color& from) {
    std::memcpy(to, from.rgba, 4);
}

class Builder {
public:
    Builder(FloorScene& scene, std::string& error) : scene(scene), error(error) {}

    // Appends the glyph quads of a one-line text drawn at (x, y) with line height size.
    bool addText(const char* text, float x, float y, float size, FloorText& run) {
        if (size == 0 || std::strpbrk(text, "\n\t")) {
            error = "the floor draws only single-line texts with a size";
            return false;
        }
        const float scale = size / glyphTable[0].glyphHeight;
        run.begin = uint32_t(scene.glyphs.size());
        for (const char* p = text; *p; ++p) {
            const int code = static_cast<signed char>(*p);
            if (code < firstChar || code > lastChar)
                continue;
            const GlyphRecord& g = glyphTable[code - firstChar];
            const float w = g.glyphWidth * scale;
            scene.glyphs.push_back(
                {g.texLeft, g.texTop, g.texRight, g.texBottom, x, y, x + w, y + size});
            x += w;
        }
        run.end = uint32_t(scene.glyphs.size());
        return true;
    }

    bool addTree(const GuiElement* element, int depth) {
        if (depth >= 24) {
            error = "the floor mirrors trees up to 24 levels deep";
            return false;
        }
        FloorNode node{};
        node.x = element->x;
        node.y = element->y;
        if (!describe(*element, node))
            return false;
        scene.nodes.push_back(node);
        for (const GuiElement* child : element->children.oldestFirst())
            if (child->visible && !addTree(child, depth + 1))
                return false;
        ++scene.nodes.back().pops;
        return true;
    }

private:
    bool describe(const GuiElement& element, FloorNode& node) {
        if (dynamic_cast<const GuiRoot*>(&element))
            return true;
        node.parts = FloorNode::kQuad;
        node.width = element.width;
        node.height = element.height;
        node.u0 = element.u0;
        node.v0 = element.v0;
        node.u1 = element.u1;
        node.v1 = element.v1;
        node.textured = element.texture != 0;
        copyColor(node.bg, element.bgColor);
        if (const auto* window = dynamic_cast<const Window*>(&element)) {
            if (window->border) {
                node.parts |= FloorNode::kBorder;
                node.borderWidth = snapToPixel(borderWidth);
                copyColor(node.border, window->borderColor);
                copyColor(node.first, scaleColor(window->borderColor, 1.4f));
                copyColor(node.second, scaleColor(window->borderColor, 0.6f));
            }
        }
        if (const auto* text = dynamic_cast<const TextElement*>(&element)) {
            if (!text->text.empty()) {
                node.parts |= FloorNode::kText;
                copyColor(node.font, text->fontColor);
                float textWidth = 0, textHeight = 0;
                measureText(text->text.c_str(), text->fontSize, textWidth, textHeight);
                const float inset = text->fontSize * 0.25f;
                const float dx = alignedTextOffset(text->hAlign, text->width - textWidth, inset);
                const float dy = alignedTextOffset(text->vAlign, text->height - textHeight, inset);
                if (!addText(text->text.c_str(), snapToPixel(dx), snapToPixel(dy), text->fontSize,
                             node.text))
                    return false;
            }
        }
        if (const auto* button = dynamic_cast<const Button*>(&element)) {
            if (!button->texture) {
                node.parts |= FloorNode::kBevel;
                node.pixel = pixelSize;
                const Color light = scaleColor(button->bgColor, 1.4f);
                const Color dark = scaleColor(button->bgColor, 0.6f);
                copyColor(node.first, button->pressed ? dark : light);
                copyColor(node.second, button->pressed ? light : dark);
            }
        }
        return true;
    }

    FloorScene& scene;
    std::string& error;
};

void drawQuad(const FloorNode& n) {
    if (n.textured)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
    glColor4ubv(n.bg);
    glBegin(GL_QUADS);
    glTexCoord2f(n.u0, n.v0);
    glVertex2f(0, 0);
    glTexCoord2f(n.u0, n.v1);
    glVertex2f(0, n.height);
    glTexCoord2f(n.u1, n.v1);
    glVertex2f(n.width, n.height);
    glTexCoord2f(n.u1, n.v0);
    glVertex2f(n.width, 0);
    glEnd();
}

void drawBorder(const FloorNode& n) {
    const float w = n.width, h = n.height, b = n.borderWidth;
    glBegin(GL_QUADS);
    glColor4ubv(n.border);
    glVertex2f(w, 0);
    glVertex2f(w, h);
    glColor4ubv(n.second);
    glVertex2f(w + b, h + b);
    glVertex2f(w + b, -b);
    glColor4ubv(n.first);
    glVertex2f(-b, -b);
    glVertex2f(-b, h + b);
    glColor4ubv(n.border);
    glVertex2f(0, h);
    glVertex2f(0, 0);
    glColor4ubv(n.first);
    glVertex2f(w + b, -b);
    glVertex2f(-b, -b);
    glColor4ubv(n.border);
    glVertex2f(0, 0);
    glVertex2f(w, 0);
    glVertex2f(w, h);
    glVertex2f(0, h);
    glColor4ubv(n.second);
    glVertex2f(-b, h + b);
    glVertex2f(w + b, h + b);
    glEnd();
}

void drawGlyphs(const FloorScene& scene, FloorText run) {
    glEnable(GL_TEXTURE_2D);
    glAlphaFunc(GL_GEQUAL, 0.1f);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, scene.texture);
    glBegin(GL_QUADS);
    for (const FloorGlyph *g = scene.glyphs.data() + run.begin,
                          *end = scene.glyphs.data() + run.end;
         g != end; ++g) {
        glTexCoord2f(g->s0, g->t0);
        glVertex3f(g->x0, g->y0, 0);
        glTexCoord2f(g->s0, g->t1);
        glVertex3f(g->x0, g->y1, 0);
        glTexCoord2f(g->s1, g->t1);
        glVertex3f(g->x1, g->y1, 0);
        glTexCoord2f(g->s1, g->t0);
        glVertex3f(g->x1, g->y0, 0);
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
}

void drawBevel(const FloorNode& n) {
    const float p = n.pixel, w = n.width, h = n.height;
    glBegin(GL_LINES);
    glColor4ubv(n.first);
    glVertex2f(w - p, p);
    glVertex2f(0, p);
    glVertex2f(0, p);
    glVertex2f(0, h);
    glColor4ubv(n.second);
    glVertex2f(p, h);
    glVertex2f(w - p, h);
    glVertex2f(w - p, h);
    glVertex2f(w, 0);
    glEnd();
}

}  // namespace

bool buildFloorScene(const GuiElement* root, FloorScene& scene, std::string& error) {
    if (hoveredElement || focusElement || !fontLoaded) {
        error = "the floor mirrors frames with a font and without hovered or focus elements";
        return false;
    }
    scene = FloorScene{};
    scene.screenWidth = screenWidthUnits();
    scene.texture = textureName;
    Builder builder(scene, error);
    if (!builder.addTree(root, 0))
        return false;
    char pointerLine[128];
    std::snprintf(pointerLine, sizeof pointerLine, "%.3f / %.3f", pointerX, pointerY);
    float lineWidth = 0, lineHeight = 0;
    measureText(pointerLine, kDebugTextSize, lineWidth, lineHeight);
    return builder.addText(pointerLine, kDebugRightEdge - lineWidth, kDebugLineY, kDebugTextSize,
                           scene.debugLine);
}

void drawFloorFrame(const FloorScene& scene) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, scene.screenWidth, 100, 0, 0, -100);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    for (const FloorNode& n : scene.nodes) {
        glPushMatrix();
        glTranslatef(n.x, n.y, 0);
        if (n.parts & FloorNode::kQuad)
            drawQuad(n);
        if (n.parts & FloorNode::kBorder)
            drawBorder(n);
        if (n.parts & FloorNode::kText) {
            glColor4ubv(n.font);
            drawGlyphs(scene, n.text);
        }
        if (n.parts & FloorNode::kBevel)
            drawBevel(n);
        for (int i = 0; i < n.pops; ++i)
            glPopMatrix();
    }
    glColor3f(1, 1, 1);
    drawGlyphs(scene, scene.debugLine);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

}  // namespace trellis
