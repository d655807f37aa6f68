// trellis-render: draws a dialogue to a PNG file with no window and no X server.
#include "RenderCommand.h"

int main(int argc, char** argv) {
    trellis::RenderOptions options;
    const int status = trellis::parseRenderOptions(argc, argv, options);
    return status >= 0 ? status : trellis::runRender(options);
}
