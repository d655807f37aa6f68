// Tests for the interface's start-up when there is no OpenGL context to start it in.
#include "trellis/shell/GuiShell.h"
#include "trellis/gui/ScreenUnits.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace trellis;

// This process never opens a window: start-up must refuse and leave the pixel grid, the
// viewport record and the root as they were, rather than build on a viewport never read.
TEST(GuiShell, InitGuiRefusesWithoutACurrentContext) {
    EXPECT_FALSE(initGui());
    EXPECT_EQ(rootElement, nullptr);
    EXPECT_EQ(pixelSize, 0.0f);
    const int before[4] = {0, 0, 800, 600};
    EXPECT_TRUE(std::equal(viewport, viewport + 4, before));
}
