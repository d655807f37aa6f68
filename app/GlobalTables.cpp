// The three global tables, defined together so that they are constructed before main in this
// order (callback table, element registry, skin store) and destroyed in reverse at exit.
#include "gui/CallbackTable.h"
#include "gui/ElementRegistry.h"
#include "skin/SkinStore.h"

CallbackTable callbackTable;
ElementRegistry elementRegistry;
SkinStore skinStore;
