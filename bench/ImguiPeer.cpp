// The ImGui peer: the scenes built with ImGui's immediate-mode calls every frame.
#include "ImguiPeer.h"

#include "PeerScene.h"

#include <GL/gl.h>

#ifdef TRELLIS_BENCH_IMGUI
#include <GLFW/glfw3.h>
#include <backends/imgui_impl_glfw.h>
#include <backends/imgui_impl_opengl2.h>
#include <backends/imgui_impl_opengl3.h>
#include <imgui.h>
#include <map>
#endif

namespace trellis {

#ifdef TRELLIS_BENCH_IMGUI

namespace {

struct ImguiWindow {
    ImGuiContext* context = nullptr;
    ImguiBackend backend = ImguiBackend::OpenGL2;
};
std::map<GLFWwindow*, ImguiWindow> imguiWindows;
ImguiBackend currentBackend = ImguiBackend::OpenGL2;

// A new frame with the current context's backends; the pixels per trellis screen unit.
float beginImguiFrame(int& width, int& height) {
    glfwGetFramebufferSize(glfwGetCurrentContext(), &width, &height);
    if (currentBackend == ImguiBackend::OpenGL3)
        ImGui_ImplOpenGL3_NewFrame();
    else
        ImGui_ImplOpenGL2_NewFrame();
    ImGui_ImplGlfw_NewFrame();
    ImGui::NewFrame();
    return float(height) / 100.0f;
}

void renderImguiFrame() {
    if (currentBackend == ImguiBackend::OpenGL3)
        ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
    else
        ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
}

constexpr ImGuiWindowFlags kWindowFlags =
    ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings;

}  // namespace

bool imguiAvailable() {
    return true;
}

void useImgui(GLFWwindow* window, ImguiBackend backend) {
    ImguiWindow& w = imguiWindows[window];
    if (!w.context) {
        IMGUI_CHECKVERSION();
        w.context = ImGui::CreateContext();
        w.backend = backend;
        ImGui::SetCurrentContext(w.context);
        ImGui::GetIO().IniFilename = nullptr;
        ImGui_ImplGlfw_InitForOpenGL(window, false);
        if (backend == ImguiBackend::OpenGL3)
            ImGui_ImplOpenGL3_Init("#version 330 core");
        else
            ImGui_ImplOpenGL2_Init();
    }
    ImGui::SetCurrentContext(w.context);
    currentBackend = w.backend;
}

void startImgui(GLFWwindow* window) {
    useImgui(window, ImguiBackend::OpenGL2);
}

void drawImguiFrame(int buttons) {
    int width = 0, height = 0;
    const float unit = beginImguiFrame(width, height);
    ImGui::SetNextWindowPos(ImVec2(0, 0));
    ImGui::SetNextWindowSize(ImVec2(float(width), float(height)));
    ImGui::Begin("peer", nullptr, kWindowFlags);
    for (int i = 0; i < buttons; ++i) {
        float x = 0, y = 0;
        peerButtonPlace(i, x, y);
        ImGui::SetCursorPos(ImVec2(x * unit, y * unit));
        ImGui::PushID(i);
        ImGui::Button(kPeerLabel, ImVec2(kPeerButtonWidth * unit, kPeerButtonHeight * unit));
        ImGui::PopID();
    }
    ImGui::End();
    ImGui::Render();
    glViewport(0, 0, width, height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    renderImguiFrame();
}

void drawImguiMoving(int buttons, int frame, bool hud) {
    int width = 0, height = 0;
    const float unit = beginImguiFrame(width, height);
    if (hud) {
        ImGui::SetNextWindowPos(ImVec2(kHudX * unit, kHudY * unit));
        ImGui::SetNextWindowSize(ImVec2(kHudWidth * unit, kHudHeight * unit));
    } else {
        ImGui::SetNextWindowPos(ImVec2(0, 0));
        ImGui::SetNextWindowSize(ImVec2(float(width), float(height)));
    }
    ImGui::Begin(hud ? "hud" : "moving", nullptr, kWindowFlags);
    for (int i = 0; i < buttons; ++i) {
        float x = 0, y = 0;
        (hud ? hudButtonPlace : peerButtonPlace)(i, x, y);
        unsigned char rgba[4];
        peerButtonColor(i, frame, rgba);
        ImGui::SetCursorPos(ImVec2(x * unit, y * unit));
        ImGui::PushID(i);
        ImGui::PushStyleColor(ImGuiCol_Button, IM_COL32(rgba[0], rgba[1], rgba[2], rgba[3]));
        ImGui::Button(kPeerLabel, ImVec2(kPeerButtonWidth * unit, kPeerButtonHeight * unit));
        ImGui::PopStyleColor();
        ImGui::PopID();
    }
    ImGui::End();
    ImGui::Render();
    glViewport(0, 0, width, height);
    renderImguiFrame();
}

#else

bool imguiAvailable() {
    return false;
}

void useImgui(GLFWwindow*, ImguiBackend) {}

void startImgui(GLFWwindow*) {}

void drawImguiFrame(int) {}

void drawImguiMoving(int, int, bool) {}

#endif

}  // namespace trellis
