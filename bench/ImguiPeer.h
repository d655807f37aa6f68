// ImguiPeer: Dear ImGui drawing the peer scenes (PeerScene.h) with its GLFW backend and its
// OpenGL 2 or OpenGL 3 backend, as its users use it: the still scene, the animated one (every
// button recoloured with PushStyleColor every frame) and the HUD.
#pragma once

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

}  // namespace trellis
