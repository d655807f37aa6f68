// trellis-preview: a dialogue in a window, reloaded live as its files are saved.
#include "PreviewCommand.h"

int main(int argc, char** argv) {
    trellis::InterfaceFiles files;
    const int status = trellis::parsePreviewOptions(argc, argv, files);
    return status >= 0 ? status : trellis::runPreview(files);
}
