// Tests for the skin store: which skin loadSkin picks from files written to a temp folder,
// how it merges, and the three-section lookup that every element's applySkin uses.
#include "skin/SkinStore.h"

#include "gui/Button.h"
#include "gui/TextElement.h"
#include "support/GlTest.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class SkinStoreTest : public ::testing::Test {
protected:
    void SetUp() override { useScreenUnits(); }

    // Writes text as the skin file and returns its path.
    const char* writeSkinFile(const std::string& text) {
        folder.write(kSkinFileName, text);
        return path.c_str();
    }

    // Loads skinName from a file holding text into the current store.
    void loadFromText(const std::string& text, const char* skinName) {
        loadSkin(skinName, writeSkinFile(text));
    }

    TempFolder folder;
    const std::string path = folder.path(kSkinFileName);
};

const char* const kTwoSkins = R"(<?xml version="1.0"?>
<!-- the demo's pair of skins, in small -->
<skin name='default'>
  <global bgColor='404040ff' fontColor='ffffffff' fontSize='2'/>
  <button bgColor='5a5a8cff'/>
  <title bgColor='20208cff'/>
  <window bgColor='303030e0'/>
</skin>
<skin name='test'>
  <button bgColor='8c5a5aff' fontColor='000000ff'/>
  <okButton texture='1' u0='0' v0='0' u1='0.5' v1='0.5'/>
</skin>
)";

// Merging "test" over "default" changes exactly the attributes "test" names, and again
// merging it changes nothing more. A section filled from a dialogue element's attributes
// beforehand keeps them, except what a skin sets in a section of that very name.
TEST_F(SkinStoreTest, LaterSkinReplacesOnlyWhatItNames) {
    setSkinAttribute("okButton", "bgColor", "ff0000ff");
    setSkinAttribute("okButton", "u1", "1.5");
    setSkinAttribute("okButton", "u1", "0.75");
    writeSkinFile(kTwoSkins);
    loadSkin("default", path.c_str());
    SkinStore expected = {
        {"okButton", {{"bgColor", "ff0000ff"}, {"u1", "0.75"}}},
        {"global", {{"bgColor", "404040ff"}, {"fontColor", "ffffffff"}, {"fontSize", "2"}}},
        {"button", {{"bgColor", "5a5a8cff"}}},
        {"title", {{"bgColor", "20208cff"}}},
        {"window", {{"bgColor", "303030e0"}}},
    };
    EXPECT_EQ(skinStore, expected);

    loadSkin("test", path.c_str());
    expected["button"] = {{"bgColor", "8c5a5aff"}, {"fontColor", "000000ff"}};
    expected["okButton"] = {{"bgColor", "ff0000ff"}, {"texture", "1"}, {"u0", "0"}, {"v0", "0"},
                            {"u1", "0.5"},           {"v1", "0.5"}};
    EXPECT_EQ(skinStore, expected);
    loadSkin("test", path.c_str());
    EXPECT_EQ(skinStore, expected);
}

// Which top-level element supplies the skin, and how its sections merge.
TEST_F(SkinStoreTest, ChoosesTheSkinElementAndMergesItsSections) {
    const struct {
        const char* what;
        const char* file;
        SkinStore expected;
    } cases[] = {
        {"the first of two skins of one name",
         "<skin name='s'><global a='first'/></skin><skin name='s'><global a='second' "
         "b='x'/></skin>",
         {{"global", {{"a", "first"}}}}},
        {"a section tag twice: merged, the later value stays",
         "<skin name='s'><button a='1' b='1'/><global/><button b='2' c='2'/></skin>",
         {{"button", {{"a", "1"}, {"b", "2"}, {"c", "2"}}}, {"global", {}}}},
        {"a first top-level element of another tag",
         "<theme name='s'><global a='1'/></theme><skin name='t'/>",
         {{"global", {{"a", "1"}}}}},
        {"a later element of another tag is passed over",
         "<skin name='t'/><theme name='s'><global a='1'/></theme><skin name='s'><global "
         "a='2'/></skin>",
         {{"global", {{"a", "2"}}}}},
        {"a skin without a name is passed over",
         "<skin><global a='1'/></skin><skin name='s'><global a='2'/></skin>",
         {{"global", {{"a", "2"}}}}},
        {"text and nested elements inside a section are ignored",
         "<skin name='s'><button a='1'>text<inner b='2'/></button></skin>",
         {{"button", {{"a", "1"}}}}},
        {"an empty value is stored",
         "<skin name='s'><global bgColor=''/></skin>",
         {{"global", {{"bgColor", ""}}}}},
        {"names compare exactly", "<skin name='S'><global a='1'/></skin><skin name='s '/>", {}},
        {"a wrapping element yields no skin",
         "<skins><skin name='s'><global a='1'/></skin></skins>",
         {}},
        {"a malformed file, even with the skin parsed before the error",
         "<skin name='s'><global a='1'/></skin><skin name='t' name='u'>",
         {}},
        {"an unclosed skin", "<skin name='s'><global a='1'/>", {}},
        {"an empty file", "", {}},
    };
    for (const auto& c : cases) {
        skinStore.clear();
        loadFromText(c.file, "s");
        EXPECT_EQ(skinStore, c.expected) << c.what;
    }
}

// A failed load (missing, malformed or a folder) leaves earlier values in place, and without a file the store starts empty,
// so every element keeps its constructor defaults.
TEST_F(SkinStoreTest, FailedLoadsLeaveTheStoreAsItWas) {
    loadSkin("default", (path + ".missing").c_str());
    EXPECT_TRUE(skinStore.empty());
    Button button("okButton", nullptr, "OK", 0, 0, 3, 1);
    EXPECT_EQ(button.bgColor, (Color{{255, 255, 255, 255}}));
    EXPECT_EQ(button.fontColor, (Color{{0, 0, 0, 255}}));

    setSkinAttribute("global", "bgColor", "ff0000ff");
    const SkinStore before = skinStore;
    loadFromText("<skin name='default'><global bgColor='00ff00ff'/>", "default");
    EXPECT_EQ(skinStore, before);
    loadFromText(kTwoSkins, "absent");
    EXPECT_EQ(skinStore, before);
    loadSkin(nullptr, path.c_str());
    EXPECT_EQ(skinStore, before);
    // A folder where the file should be is refused, not read (reading it used to abort).
    loadSkin("default", folder.path("").c_str());
    EXPECT_EQ(skinStore, before);
}

// The name section outranks the skin class, which outranks "global"; a section lacking the
// attribute passes the search on, and the lookup never adds to the store.
TEST_F(SkinStoreTest, LookupConsultsNameThenClassThenGlobal) {
    Button ok("okButton", nullptr, "OK", 0, 0, 3, 1);
    TextElement label("label", nullptr, "text", 0, 0, 3, 1);
    setSkinAttribute("okButton", "fontSize", "1");
    setSkinAttribute("label", "fontSize", "2");
    setSkinAttribute("global", "texture", "3");
    setSkinAttribute("Button", "texture", "capital");  // sections are case-sensitive
    for (const char* section : {"global", "button", "okButton"}) {
        setSkinAttribute(section, "bgColor", section);
        EXPECT_STREQ(findSkinAttribute(skinStore, ok, "bgColor"), section);
    }
    setSkinAttribute("title", "fontColor", "title");
    const SkinStore before = skinStore;

    EXPECT_STREQ(findSkinAttribute(skinStore, ok, "fontSize"), "1");
    EXPECT_STREQ(findSkinAttribute(skinStore, ok, "texture"), "3");
    EXPECT_STREQ(findSkinAttribute(skinStore, label, "bgColor"), "global");
    EXPECT_STREQ(findSkinAttribute(skinStore, label, "fontSize"), "2");
    EXPECT_EQ(findSkinAttribute(skinStore, ok, "fontColor"), nullptr);
    EXPECT_EQ(findSkinAttribute(skinStore, ok, "v1"), nullptr);
    EXPECT_EQ(skinStore, before);

    setSkinAttribute("button", "bgColor", "");
    EXPECT_STREQ(findSkinAttribute(skinStore, ok, "bgColor"), "okButton");
    setSkinAttribute("okButton", "bgColor", "");
    const char* empty = findSkinAttribute(skinStore, ok, "bgColor");
    ASSERT_NE(empty, nullptr);
    EXPECT_STREQ(empty, "");
}

}  // namespace
