// The host's triangle scene, drawn in immediate mode with its own matrices and viewport.
#include "Scene.h"

#include <GL/gl.h>
#include <cmath>

Viewport viewport;

namespace {

struct PaletteColour {
    const char* name;
    float r, g, b;
};

const PaletteColour palette[] = {
    {"orange", 0.95f, 0.55f, 0.15f},
    {"green", 0.30f, 0.80f, 0.35f},
    {"blue", 0.30f, 0.55f, 0.95f},
};
constexpr int paletteSize = sizeof(palette) / sizeof(palette[0]);

}  // namespace

void Scene::advance(double seconds) {
    if (!paused)
        angle = std::fmod(angle + static_cast<float>(seconds) * degreesPerSecond, 360.0f);
}

void Scene::draw() const {
    glViewport(0, 0, viewport.width, viewport.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // Square units whatever the window's shape: the shorter side spans -1 to 1.
    const double aspect = static_cast<double>(viewport.width) / viewport.height;
    if (aspect >= 1)
        glOrtho(-aspect, aspect, -1, 1, -1, 1);
    else
        glOrtho(-1, 1, -1 / aspect, 1 / aspect, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(angle, 0, 0, 1);
    const PaletteColour& c = palette[colour];
    glBegin(GL_TRIANGLES);
    glColor3f(c.r, c.g, c.b);
    glVertex2f(0.0f, 0.8f);
    glVertex2f(-0.7f, -0.45f);
    glColor3f(c.r * 0.5f, c.g * 0.5f, c.b * 0.5f);
    glVertex2f(0.7f, -0.45f);
    glEnd();
}

bool Scene::reverseSpin() {
    degreesPerSecond = -degreesPerSecond;
    return degreesPerSecond > 0;
}

const char* Scene::nextColour() {
    colour = (colour + 1) % paletteSize;
    return palette[colour].name;
}

bool Scene::togglePause() {
    paused = !paused;
    return paused;
}
