// Tests for the named callback table, without GL.
#include "trellis/gui/CallbackTable.h"

#include <gtest/gtest.h>

using namespace trellis;

static int one, two;  // receivers, which tell the entries apart
static void noop(void*, CallbackSender*) {}

// Keys are exact, case-sensitive texts, the empty one too; a failed bind leaves a slot alone.
TEST(CallbackTableTest, BindsExactNamesOnly) {
    registerCallback("", noop, &one);
    registerCallback("changeSkin", noop, &two);
    Callback slot;
    EXPECT_TRUE(bindCallback("", slot));
    for (const char* miss : {"changeskin", "changeSkin ", "unregistered"})
        EXPECT_FALSE(bindCallback(miss, slot)) << miss;
    EXPECT_FALSE(bindCallback(nullptr, slot));
    EXPECT_EQ(slot.receiver, &one);
}
