// Tests for trellis-preview's parts: the file watcher (saves in place and by rename, removals,
// other files), the skin names a skin file offers, and the session that rebuilds the interface
// and falls back to the last good files when a save breaks one. GL through EGL, no window.
#include "DiagnosticPanel.h"
#include "FileWatcher.h"
#include "OffscreenContext.h"
#include "PreviewSession.h"
#include "support/TempFolder.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/GuiRoot.h"

#include <cstdio>
#include <filesystem>
#include <functional>

using namespace trellis;

TEST(FileWatcher, SeesSavesOfItsFilesOnly) {
    const struct {
        const char* what;
        std::function<void(const TempFolder&)> act;
        bool seen;
    } cases[] = {
        {"nothing", [](const TempFolder&) {}, false},
        {"written in place", [](const TempFolder& f) { f.write("a.xml", "<new/>"); }, true},
        {"renamed onto",
         [](const TempFolder& f) {
             std::rename(f.write(".a.xml.tmp", "<new/>").c_str(), f.path("a.xml").c_str());
         },
         true},
        {"removed", [](const TempFolder& f) { std::filesystem::remove(f.path("a.xml")); }, true},
        {"renamed away",
         [](const TempFolder& f) {
             std::rename(f.path("a.xml").c_str(), f.path("a.xml~").c_str());
         },
         true},
        {"another file written", [](const TempFolder& f) { f.write("b.xml", "<b/>"); }, false},
        {"another file renamed",
         [](const TempFolder& f) {
             std::rename(f.write("c.tmp", "<c/>").c_str(), f.path("b.xml").c_str());
         },
         false},
        {"read only", [](const TempFolder& f) { std::ifstream(f.path("a.xml")).get(); }, false},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        folder.write("a.xml", "<old/>");
        FileWatcher watcher;
        ASSERT_TRUE(watcher.watch(folder.path("a.xml"))) << c.what;
        c.act(folder);
        EXPECT_EQ(watcher.changed(), c.seen) << c.what;
        EXPECT_FALSE(watcher.changed()) << c.what << ": the same events twice";
    }
    FileWatcher watcher;
    EXPECT_FALSE(watcher.watch("/no/such/folder/a.xml"));
}

TEST(SkinNames, ListsTheSkinsLoadSkinFinds) {
    using Names = std::vector<std::string>;
    const struct {
        const char* text;
        Names names;
    } cases[] = {
        {"<skin name=\"a\"/><skin name=\"b\"/>", {"a", "b"}},
        {"<skin name=\"a\"/><skin name=\"b\"/><skin name=\"a\"/>", {"a", "b"}},
        // The first element counts whatever its tag; later ones only as skins.
        {"<theme name=\"t\"/><other name=\"o\"/><skin name=\"s\"/>", {"t", "s"}},
        {"<skin/><skin name=\"\"/>", {""}},
        {"<skin name=\"a\">", {}},  // malformed
        {"", {}},
    };
    TempFolder folder;
    for (const auto& c : cases)
        EXPECT_EQ(skinNames(folder.write("skin.xml", c.text).c_str()), c.names) << c.text;
    EXPECT_EQ(skinNames(folder.path("missing.xml").c_str()), Names{});
    EXPECT_EQ(skinNames(nullptr), Names{});
}

namespace {

// The demo's files in a scratch folder, an off-screen context and the interface started in it.
class PreviewSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(context.open(1024, 768, error)) << error;
        ASSERT_TRUE(initHostGui(1024, 768));
        for (const char* name : {"testDialogue.xml", "defaultSkin.xml", "verdana.glf"})
            std::filesystem::copy_file(std::filesystem::path(TRELLIS_RUN_DIR) / name,
                                       folder.path(name));
        files.dialogue = folder.path("testDialogue.xml");
        files.skin = folder.path("defaultSkin.xml");
        files.font = folder.path("verdana.glf");
        files.callbacks = {"changeSkin"};
    }
    void TearDown() override {
        destroyElement(rootElement);
        releaseGlyphTable();
    }

    bool hasError(const PreviewSession& session, const std::string& words) const {
        for (const Diagnostic& d : session.diagnostics())
            if (d.severity == Severity::Error && d.message.find(words) != std::string::npos)
                return true;
        return false;
    }

    OffscreenContext context;
    TempFolder folder;
    InterfaceFiles files;
};

}  // namespace

// Good saves show; a broken dialogue, skin or font is reported and the last good interface
// comes back; a later good save shows again.
TEST_F(PreviewSessionTest, BrokenSavesKeepTheLastGoodInterface) {
    PreviewSession session(files);
    ASSERT_TRUE(session.reload());
    EXPECT_TRUE(session.diagnostics().empty()) << diagnosticLine(session.diagnostics().front());
    EXPECT_NE(findElement("applyButton"), nullptr);
    const struct {
        const char* file;
        const char* text;
        const char* reported;
    } broken[] = {
        {"testDialogue.xml", "<window name=\"half\"><button", "cannot load the dialogue"},
        {"testDialogue.xml", "", "cannot load the dialogue"},
        {"defaultSkin.xml", "<skin name=\"other\"/>", "cannot load the skin \"default\""},
        {"verdana.glf", "not a font", "cannot load the font"},
    };
    for (const auto& c : broken) {
        TempFolder saved;
        const std::string good = saved.path("good");
        std::filesystem::copy_file(folder.path(c.file), good);
        folder.write(c.file, c.text);
        EXPECT_FALSE(session.reload()) << c.file << ": " << c.text;
        EXPECT_TRUE(hasError(session, c.reported)) << c.file << ": " << c.text;
        EXPECT_NE(findElement("applyButton"), nullptr) << c.file << ": the good interface went";
        EXPECT_TRUE(fontLoaded);
        std::filesystem::copy_file(good, folder.path(c.file),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    // A warning is shown, but the save is good: it shows.
    folder.write("testDialogue.xml", "<button name=\"fresh\" text=\"Fresh\" x=\"1\" y=\"1\" "
                                     "width=\"9\" height=\"4\" widht=\"3\"/>");
    EXPECT_TRUE(session.reload());
    EXPECT_FALSE(hasError(session, ""));
    ASSERT_EQ(session.diagnostics().size(), 1u);
    EXPECT_EQ(session.diagnostics()[0].severity, Severity::Warning);
    EXPECT_EQ(session.diagnostics()[0].line, 1);
    EXPECT_NE(findElement("fresh"), nullptr);
    EXPECT_EQ(findElement("applyButton"), nullptr);
}

TEST_F(PreviewSessionTest, NothingGoodYetShowsWhatLoaded) {
    folder.write("testDialogue.xml", "<window");
    PreviewSession session(files);
    EXPECT_FALSE(session.reload());
    EXPECT_TRUE(hasError(session, "cannot load the dialogue"));
    EXPECT_TRUE(fontLoaded);
}

// F2 walks the skin file: each skin over the first, then the first alone again.
TEST_F(PreviewSessionTest, NextSkinCyclesThroughTheSkinFile) {
    folder.write("defaultSkin.xml", "<skin name=\"default\"/><skin name=\"test\"/>"
                                    "<skin name=\"third\"/>");
    PreviewSession session(files);
    ASSERT_TRUE(session.reload());
    EXPECT_EQ(session.skinLabel(), "default");
    for (const char* label : {"default + test", "default + third", "default", "default + test"}) {
        EXPECT_TRUE(session.nextSkin());
        EXPECT_EQ(session.skinLabel(), label);
    }
}
