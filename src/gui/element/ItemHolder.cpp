// The item holder's destructor, defined once here so that its vtable is emitted in one place.
#include "trellis/gui/ItemHolder.h"

namespace trellis {

ItemHolder::~ItemHolder() = default;

}  // namespace trellis
