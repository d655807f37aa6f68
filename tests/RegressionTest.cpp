// Regression tests for inputs that once crashed the toolkit or tripped a sanitizer; each
// crashing file is also kept in the fuzzers' corpus under tests/fuzz/corpus.
#include "app/GuiShell.h"
#include "app/ScreenUnits.h"
#include "dialogue/DialogueLoader.h"
#include "gui/Button.h"
#include "gui/ElementRegistry.h"
#include "gui/GuiRoot.h"
#include "support/GlTest.h"
#include "support/TempFolder.h"

#include <climits>
#include <cmath>
#include <limits>

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

}  // namespace

// Lengths beyond the int range of pixels (a dialogue value such as 1e30) used to be converted
// to int unchecked, which is undefined: they saturate, and NaN snaps to 0.
TEST(RegressionTest, SnapSaturatesLengthsBeyondThePixelRange) {
    useScreenUnits();
    const float most = static_cast<float>(INT_MAX) * pixelSize;
    const float least = static_cast<float>(INT_MIN) * pixelSize;
    const struct {
        float units, snapped;
    } cases[] = {{1e30f, most},       {kInfinity, most},  {-1e30f, least},
                 {-kInfinity, least}, {std::nanf(""), 0}, {2.5f, 19 * pixelSize}};
    for (const auto& c : cases)
        EXPECT_EQ(snapToPixel(c.units), c.snapped) << c.units;
}

// The fuzzer's dialogue: a button whose y has over a hundred digits.
TEST(RegressionTest, DialogueWithAHugeCoordinateLoads) {
    useScreenUnits();
    rootElement = new GuiRoot();
    TempFolder files;
    loadDialogue(files
                     .write("huge.xml", "<window name='w' x='1'><button name='b' x='3' y='11" +
                                            std::string(110, '6') + "' fontSize='1e39'/></window>")
                     .c_str());
    auto* button = dynamic_cast<Button*>(elementRegistry["b"]);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->y, static_cast<float>(INT_MAX) * pixelSize);
    EXPECT_EQ(button->fontSize, static_cast<float>(INT_MAX) * pixelSize);
    EXPECT_EQ(button->x, 23 * pixelSize);
}
