// The three global tables, defined together so that they are constructed before main in this
// order (callback table, element registry, skin store) and destroyed in reverse at exit. Each
// interface has its own three.
#include "state/KeptVariable.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/style/SkinStore.h"

namespace trellis {

CallbackTable callbackTable;
ElementRegistry elementRegistry;
SkinStore skinStore;

namespace {
const bool perInterface = keepPerInterface(callbackTable, elementRegistry, skinStore);
}  // namespace

}  // namespace trellis
