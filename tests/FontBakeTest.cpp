// Tests for the font baker: bakes DejaVu Sans into files on disk through the tool's command
// line, reads them back with the font file reader and checks glyphs, atlas and failures.
#include "FontBake.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <unistd.h>

namespace {

// What one run of the tool did.
struct ToolRun {
    int status = 0;
    std::string out;
    std::string err;
};

// A glyph's cell in texels, from its texture coordinates.
struct Rect {
    int left, top, right, bottom;
};

std::string scratchPath(const std::string& name) {
    return ::testing::TempDir() + "fontbake-" + std::to_string(getpid()) + "-" + name;
}

ToolRun runTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = runFontBake(args, out, err);
    return {status, out.str(), err.str()};
}

FontFileContents readBack(const std::string& path) {
    FontFileContents contents;
    EXPECT_TRUE(readFontFile(std::fopen(path.c_str(), "rb"), contents)) << path;
    return contents;
}

Rect cellRect(const GlyphRecord& glyph, int side) {
    // Cell edges must be whole texels; rounding would hide an off-grid coordinate.
    auto texel = [side](float coordinate) { return int(coordinate * side); };
    return {texel(glyph.texLeft), texel(glyph.texTop), texel(glyph.texRight),
            texel(glyph.texBottom)};
}

bool apart(const Rect& a, const Rect& b) {
    return a.right + kCellGap <= b.left || b.right + kCellGap <= a.left ||
           a.bottom + kCellGap <= b.top || b.bottom + kCellGap <= a.top;
}

class BakedDejaVu : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        path_ = scratchPath("default.glf");
        run_ = runTool({"--output", path_});
        font_ = readBack(path_);
        std::remove(path_.c_str());
    }

    static const GlyphRecord& glyph(char c) { return font_.glyphs.at(c - font_.header.firstChar); }

    static int side() { return font_.header.textureWidth; }

    static int alphaAt(int x, int y) { return font_.texels.at((size_t(y) * side() + x) * 2 + 1); }

    static int ink(char c) {
        Rect r = cellRect(glyph(c), side());
        int sum = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                sum += alphaAt(x, y);
            }
        }
        return sum;
    }

    static inline std::string path_;
    static inline ToolRun run_;
    static inline FontFileContents font_;
};

TEST_F(BakedDejaVu, ReportsTheMetricsItWrote) {
    ASSERT_EQ(run_.status, 0) << run_.err;
    EXPECT_EQ(run_.out.rfind(path_ + ": 95 glyphs 32..126, line height 15 px, em ", 0), 0u)
        << run_.out;
    EXPECT_NE(run_.out.find(", atlas 256x256\n"), std::string::npos) << run_.out;
    EXPECT_EQ(font_.header.firstChar, 32);
    EXPECT_EQ(font_.header.lastChar, 126);
    EXPECT_EQ(font_.header.textureWidth, 256);
    EXPECT_EQ(font_.header.textureHeight, 256);
}

TEST_F(BakedDejaVu, CellsAreWholePixelAdvancesOneLineHigh) {
    for (const GlyphRecord& g : font_.glyphs) {
        Rect r = cellRect(g, side());
        EXPECT_EQ(g.glyphHeight, 15.0f);
        EXPECT_EQ(r.bottom - r.top, 15);
        EXPECT_EQ(float(r.right - r.left), g.glyphWidth);
    }
    EXPECT_LT(glyph('i').glyphWidth, glyph('W').glyphWidth);
}

TEST_F(BakedDejaVu, OnlyPrintingGlyphsHaveInk) {
    EXPECT_EQ(ink(' '), 0);
    EXPECT_GT(glyph(' ').glyphWidth, 0.0f);
    for (char c : {'W', 'g', '_', '|'}) {
        EXPECT_GT(ink(c), 0) << c;
    }
}

TEST_F(BakedDejaVu, CellsAreAlignedAndSeparatedByClearTexels) {
    std::vector<bool> inCell(size_t(side()) * side(), false);
    for (size_t i = 0; i < font_.glyphs.size(); ++i) {
        Rect a = cellRect(font_.glyphs[i], side());
        EXPECT_EQ(a.left % kCellGap + a.top % kCellGap, 0) << "glyph " << i;
        EXPECT_TRUE(a.left >= kCellGap && a.top >= kCellGap) << "glyph " << i;
        EXPECT_TRUE(a.right + kCellGap <= side() && a.bottom + kCellGap <= side()) << "glyph " << i;
        for (size_t j = i + 1; j < font_.glyphs.size(); ++j) {
            EXPECT_TRUE(apart(a, cellRect(font_.glyphs[j], side()))) << i << " and " << j;
        }
        for (int y = a.top; y < a.bottom; ++y) {
            std::fill_n(inCell.begin() + size_t(y) * side() + a.left, a.right - a.left, true);
        }
    }
    for (size_t texel = 0; texel < inCell.size(); ++texel) {
        ASSERT_EQ(font_.texels[texel * 2], 255) << "texel " << texel;
        ASSERT_TRUE(inCell[texel] || font_.texels[texel * 2 + 1] == 0) << "texel " << texel;
    }
}

TEST(FontBake, SignedCodesMapToLatin1) {
    std::string path = scratchPath("latin1.glf");
    ToolRun run = runTool({"--first", "-128", "--last", "127", "--atlas", "512", "--output", path});
    ASSERT_EQ(run.status, 0) << run.err;
    FontFileContents font = readBack(path);
    std::remove(path.c_str());
    ASSERT_EQ(font.glyphs.size(), 256u);
    EXPECT_EQ(font.glyphs[0].glyphWidth, 0.0f);  // U+0080 is a control: no glyph
    EXPECT_EQ(font.glyphs[0xE9 - 128].glyphWidth, font.glyphs['e' + 128].glyphWidth);  // é
}

TEST(FontBake, RefusesImpossibleRequestsWithAMessage) {
    struct Case {
        std::vector<std::string> args;
        std::string reason;
    };
    const Case cases[] = {
        {{"--font", "/nonexistent/font.ttf"}, "cannot read font"},
        {{"--atlas", "100"}, "power of two"},
        {{"--first", "100", "--last", "50"}, "comes before"},
        {{"--atlas", "32"}, "do not fit"},
        {{"--pixels", "15px"}, "wants an integer"},
        {{"--pixels", "3"}, "4..256"},
        {{"--last", "128"}, "-128..127"},
    };
    for (const Case& c : cases) {
        std::string path = scratchPath("refused.glf");
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--output", path});
        ToolRun run = runTool(args);
        EXPECT_NE(run.status, 0) << c.reason;
        EXPECT_EQ(run.err.rfind("trellis-fontbake: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
        EXPECT_EQ(std::remove(path.c_str()), -1) << "wrote a file for: " << c.reason;
    }
}

}  // namespace
