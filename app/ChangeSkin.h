// The demo's one named callback.
#pragma once

class CallbackSender;

// Merges the skin "test", re-skins the whole tree and relabels a sending button "Pushover".
void changeSkin(void* receiver, CallbackSender* sender);
