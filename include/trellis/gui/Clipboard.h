// Clipboard: the text that text fields copy to and paste from. A text kept in the process
// until the shell connects the window library's clipboard.
#pragma once

#include <string>

namespace trellis {

using ClipboardRead = std::string (*)();              // the clipboard's text
using ClipboardWrite = void (*)(const std::string&);  // replaces the clipboard's text

// Connects the clipboard to read and write; null for either goes back to the process's own.
void setClipboardHooks(ClipboardRead read, ClipboardWrite write);

// The clipboard's text (empty when it holds none).
std::string readClipboard();

// Replaces the clipboard's text.
void writeClipboard(const std::string& text);

}  // namespace trellis
