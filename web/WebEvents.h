// The page's events, forwarded by its script (page/trellis-page.js) to the functions
// WebEvents.cpp exports, and the clipboard shared with the browser.
#pragma once

// The CSS selector of the page's canvas.
constexpr const char* kCanvas = "#canvas";

// Tells the interface the canvas's size in CSS pixels and in framebuffer pixels (more of them
// on a HiDPI screen), which the page's script has just set.
void followCanvasSize();

// Connects the text fields to the page's clipboard: a copy or cut goes to the browser's clipboard
// with the copy event that follows it, a paste event pastes the browser's text.
void connectPageClipboard();
