// The line breaks word wrap uses, by the rules the build has.
#include "gui/text/LineBreaks.h"

namespace trellis {

LineBreaks lineBreaksOf(const std::string& text) {
#if TRELLIS_HAVE_UNIBREAK
    return unicodeLineBreaks(text);
#else
    return simpleLineBreaks(text);
#endif
}

}  // namespace trellis
