// trellis-core: a GLFW program with an OpenGL 3.3 core, forward-compatible context (as macOS
// requires) that draws its own scene with a shader and a vertex array object, leaves them bound
// as renderers commonly do, and puts a trellis interface on top, drawn by the shader renderer.
// Usage: trellis-core [DATA_FOLDER], where DATA_FOLDER holds verdana.glf, coreSkin.xml and
// coreDialogue.xml; it defaults to the folder of the executable.
//
// It prints "ready: ...", "callback: recolour" and "window closed", one line each.
#include <trellis/gui/CallbackTable.h>
#include <trellis/shell/Host.h>
#include <trellis/skin/SkinFile.h>

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <GLFW/glfw3.h>

#include <climits>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// The scene: one triangle, orange or green, from a vertex array object of its own.
struct Scene {
    GLuint program = 0, vertexArray = 0, buffer = 0;
    bool green = false;
};

// Prints one line and flushes it, so that a reader of a pipe sees it at once.
void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// The folder holding this executable; "." when it cannot be read.
std::string executableFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0)
        return ".";
    const std::string file(path, static_cast<size_t>(length));
    return file.substr(0, file.find_last_of('/'));
}

GLuint compile(GLenum type, const char* source) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    return shader;
}

void makeScene(Scene& scene) {
    const char* vertex = "#version 330 core\n"
                         "layout(location = 0) in vec2 corner;\n"
                         "void main() { gl_Position = vec4(corner, 0.0, 1.0); }\n";
    const char* fragment = "#version 330 core\n"
                           "uniform vec4 tint;\n"
                           "out vec4 colour;\n"
                           "void main() { colour = tint; }\n";
    scene.program = glCreateProgram();
    glAttachShader(scene.program, compile(GL_VERTEX_SHADER, vertex));
    glAttachShader(scene.program, compile(GL_FRAGMENT_SHADER, fragment));
    glLinkProgram(scene.program);
    const float corners[] = {-0.1f, -0.7f, 0.8f, -0.7f, 0.35f, 0.6f};
    glGenVertexArrays(1, &scene.vertexArray);
    glBindVertexArray(scene.vertexArray);
    glGenBuffers(1, &scene.buffer);
    glBindBuffer(GL_ARRAY_BUFFER, scene.buffer);
    glBufferData(GL_ARRAY_BUFFER, sizeof corners, corners, GL_STATIC_DRAW);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(0);
}

// Draws the scene and leaves its program, array object and buffer bound.
void drawScene(const Scene& scene, int width, int height) {
    glViewport(0, 0, width, height);
    glClearColor(0.1f, 0.1f, 0.15f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(scene.program);
    const GLint tint = glGetUniformLocation(scene.program, "tint");
    if (scene.green)
        glUniform4f(tint, 0.0f, 1.0f, 0.0f, 1.0f);
    else
        glUniform4f(tint, 1.0f, 0.5f, 0.0f, 1.0f);
    glBindVertexArray(scene.vertexArray);
    glDrawArrays(GL_TRIANGLES, 0, 3);
}

void onRecolour(void* receiver, trellis::CallbackSender*) {
    Scene& scene = *static_cast<Scene*>(receiver);
    scene.green = !scene.green;
    say("callback: recolour");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : executableFolder();
    if (!glfwInit()) {
        std::fprintf(stderr, "trellis-core: no display\n");
        return 1;
    }
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GLFW_TRUE);
    glfwWindowHint(GLFW_DEPTH_BITS, 24);
    GLFWwindow* window = glfwCreateWindow(800, 600, "trellis core profile", nullptr, nullptr);
    if (!window) {
        std::fprintf(stderr, "trellis-core: no OpenGL 3.3 core context\n");
        return 1;
    }
    glfwMakeContextCurrent(window);
    int width = 0, height = 0;
    glfwGetFramebufferSize(window, &width, &height);

    Scene scene;
    makeScene(scene);
    trellis::registerCallback("recolour", onRecolour, &scene);
    if (!trellis::initHostGui(width, height) ||
        !trellis::loadFont((folder + "/verdana.glf").c_str()) ||
        !trellis::loadSkin("core", (folder + "/coreSkin.xml").c_str()) ||
        !trellis::loadDialogueFile((folder + "/coreDialogue.xml").c_str()).loaded) {
        std::fprintf(stderr, "trellis-core: cannot start the interface from %s\n", folder.c_str());
        return 1;
    }
    glfwSetCursorPosCallback(
        window, [](GLFWwindow* w, double x, double y) { trellis::hostCursorPos(w, x, y); });
    glfwSetMouseButtonCallback(window, [](GLFWwindow*, int button, int action, int) {
        trellis::hostMouseButton(button, action);
    });
    bool ready = false;
    while (!glfwWindowShouldClose(window)) {
        glfwWaitEventsTimeout(1.0 / 60);
        drawScene(scene, width, height);
        trellis::drawInterface();
        if (glGetError() != GL_NO_ERROR)
            std::fprintf(stderr, "trellis-core: an OpenGL error in the frame\n");
        glfwSwapBuffers(window);
        // Said once the first frame is on screen, so that a reader may look at it.
        if (!ready) {
            say("ready: interface " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels, " + reinterpret_cast<const char*>(glGetString(GL_VERSION)));
            ready = true;
        }
    }
    say("window closed");
    trellis::destroyElement(trellis::rootElement);
    glfwDestroyWindow(window);
    glfwTerminate();
    return 0;
}
