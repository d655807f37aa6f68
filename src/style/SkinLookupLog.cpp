// The one active skin lookup log.
#include "style/SkinLookupLog.h"

#include <utility>

namespace trellis {

namespace {

SkinLookupLog* active = nullptr;

}  // namespace

SkinLookupLog::SkinLookupLog(std::string sectionName)
    : sectionName(std::move(sectionName)), previous(active) {
    active = this;
}

SkinLookupLog::~SkinLookupLog() {
    active = previous;
}

SkinLookupLog* SkinLookupLog::noting(const std::string& name) {
    return active && active->sectionName == name ? active : nullptr;
}

}  // namespace trellis
