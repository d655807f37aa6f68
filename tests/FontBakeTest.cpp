// Tests for the font baker: DejaVu Sans baked through its command line and read back.
#include "FontBake.h"
#include "support/TempFolder.h"
#include "trellis/Version.h"

#include <sstream>
#include <utility>

using namespace trellis;

// The default bake loads as reported, in aligned line-high cells apart by the gap, clear around.
TEST(FontBake, BakesDejaVuSansAsReportedAndRefusesTheImpossible) {
    TempFolder folder;
    const std::string path = folder.path("font.glf");
    std::ostringstream out, err;
    ASSERT_EQ(runFontBake({"--output", path}, out, err), 0) << err.str();
    EXPECT_EQ(out.str().rfind(path + ": 95 glyphs 32..126, line height 15 px, em ", 0), 0u);
    FontFileContents font;
    ASSERT_TRUE(readFontFile(std::fopen(path.c_str(), "rb"), font));
    const int side = 256;
    ASSERT_TRUE(font.header.firstChar == 32 && font.header.lastChar == 126 &&
                font.header.textureWidth == side && font.header.textureHeight == side);
    // Edges truncate, so one off the texel grid shows; mark 2 in a cell, 1 in the gap after it.
    std::vector<int> mark(side * side);
    for (const GlyphRecord& g : font.glyphs) {
        const int l = g.texLeft * side, t = g.texTop * side, r = g.texRight * side,
                  b = g.texBottom * side;
        ASSERT_TRUE(g.glyphHeight == 15 && b - t == 15 && r - l == g.glyphWidth &&
                    l % kCellGap + t % kCellGap == 0 && l >= kCellGap && t >= kCellGap &&
                    r + kCellGap <= side && b + kCellGap <= side)
            << g.glyphWidth;
        for (int y = t; y < b + kCellGap; ++y)
            for (int x = l; x < r + kCellGap; ++x)
                ASSERT_EQ(std::exchange(mark[y * side + x], x < r && y < b ? 2 : 1), 0);
    }
    for (int i = 0; i < side * side; ++i)
        ASSERT_TRUE(font.texels[i * 2] == 255 && (mark[i] == 2 || font.texels[i * 2 + 1] == 0));
    // An unreadable font, an impossible atlas, a number with trailing letters and an unknown
    // option fail with a message naming them, writing nothing.
    for (auto [option, value] : {std::pair{"--font", "/none.ttf"},
                                 {"--atlas", "100"},
                                 {"--pixels", "12px"},
                                 {"--size", "12"}}) {
        std::ostringstream out, err;
        EXPECT_NE(runFontBake({"--output", folder.path("no.glf"), option, value}, out, err), 0);
        EXPECT_TRUE(err.str().rfind("trellis-fontbake: ", 0) == 0 && err.str().find(value) < 99)
            << err.str();
        EXPECT_FALSE(std::filesystem::exists(folder.path("no.glf")));
    }
}

// --help lists every option with its default, and --version gives the library's version.
TEST(FontBake, HelpAndVersion) {
    std::ostringstream help, version, err;
    EXPECT_EQ(runFontBake({"--help"}, help, err), 0);
    for (const char* option : {"--font", "--pixels N=15", "--first C=32", "--last C=126",
                               "--atlas N=256", "--output PATH=verdana.glf", "--version"})
        EXPECT_NE(help.str().find(option), std::string::npos) << option << "\n" << help.str();
    EXPECT_EQ(runFontBake({"--version"}, version, err), 0);
    EXPECT_EQ(version.str(), std::string("trellis-fontbake ") + TRELLIS_VERSION_STRING + "\n");
}
