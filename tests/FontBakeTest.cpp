// Tests for the font baker: DejaVu Sans baked through its command line and read back.
#include "FontBake.h"
#include "support/TempFolder.h"
#include "trellis/Version.h"

#include <csignal>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
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

// A write that fails (a file-size limit stands in for a full disk, and /dev/full is one) exits
// with 1 and leaves what was there: the old font whole, the device node, no half-written file.
// The output may not be the font it reads.
TEST(FontBake, AFailedWriteLeavesTheOldFileWhole) {
    TempFolder folder;
    const std::string path = folder.write("font.glf", "the old font");
    const auto bake = [](const std::vector<std::string>& args) {
        std::ostringstream out, err;
        const int status = runFontBake(args, out, err);
        return std::pair(status, err.str());
    };
    rlimit previous;
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit small{4096, previous.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const auto [limited, limitedErr] = bake({"--output", path});
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(limited, 1);
    EXPECT_NE(limitedErr.find("cannot write '" + path + "'"), std::string::npos) << limitedErr;
    std::stringstream kept;
    kept << std::ifstream(path).rdbuf();
    EXPECT_EQ(kept.str(), "the old font");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.root()), {}), 1);

    const auto [full, fullErr] = bake({"--output", "/dev/full"});
    EXPECT_EQ(full, 1);
    EXPECT_NE(fullErr.find("/dev/full"), std::string::npos) << fullErr;
    struct stat device;
    ASSERT_EQ(stat("/dev/full", &device), 0);
    EXPECT_TRUE(S_ISCHR(device.st_mode));

    const std::string ttf = folder.path("copy.ttf");
    std::filesystem::copy_file(BakeOptions().fontPath, ttf);
    const auto [same, sameErr] = bake({"--font", ttf, "--output", ttf});
    EXPECT_EQ(same, 1);
    EXPECT_EQ(std::filesystem::file_size(ttf), std::filesystem::file_size(BakeOptions().fontPath))
        << sameErr;
    // Written whole, through a link, and to a device that takes it.
    std::filesystem::create_symlink(path, folder.path("link.glf"));
    EXPECT_EQ(bake({"--output", folder.path("link.glf")}).first, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path("link.glf")));
    EXPECT_GT(std::filesystem::file_size(path), 4096u);
    EXPECT_EQ(bake({"--output", "/dev/null"}).first, 0);
}
