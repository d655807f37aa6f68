// ImguiPeer: Dear ImGui drawing the peer scene (a window over the whole viewport and N buttons
// labelled "Button", 37 to a row), with its GLFW and OpenGL 2 backends, as its users use it.
#pragma once

struct GLFWwindow;

namespace trellis {

// Whether the benchmark was built with Dear ImGui.
bool imguiAvailable();

// Starts ImGui in window (once; the backends take the window's input as well).
void startImgui(GLFWwindow* window);

// One ImGui frame of the scene: new frame, the window and its buttons, render, clear and draw.
void drawImguiFrame(int buttons);

}  // namespace trellis
