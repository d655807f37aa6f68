// Tests for skins: value parsing, loading skins from files on disk, merging, section lookup.
#include "trellis/style/SkinStore.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/style/SkinValues.h"

#include "support/GlTest.h"
#include "support/TempFolder.h"
#include "trellis/gui/Button.h"

#include <gtest/gtest.h>

using namespace trellis;

namespace {

// Colours and textures beyond 32 bits saturate instead of keeping their low 32 bits.
TEST(SkinValues, ColourUnsignedAndRealTexts) {
    const Color orange{{255, 128, 0, 192}}, white{{255, 255, 255, 255}}, none{{0, 0, 0, 0}};
    EXPECT_EQ(parseColorText(" 0X00FF8000C0 x"), orange);
    EXPECT_EQ(parseColorText("ff"), (Color{{0, 0, 0, 255}}));
    EXPECT_EQ(parseColorText("zz8000c0"), none);
    EXPECT_EQ(parseColorText(""), none);
    EXPECT_EQ(parseColorText(nullptr), none);
    EXPECT_EQ(parseColorText("1ff8000c0"), white);
    EXPECT_EQ(parseColorText("ffffffffffffffffffff"), white);
    EXPECT_EQ(parseUnsignedText(" 12abc"), 12u);
    EXPECT_EQ(parseUnsignedText("4294967296"), UINT32_MAX);
    EXPECT_EQ(parseUnsignedText("99999999999999999999999"), UINT32_MAX);
    EXPECT_EQ(parseRealText(" 2.3"), 2.3f);
    // A leading '#' takes six digits as an opaque colour, eight with their alpha, nothing else.
    EXPECT_EQ(parseColorText("#e08030"), (Color{{0xe0, 0x80, 0x30, 0xff}}));
    EXPECT_EQ(parseColorText("#E0803040"), (Color{{0xe0, 0x80, 0x30, 0x40}}));
    for (const char* text : {"#e0803", "#e08030 ", "#e080304", "# e08030", "#"})
        EXPECT_EQ(parseColorText(text), none) << text;
    // No finite float reads as 0, so that it spreads through no sum.
    for (const char* text : {"nan", "-inf", "infinity"})
        EXPECT_EQ(parseRealText(text), 0.0f) << text;
}

// Each file loaded for skin "d", then "s": which element supplies a skin, and how it merges.
TEST(SkinStoreTest, ChoosesTheSkinElementAndMergesItsSections) {
    TempFolder folder;
    int n = 0;
    auto file = [&](const char* text) { return folder.write(std::to_string(n++), text); };
    const std::pair<std::string, SkinStore> cases[] = {
        {file("<skin name='d'><g a='1' b='1'/></skin><theme name='s'/><skin><g/></skin>"
              "<skin name='s'><g b='2'/></skin><skin name='s'><g b='3' c='3'/></skin>"),
         {{"g", {{"a", "1"}, {"b", "2"}}}}},
        {file("<skin name='s'><g a='1' b='1'/><k/><g b='2' c=''/></skin>"),
         {{"g", {{"a", "1"}, {"b", "2"}, {"c", ""}}}, {"k", {}}}},
        {file("<theme name='s'><g a='1'/></theme>"), {{"g", {{"a", "1"}}}}},
        {file("<skin name='S'><g a='1'/></skin><skins><skin name='s'><g/></skin></skins>"), {}},
        {file("<skin name='s'><g a='1'/></skin><skin name='t' name='u'>"), {}},
        {folder.path("missing.xml"), {}},
        {folder.path(""), {}},
    };
    for (const auto& [path, expected] : cases) {
        skinStore.clear();
        loadSkin("d", path.c_str());
        loadSkin("s", path.c_str());
        EXPECT_EQ(skinStore, expected) << path;
        // Every skin from one reading merges as loading each of its names in turn does.
        skinStore.clear();
        for (const std::string& name : skinNames(path.c_str()))
            loadSkin(name.c_str(), path.c_str());
        const SkinStore eachInTurn = skinStore;
        skinStore.clear();
        const std::vector<SkinOutline> outline = loadEverySkin(path.c_str());
        EXPECT_EQ(skinStore, eachInTurn) << path;
        EXPECT_EQ(outline.size(), skinNames(path.c_str()).size()) << path;
    }
}

// Name section, then skin class, then "global"; case-sensitive, empty values found, no writes.
TEST(SkinStoreTest, LookupConsultsNameThenClassThenGlobal) {
    useScreenUnits();
    setSkinAttribute("global", "texture", "3");
    setSkinAttribute("Button", "texture", "capital");
    setSkinAttribute("button", "fontSize", "");
    const SkinStore before = skinStore;
    Button ok("ok", nullptr, "OK", 0, 0, 3, 1);
    EXPECT_STREQ(findSkinAttribute(skinStore, ok, "texture"), "3");
    EXPECT_STREQ(findSkinAttribute(skinStore, ok, "fontSize"), "");
    EXPECT_EQ(findSkinAttribute(skinStore, ok, "fontColor"), nullptr);
    EXPECT_EQ(skinStore, before) << "neither building nor lookups add sections";
    for (const char* section : {"global", "button", "ok"}) {
        setSkinAttribute(section, "bgColor", section);
        EXPECT_STREQ(findSkinAttribute(skinStore, ok, "bgColor"), section);
    }
}

}  // namespace
