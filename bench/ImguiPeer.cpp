// The ImGui peer: the scenes built with ImGui's immediate-mode calls every frame.
#include "ImguiPeer.h"

#include "PeerScene.h"
#include "TextScene.h"

#include <GL/gl.h>

#ifdef TRELLIS_BENCH_IMGUI
#include <GLFW/glfw3.h>
#include <backends/imgui_impl_glfw.h>
#include <backends/imgui_impl_opengl2.h>
#include <backends/imgui_impl_opengl3.h>
#include <imgui.h>
#include <map>
#include <unistd.h>
#include <utility>
#endif

namespace trellis {

#ifdef TRELLIS_BENCH_IMGUI

namespace {

struct ImguiWindow {
    ImGuiContext* context = nullptr;
    ImguiBackend backend = ImguiBackend::OpenGL2;
    ImVector<ImWchar> glyphRanges;  // a text context's characters, which its atlas reads
};
// By window, and the font file of a text context ("" for ImGui's own font).
std::map<std::pair<GLFWwindow*, std::string>, ImguiWindow> imguiWindows;
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

namespace {

// Makes the context of window and font current; true when it was started just now (with the
// backends, before any frame: its fonts may still be added).
bool useContext(GLFWwindow* window, const std::string& font, ImguiBackend backend) {
    ImguiWindow& w = imguiWindows[{window, font}];
    const bool started = !w.context;
    if (started) {
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
    return started;
}

}  // namespace

void useImgui(GLFWwindow* window, ImguiBackend backend) {
    useContext(window, "", backend);
}

bool useImguiText(GLFWwindow* window, const char* fontFile, float pixels,
                  const std::string& characters) {
    if (access(fontFile, R_OK) != 0)
        return false;
    if (useContext(window, fontFile, ImguiBackend::OpenGL2)) {
        ImguiWindow& w = imguiWindows[{window, fontFile}];
        ImFontGlyphRangesBuilder ranges;
        ranges.AddRanges(ImGui::GetIO().Fonts->GetGlyphRangesDefault());
        ranges.AddText(characters.c_str());
        ranges.BuildRanges(&w.glyphRanges);
        ImGui::GetIO().Fonts->AddFontFromFileTTF(fontFile, pixels, nullptr, w.glyphRanges.Data);
    }
    return ImGui::GetIO().Fonts->Fonts.Size == 1;
}

size_t imguiAtlasBytes() {
    const ImFontAtlas& atlas = *ImGui::GetIO().Fonts;
    return size_t(atlas.TexWidth) * size_t(atlas.TexHeight) * 4;
}

void drawImguiText(const std::vector<std::string>& texts) {
    int width = 0, height = 0;
    const float unit = beginImguiFrame(width, height);
    ImGui::SetNextWindowPos(ImVec2(0, 0));
    ImGui::SetNextWindowSize(ImVec2(float(width), float(height)));
    ImGui::Begin("text", nullptr, kWindowFlags);
    for (size_t i = 0; i < texts.size(); ++i) {
        float x = 0, y = 0;
        textLabelPlace(int(i), x, y);
        ImGui::SetCursorPos(ImVec2(x * unit, y * unit));
        ImGui::TextUnformatted(texts[i].data(), texts[i].data() + texts[i].size());
    }
    ImGui::End();
    ImGui::Render();
    glViewport(0, 0, width, height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    renderImguiFrame();
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

bool useImguiText(GLFWwindow*, const char*, float, const std::string&) {
    return false;
}

size_t imguiAtlasBytes() {
    return 0;
}

void drawImguiText(const std::vector<std::string>&) {}

#endif

}  // namespace trellis
