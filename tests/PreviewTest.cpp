// Tests for trellis-preview's parts: the file watcher (saves in place and by rename, removals,
// links, other files), when reloads fall due, the skin names a skin file offers, the session
// that rebuilds the interface and falls back to the last good files (and pictures) when a save
// breaks one, and the diagnostics panel's order and placement. GL through EGL, no window.
#include "DiagnosticPanel.h"
#include "FileWatcher.h"
#include "OffscreenContext.h"
#include "PreviewReloadTimer.h"
#include "PreviewSession.h"
#include "support/TempFolder.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/shell/Host.h"

#include <GL/gl.h>
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

// A file removed and made again as a link is a change, and so is a save of the file a link
// leads to, in another folder.
TEST(FileWatcher, FollowsLinks) {
    TempFolder folder;
    folder.write("a.xml", "<old/>");
    std::filesystem::create_directories(folder.path("other"));
    const std::string elsewhere = folder.write("other/b.xml", "<b/>");
    FileWatcher watcher;
    ASSERT_TRUE(watcher.watch(folder.path("a.xml")));
    std::filesystem::remove(folder.path("a.xml"));
    EXPECT_TRUE(watcher.changed());
    std::filesystem::create_symlink(elsewhere, folder.path("a.xml"));
    EXPECT_TRUE(watcher.changed()) << "re-created as a link";
    ASSERT_TRUE(watcher.watch(folder.path("a.xml")));  // as the preview does after a reload
    folder.write("other/b.xml", "<new/>");
    EXPECT_TRUE(watcher.changed()) << "the linked file saved";
    folder.write("other/c.xml", "<c/>");
    EXPECT_FALSE(watcher.changed()) << "another file beside the linked one";
}

// A lone save reloads once the files are quiet; a save every 30 ms still reloads every so
// often instead of waiting for the saves to stop.
TEST(PreviewReloadTimer, WaitsForQuietButNotForever) {
    constexpr double quiet = PreviewReloadTimer::kQuietSeconds;
    constexpr double longest = PreviewReloadTimer::kLongestWait;
    {
        PreviewReloadTimer timer;
        EXPECT_FALSE(timer.due(10)) << "nothing changed";
        timer.changed(1);
        EXPECT_FALSE(timer.due(1 + quiet / 2));
        EXPECT_TRUE(timer.due(1 + quiet));
        EXPECT_FALSE(timer.due(2)) << "the same change twice";
    }
    PreviewReloadTimer timer;
    int reloads = 0;
    double firstReload = 0;
    for (double now = 0; now < 3; now += 0.01) {
        if (int(now * 100 + 0.5) % 3 == 0)
            timer.changed(now);
        if (timer.due(now) && reloads++ == 0)
            firstReload = now;
    }
    EXPECT_GE(reloads, int(3 / longest) - 1);
    EXPECT_LE(reloads, int(3 / longest) + 1);
    EXPECT_NEAR(firstReload, longest, 0.011);
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
        files.fonts = {folder.path("verdana.glf")};
        files.callbacks = {"changeSkin"};
    }
    void TearDown() override {
        destroyElement(rootElement);
        releaseGlyphTable();
    }

    // The interface as the window shows it: cleared to black, then drawn.
    PngImage drawn() const {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawInterface(false);
        return context.readPixels();
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

// After a broken save the last good interface keeps its pictures, also those named from another
// folder, as they were when it loaded; the session lists the pictures the dialogue names.
TEST_F(PreviewSessionTest, TheLastGoodInterfaceKeepsItsPictures) {
    const std::filesystem::path gallery = std::filesystem::path(TRELLIS_RUN_DIR) / "gallery.png";
    for (const char* name : {"art/up.png", "dialogues/beside.png"}) {
        std::filesystem::create_directories((folder.root() / name).parent_path());
        std::filesystem::copy_file(gallery, folder.path(name));
    }
    files.dialogue = folder.write(
        "dialogues/pictures.xml",
        "<window name=\"w\" x=\"1\" y=\"1\" width=\"90\" height=\"60\">"
        "<image src=\"../art/up.png\" x=\"1\" y=\"1\" width=\"30\" height=\"30\"/>"
        "<image src=\"beside.png\" x=\"40\" y=\"1\" width=\"30\" height=\"30\"/>"
        "<image src=\"missing.png\" x=\"1\" y=\"35\" width=\"9\" height=\"9\"/></window>");
    PreviewSession session(files);
    ASSERT_TRUE(session.reload());
    const std::vector<std::string> pictures = {folder.path("dialogues/../art/up.png"),
                                               folder.path("dialogues/beside.png"),
                                               folder.path("dialogues/missing.png")};
    EXPECT_EQ(session.pictures(), pictures);
    const PngImage good = drawn();
    // A picture replaced after the last good load does not change the last good interface.
    std::filesystem::remove(folder.path("art/up.png"));
    folder.write("dialogues/pictures.xml", "<window name=\"w\"><image src=\"other.png\"");
    EXPECT_FALSE(session.reload());
    EXPECT_EQ(session.pictures(), pictures) << "a dialogue that does not parse names nothing new";
    const PngImage fallback = drawn();
    size_t differing = 0;
    for (size_t i = 0; i < good.rgba.size(); ++i)
        differing += good.rgba[i] != fallback.rgba[i];
    EXPECT_EQ(differing, 0u) << "the pictures did not come back with the last good interface";
}

TEST(DiagnosticPanel, ErrorsComeFirstInFileOrder) {
    const auto at = [](const char* file, int line, int column, Severity severity) {
        return Diagnostic{file, line, column, severity, "m"};
    };
    const std::vector<Diagnostic> found = {
        at("skin.xml", 4, 1, Severity::Warning), at("d.xml", 9, 2, Severity::Warning),
        at("d.xml", 3, 7, Severity::Note),       at("d.xml", 3, 5, Severity::Error),
        at("", 0, 0, Severity::Error),           at("d.xml", 3, 2, Severity::Warning),
        at("skin.xml", 1, 1, Severity::Error),   at("d.xml", 12, 1, Severity::Error),
    };
    std::vector<std::string> lines;
    for (const Diagnostic& d : panelOrder(found))
        lines.push_back(diagnosticLine(d));
    const std::vector<std::string> expected = {
        "skin.xml:1:1: error: m",   "d.xml:3:5: error: m",
        "d.xml:12:1: error: m",     "error: m",
        "skin.xml:4:1: warning: m", "d.xml:3:2: warning: m",
        "d.xml:9:2: warning: m",    "d.xml:3:7: note: m",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(foldedLine(panelOrder(found)),
              "4 errors, 3 warnings, 1 note: skin.xml:1:1: error: m");
    EXPECT_EQ(foldedLine({at("d.xml", 1, 1, Severity::Warning)}),
              "1 warning: d.xml:1:1: warning: m");
    EXPECT_EQ(foldedLine({}), "");
}

// The panel stands at the bottom or the top, nine lines high or folded to one, and leaves the
// rest of the window to the interface.
TEST_F(PreviewSessionTest, ThePanelMovesAndFolds) {
    ASSERT_TRUE(loadFont(files.fonts.front().c_str()));
    const std::vector<Diagnostic> many(20, Diagnostic{"d.xml", 1, 1, Severity::Warning, "m"});
    // The rows the panel's dark background covers, on the left edge, from the top.
    const auto panelRows = [&](PanelPlacement placement) {
        glClearColor(0, 0, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        drawDiagnosticPanel(many, 1024, 768, placement);
        const PngImage shot = context.readPixels();
        std::pair<int, int> rows{-1, -1};
        for (int y = 0; y < shot.height; ++y)
            if (shot.rgba[size_t(y) * shot.width * 4 + 2] < 128) {
                rows.first = rows.first < 0 ? y : rows.first;
                rows.second = y;
            }
        return rows;
    };
    const auto bottom = panelRows({});
    const auto top = panelRows({true, false});
    const auto foldedBottom = panelRows({false, true});
    const auto foldedTop = panelRows({true, true});
    EXPECT_EQ(bottom.second, 767);
    EXPECT_GT(bottom.first, 768 / 2);
    EXPECT_EQ(top.first, 0);
    EXPECT_EQ(top.second + 1, 768 - bottom.first) << "the same height at the top";
    EXPECT_EQ(foldedBottom.second, 767);
    EXPECT_EQ(foldedTop.first, 0);
    const int full = 768 - bottom.first, folded = 768 - foldedBottom.first;
    EXPECT_LT(folded * 4, full) << "one line of nine and margins";
    EXPECT_EQ(foldedTop.second + 1, folded);
}
