// The clipboard hooks, and the process's own clipboard behind them by default.
#include "trellis/gui/Clipboard.h"

namespace trellis {

namespace {

std::string& ownClipboard() {
    static std::string text;
    return text;
}

std::string readOwn() {
    return ownClipboard();
}

void writeOwn(const std::string& text) {
    ownClipboard() = text;
}

ClipboardRead reader = readOwn;
ClipboardWrite writer = writeOwn;

}  // namespace

void setClipboardHooks(ClipboardRead read, ClipboardWrite write) {
    reader = read ? read : readOwn;
    writer = write ? write : writeOwn;
}

std::string readClipboard() {
    return reader();
}

void writeClipboard(const std::string& text) {
    writer(text);
}

}  // namespace trellis
