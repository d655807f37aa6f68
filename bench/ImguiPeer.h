// ImguiPeer: Dear ImGui drawing the peer scenes (PeerScene.h) with its GLFW backend and its
// OpenGL 2 or OpenGL 3 backend, as its users use it: the still scene, the animated one (every
// button recoloured with PushStyleColor every frame), the HUD, and the labels of the text scene
// (TextScene.h) in a TrueType font.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct GLFWwindow;

namespace trellis {

// Which of ImGui's OpenGL backends draws.
enum class ImguiBackend { OpenGL2, OpenGL3 };

// Whether the benchmark was built with Dear ImGui.
bool imguiAvailable();

// Makes window's own ImGui context current, starting it the first time with the backend (each
// window has one context; the backends take no input callbacks).
void useImgui(GLFWwindow* window, ImguiBackend backend);

// Starts ImGui in window with the OpenGL 2 backend (useImgui).
void startImgui(GLFWwindow* window);

// One ImGui frame of the still scene: new frame, the window and its buttons, render, clear and
// draw.
void drawImguiFrame(int buttons);

// One ImGui frame of a moving scene drawn over what the framebuffer holds (no clear): the
// buttons in their colours of frame number frame (peerButtonColor), in a window over the
// viewport, or in the HUD's window when hud is set.
void drawImguiMoving(int buttons, int frame, bool hud);

// Makes current an ImGui context of window's own for text in fontFile (the OpenGL 2 backend),
// starting it the first time with that font alone at pixels high, its atlas holding ImGui's
// default characters and the given ones (UTF-8). False when the font cannot be used.
bool useImguiText(GLFWwindow* window, const char* fontFile, float pixels,
                  const std::string& characters);

// The bytes of the texture the current context's backend made of its font atlas (RGBA).
size_t imguiAtlasBytes();

// One ImGui frame of the text scene: new frame, the window with the texts at the labels'
// places (textLabelPlace), render, clear and draw.
void drawImguiText(const std::vector<std::string>& texts);

}  // namespace trellis
