// Line breaks by the Unicode rules, from libunibreak.
#include "gui/text/LineBreaks.h"

#include <linebreak.h>
#include <mutex>

namespace trellis {

LineBreaks unicodeLineBreaks(const std::string& text) {
    static std::once_flag initialised;
    std::call_once(initialised, init_linebreak);
    std::vector<char> kinds(text.size());
    set_linebreaks_utf8(reinterpret_cast<const utf8_t*>(text.data()), text.size(), nullptr,
                        kinds.data());
    LineBreaks breaks(text.size(), LineBreak::None);
    for (size_t i = 0; i < kinds.size(); ++i) {
        if (kinds[i] == LINEBREAK_MUSTBREAK)
            breaks[i] = LineBreak::Mandatory;
        else if (kinds[i] == LINEBREAK_ALLOWBREAK)
            breaks[i] = LineBreak::Allowed;
    }
    return breaks;
}

}  // namespace trellis
