// The ImGui peer: the scene built with ImGui's immediate-mode calls every frame.
#include "ImguiPeer.h"

#include "PeerScene.h"

#include <GL/gl.h>

#ifdef TRELLIS_BENCH_IMGUI
#include <GLFW/glfw3.h>
#include <backends/imgui_impl_glfw.h>
#include <backends/imgui_impl_opengl2.h>
#include <imgui.h>
#endif

namespace trellis {

#ifdef TRELLIS_BENCH_IMGUI

bool imguiAvailable() {
    return true;
}

void startImgui(GLFWwindow* window) {
    static bool started = false;
    if (started)
        return;
    started = true;
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGui::GetIO().IniFilename = nullptr;
    ImGui_ImplGlfw_InitForOpenGL(window, false);
    ImGui_ImplOpenGL2_Init();
}

void drawImguiFrame(int buttons) {
    int width = 0, height = 0;
    glfwGetFramebufferSize(glfwGetCurrentContext(), &width, &height);
    const float unit = float(height) / 100.0f;  // pixels per trellis screen unit
    ImGui_ImplOpenGL2_NewFrame();
    ImGui_ImplGlfw_NewFrame();
    ImGui::NewFrame();
    ImGui::SetNextWindowPos(ImVec2(0, 0));
    ImGui::SetNextWindowSize(ImVec2(float(width), float(height)));
    ImGui::Begin("peer", nullptr,
                 ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_NoSavedSettings);
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
    ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
}

#else

bool imguiAvailable() {
    return false;
}

void startImgui(GLFWwindow*) {}

void drawImguiFrame(int) {}

#endif

}  // namespace trellis
