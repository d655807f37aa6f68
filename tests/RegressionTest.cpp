// Regression tests for inputs that once crashed the toolkit; each is in the fuzzers' corpus too.
#include "support/GlTest.h"
#include "support/TempFolder.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/style/SkinStore.h"

#include <climits>
#include <cmath>

using namespace trellis;

// Lengths past the pixel range (the fuzzer's 110-digit coordinate) saturate; NaN snaps to 0.
TEST(RegressionTest, HugeLengthsSaturateAtThePixelRange) {
    useScreenUnits();
    const float most = float(INT_MAX) * pixelSize;
    EXPECT_EQ(snapToPixel(1e30f), most);
    EXPECT_EQ(snapToPixel(-INFINITY), float(INT_MIN) * pixelSize);
    EXPECT_EQ(snapToPixel(NAN), 0);
    rootElement = new GuiRoot();
    TempFolder files;
    const std::string text =
        "<button name='b' y='11" + std::string(110, '6') + "' fontSize='1e39'/>";
    loadDialogue(files.write("huge.xml", text).c_str());
    EXPECT_EQ(elementRegistry.at("b")->y, most);
}

// A file ending inside a UTF-8 character loads nothing; TinyXML's reader overran its buffer there.
TEST(RegressionTest, XmlFileEndingInsideAUtf8CharacterLoadsNothing) {
    TempFolder files;
    for (const char* cut :
         {"<skin name='s'><a v='\xf0", "<skin name='s'><a v='\xf0\x9f", "<skin name='s'>\xe2"}) {
        loadSkin("s", files.write("cut.xml", cut).c_str());
        EXPECT_TRUE(skinStore.empty()) << cut;
    }
}

// Reading XML files ourselves keeps TinyXML's line-end folding: CR LF and lone CR become LF.
TEST(RegressionTest, XmlLineEndsFoldToLineFeeds) {
    TempFolder files;
    loadSkin("s", files.write("crlf.xml", "<skin name='s'>\r\n<a v='1\r\n2\r3'/></skin>").c_str());
    EXPECT_EQ(skinStore["a"]["v"], "1\n2\n3");
}
