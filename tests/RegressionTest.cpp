// Regression tests for inputs that once crashed the toolkit or tripped a sanitizer; each
// crashing file is also kept in the fuzzers' corpus under tests/fuzz/corpus.
#include "app/GuiShell.h"
#include "app/ScreenUnits.h"
#include "dialogue/DialogueLoader.h"
#include "gui/Button.h"
#include "gui/ElementRegistry.h"
#include "gui/GuiRoot.h"
#include "skin/SkinStore.h"
#include "support/GlTest.h"
#include "support/Sanitizers.h"
#include "support/TempFolder.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

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

#ifndef TRELLIS_UNDER_ASAN
// Every new[] block of this program is followed by the rest of a skin file, so that a parser
// reading past the end of its buffer finds a well-formed ending there instead of garbage.
const char kPastTheEnd[] = "__'/></skin>";

void* operator new[](std::size_t size) {
    char* block = static_cast<char*>(std::malloc(size + sizeof kPastTheEnd));
    if (!block)
        throw std::bad_alloc();
    std::memcpy(block + size, kPastTheEnd, sizeof kPastTheEnd);
    return block;
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

// A file ending in the first byte of a four-byte UTF-8 character: TinyXML's LoadFile stepped
// over the whole character, past its buffer's NUL, and read on beyond it (a heap overflow
// under AddressSanitizer); here that would complete the skin.
TEST(RegressionTest, NothingIsReadPastTheEndOfAFile) {
    TempFolder files;
    skinStore.clear();
    loadSkin("s",
             files.write("cut.xml", "<?xml version='1.0'?><skin name='s'><global v='\xf0").c_str());
    EXPECT_TRUE(skinStore.empty());
}
#endif

// A file that ends inside a multi-byte UTF-8 character is malformed: nothing loads.
TEST(RegressionTest, FileEndingInsideAUtf8CharacterLoadsNothing) {
    TempFolder files;
    skinStore.clear();
    for (const char* cut :
         {"<skin name='test'><title bgColor='1' f\xf2",
          "<skin name='test'><title bgColor='\xf0\x9f", "<skin name='test'>\xe2"}) {
        loadSkin("test", files.write("cut.xml", cut).c_str());
        EXPECT_TRUE(skinStore.empty()) << cut;
    }
}

// The files are read with TinyXML's own line-ending rule: CR LF and a lone CR become LF.
TEST(RegressionTest, XmlLineEndingsFoldToLineFeeds) {
    TempFolder files;
    for (const std::string end : {"\n", "\r\n", "\r"}) {
        skinStore.clear();
        const std::string text =
            "<skin name='s'>" + end + "<global note='a" + end + "b'/>" + end + "</skin>" + end;
        loadSkin("s", files.write("ends.xml", text).c_str());
        EXPECT_EQ(skinStore["global"]["note"], "a\nb");
    }
}
