// Scenes where everything moves, trellis beside Dear ImGui in the compatibility context (the
// batched renderer against ImGui's OpenGL 2 backend) and in an OpenGL 3.3 core context (the
// shader renderer against ImGui's OpenGL 3 backend): the animated scene, every button of the
// peer grid recoloured every frame, and a HUD over a host triangle turned every frame. trellis
// draws as a host draws it (drawInterface). Before anything is timed, a frame drawn after
// others equals one drawn from nothing, and in the compatibility context the immediate path's.
#include "BenchSupport.h"
#include "Benchmarks.h"
#include "FrameTurns.h"
#include "ImguiPeer.h"
#include "PeerScene.h"

#include "trellis/gui/Button.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/render/Renderer.h"
#include "trellis/shell/Host.h"
#include "trellis/shell/WindowShell.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <GLFW/glfw3.h>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace trellis {

namespace {

// Frames drawn before a frame is checked: the later ones take the paths of a moving scene.
constexpr int kCheckedFrame = 3;

// The host's scene: one triangle turned a little every frame, drawn as a GL 2 program draws
// it (glBegin) in the compatibility context and with its own program and vertex array in the
// core one, which it leaves bound, as hosts do.
class HostTriangle {
public:
    void draw(bool core, int frame) {
        const float angle = 0.01f * float(frame);
        if (!core) {
            glBegin(GL_TRIANGLES);
            for (int i = 0; i < 3; ++i) {
                const float a = angle + 2.0944f * float(i);
                glColor3f(0.2f + 0.3f * float(i), 0.5f, 0.8f - 0.3f * float(i));
                glVertex2f(0.9f * std::cos(a), 0.9f * std::sin(a));
            }
            glEnd();
            return;
        }
        if (!program)
            build();
        glUseProgram(program);
        glBindVertexArray(vertexArray);
        glUniform1f(angleLocation, angle);
        glDrawArrays(GL_TRIANGLES, 0, 3);
    }

private:
    void build() {
        const char* vertex = "#version 330 core\n"
                             "uniform float angle;\n"
                             "out vec3 tint;\n"
                             "void main() {\n"
                             "    float a = angle + 2.0944 * float(gl_VertexID);\n"
                             "    tint = vec3(0.2 + 0.3 * float(gl_VertexID), 0.5, 0.5);\n"
                             "    gl_Position = vec4(0.9 * cos(a), 0.9 * sin(a), 0.0, 1.0);\n"
                             "}\n";
        const char* fragment = "#version 330 core\n"
                               "in vec3 tint;\n"
                               "out vec4 colour;\n"
                               "void main() { colour = vec4(tint, 1.0); }\n";
        program = glCreateProgram();
        for (auto [type, source] :
             {std::pair{GL_VERTEX_SHADER, vertex}, std::pair{GL_FRAGMENT_SHADER, fragment}}) {
            const GLuint shader = glCreateShader(type);
            glShaderSource(shader, 1, &source, nullptr);
            glCompileShader(shader);
            glAttachShader(program, shader);
            glDeleteShader(shader);
        }
        glLinkProgram(program);
        angleLocation = glGetUniformLocation(program, "angle");
        glGenVertexArrays(1, &vertexArray);
    }

    GLuint program = 0, vertexArray = 0;
    GLint angleLocation = -1;
};

// The two windows: the benchmarks' own (compatibility) and one with a 3.3 core context.
struct Contexts {
    GLFWwindow* compatible = nullptr;
    GLFWwindow* core = nullptr;
    HostTriangle coreTriangle, compatibleTriangle;
};

Contexts& contexts() {
    static Contexts c;
    if (!c.compatible) {
        c.compatible = glfwGetCurrentContext();
        glfwDefaultWindowHints();
        hintWindowFormat();
        glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
        glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
        glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GLFW_TRUE);
        c.core = glfwCreateWindow(1024, 768, "core", nullptr, nullptr);
        glfwDefaultWindowHints();
        if (c.core) {
            glfwMakeContextCurrent(c.core);
            glReadBuffer(GL_BACK);
            glPixelStorei(GL_PACK_ALIGNMENT, 1);
            glClearColor(0, 0, 0, 1);
            glfwMakeContextCurrent(c.compatible);
        }
    }
    return c;
}

// Makes a context current and readies the interface to draw in it as a host.
bool useContext(bool core) {
    Contexts& c = contexts();
    GLFWwindow* window = core ? c.core : c.compatible;
    if (!window)
        return false;
    glfwMakeContextCurrent(window);
    return initHostGui(1024, 768);
}

struct MovingScene {
    GuiElement* root = nullptr;
    std::vector<Button*> buttons;
    std::vector<unsigned char> reference;  // frame kCheckedFrame by the immediate path
};

MovingScene& movingScene(bool hud, int buttons) {
    static std::map<std::pair<bool, int>, std::unique_ptr<MovingScene>> scenes;
    std::unique_ptr<MovingScene>& scene = scenes[{hud, buttons}];
    if (!scene) {
        scene = std::make_unique<MovingScene>();
        scene->root = hud ? buildHudTree(buttons) : buildPeerTree(buttons);
        for (GuiElement* e : scene->root->children.front()->children.oldestFirst())
            scene->buttons.push_back(static_cast<Button*>(e));
    }
    return *scene;
}

std::vector<unsigned char> readFrame() {
    std::vector<unsigned char> pixels(size_t(1024) * 768 * 4);
    glReadPixels(0, 0, 1024, 768, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

size_t differingPixels(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    size_t count = 0;
    for (size_t i = 0; i + 4 <= a.size() && i + 4 <= b.size(); i += 4)
        count +=
            a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2] || a[i + 3] != b[i + 3];
    return count;
}

// One frame of the host's program: clear, its scene, then the interface or ImGui.
struct MovingFrame {
    MovingScene& scene;
    bool hud, core;
    int buttons;
    int frame = 0;

    void host(bool triangle) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (triangle && hud) {
            Contexts& c = contexts();
            (core ? c.coreTriangle : c.compatibleTriangle).draw(core, frame);
        }
    }
    void trellis(bool triangle = true) {
        // The HUD keeps its colours; the animated scene's change every frame.
        if (!hud)
            for (size_t i = 0; i < scene.buttons.size(); ++i)
                peerButtonColor(int(i), frame, scene.buttons[i]->bgColor.rgba);
        host(triangle);
        rootElement = scene.root;
        drawInterface(false);
        ++frame;
    }
    void imgui() {
        host(true);
        drawImguiMoving(buttons, frame, hud);
        ++frame;
    }
    void empty() {
        host(true);
        ++frame;
    }
};

// Draws frames 0 to kCheckedFrame, over the host's scene or not, and reads the last back.
std::vector<unsigned char> checkedFrame(MovingFrame& f, bool triangle) {
    f.frame = 0;
    while (f.frame <= kCheckedFrame)
        f.trellis(triangle);
    return readFrame();
}

// The same frame drawn from nothing: whatever the renderer kept must not show.
std::vector<unsigned char> freshFrame(MovingFrame& f, bool triangle) {
    forgetRenderedFrame();
    f.frame = kCheckedFrame;
    f.trellis(triangle);
    return readFrame();
}

// The immediate path's frame in the compatibility context, kept as the reference; an error
// when the frame the renderer draws there after others differs from it, or from the same
// frame drawn anew, without the host's scene and over it.
std::string checkScene(MovingScene& scene, bool hud, int buttons, bool core, size_t& differing) {
    MovingFrame f{scene, hud, core, buttons};
    if (scene.reference.empty()) {
        if (!useContext(false))
            return "no compatibility context";
        setRenderer(Renderer::Immediate);
        MovingFrame reference{scene, hud, false, buttons, kCheckedFrame};
        reference.trellis(false);
        scene.reference = readFrame();
        setRenderer(Renderer::Automatic);
    }
    if (!useContext(core))
        return core ? "no OpenGL 3.3 core context" : "no compatibility context";
    for (const bool triangle : {false, true}) {
        forgetRenderedFrame();
        const auto moved = checkedFrame(f, triangle);
        const auto fresh = freshFrame(f, triangle);
        if (moved != fresh)
            return std::to_string(differingPixels(moved, fresh)) +
                   " px of a frame drawn after others differ from the frame drawn anew" +
                   (triangle ? " over the host's scene" : "");
        if (!triangle) {
            differing = differingPixels(moved, scene.reference);
            if (!core && differing)
                return std::to_string(differing) + " px differ from the immediate path's";
        }
    }
    return "";
}

void movingBenchmark(benchmark::State& state, bool hud, bool core) {
    const int buttons = int(state.range(0));
    GLFWwindow* const home = glfwGetCurrentContext();
    MovingScene& scene = movingScene(hud, buttons);
    size_t differing = 0;
    const std::string error = checkScene(scene, hud, buttons, core, differing);
    if (!error.empty()) {
        state.SkipWithError(error.c_str());
        glfwMakeContextCurrent(home);
        return;
    }
    useImgui(glfwGetCurrentContext(), core ? ImguiBackend::OpenGL3 : ImguiBackend::OpenGL2);
    MovingFrame f{scene, hud, core, buttons};
    std::vector<FrameKind> kinds = {
        {"trellis_ms", [&] { f.trellis(); }},
        {"empty_ms", [&] { f.empty(); }},
    };
    if (imguiAvailable())
        kinds.push_back({"imgui_ms", [&] { f.imgui(); }});
    runInTurns(state, kinds);
    state.counters["draw_calls"] = double(lastRenderStats().drawCalls);
    state.counters["differing_px"] = double(differing);
    glfwMakeContextCurrent(home);
}

// Out of line, so that callgrind's --toggle-collect can count the frames alone.
__attribute__((noinline)) void profiledMovingFrame(MovingFrame& f) {
    f.trellis();
}

}  // namespace

bool profileMoving(const char* kind, int buttons, int frames) {
    const std::string which = kind;
    const bool hud = which.rfind("hud", 0) == 0,
               core = which.size() > 4 && which.substr(which.size() - 4) == "core";
    if (which != "animated" && which != "animatedcore" && which != "hud" && which != "hudcore")
        return false;
    MovingScene& scene = movingScene(hud, buttons);
    if (!useContext(core))
        return false;
    MovingFrame f{scene, hud, core, buttons};
    // The first frames compile llvmpipe's shaders: not counted.
    for (int i = 0; i < 5 + frames; ++i) {
        if (i < 5)
            f.trellis();
        else
            profiledMovingFrame(f);
        glfwSwapBuffers(glfwGetCurrentContext());
    }
    return true;
}

void registerMovingBenchmarks(const std::vector<int>& animatedCounts,
                              const std::vector<int>& hudCounts, double minSeconds) {
    const struct {
        const char* name;
        bool hud, core;
    } families[] = {{"animated_compat", false, false},
                    {"animated_core", false, true},
                    {"hud_compat", true, false},
                    {"hud_core", true, true}};
    for (const auto& f : families)
        registerFrameFamily(
            f.name, [f](benchmark::State& state) { movingBenchmark(state, f.hud, f.core); },
            f.hud ? hudCounts : animatedCounts, minSeconds);
}

}  // namespace trellis
