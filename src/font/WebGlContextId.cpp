// The current context in a browser (a WebAssembly build): the WebGL context the page made
// current through emscripten's HTML5 interface. A page has neither GLX nor EGL to ask.
#include "font/GlContextId.h"

#include <emscripten/html5.h>

namespace trellis {

GlContextId GlContextId::current() {
    GlContextId id;
    id.webgl = reinterpret_cast<const void*>(emscripten_webgl_get_current_context());
    return id;
}

}  // namespace trellis
