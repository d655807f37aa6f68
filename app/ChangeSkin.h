// The demo's one named callback.
#pragma once

namespace trellis {
class CallbackSender;
}

// Merges the skin "test", re-skins the whole tree and relabels a sending button "Pushover".
void changeSkin(void* receiver, trellis::CallbackSender* sender);
