// Golden images: trellis-render draws the demo's dialogue (or the dialogue a case names) in each
// look listed in tests/golden/cases.txt, and every pixel must equal the committed PNG. A mismatch
// says how many pixels differ and where, and leaves the image and a difference picture in the
// build.
#include "files/PngFile.h"
#include "support/ImageDiff.h"
#include "support/RunTool.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

using namespace trellis;

namespace {

struct GoldenCase {
    std::string name;
    std::string dialogue = "testDialogue.xml";  // a case may name another one first
    std::string options;
};

std::vector<GoldenCase> goldenCases() {
    std::vector<GoldenCase> cases;
    std::ifstream list(TRELLIS_GOLDEN_DIR "/cases.txt");
    for (std::string line; std::getline(list, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        GoldenCase c;
        words >> c.name;
        std::getline(words >> std::ws, c.options);
        const std::string first = c.options.substr(0, c.options.find(' '));
        if (first.size() > 4 && first.compare(first.size() - 4, 4, ".xml") == 0) {
            c.dialogue = first;
            c.options.erase(0, first.size());
        }
        cases.push_back(c);
    }
    return cases;
}

}  // namespace

TEST(GoldenImage, RenderedLooksEqualTheCommittedImages) {
    const std::vector<GoldenCase> cases = goldenCases();
    ASSERT_GE(cases.size(), 4u) << "no cases read from " TRELLIS_GOLDEN_DIR "/cases.txt";
    const std::filesystem::path out = TRELLIS_GOLDEN_OUT_DIR;
    std::filesystem::create_directories(out);
    std::vector<PngImage> rendered;
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string actualPath = (out / (c.name + ".png")).string();
        const std::string diffPath = (out / (c.name + "-diff.png")).string();
        std::filesystem::remove(diffPath);
        const ToolRun run =
            runTool(TRELLIS_RUN_DIR,
                    "'" TRELLIS_RENDER_EXE "' " + c.dialogue + " --callback changeSkin " +
                        c.options + " -o '" + actualPath + "'",
                    (out / (c.name + ".stderr")).string());
        ASSERT_EQ(run.status, 0) << run.errors;
        EXPECT_EQ(run.errors, "") << "the demo's files draw without diagnostics";
        PngImage expected, actual;
        std::string reason;
        ASSERT_TRUE(
            readPngFile((TRELLIS_GOLDEN_DIR "/" + c.name + ".png").c_str(), expected, &reason))
            << reason << " (scripts/update-goldens.sh writes the golden images)";
        ASSERT_TRUE(readPngFile(actualPath.c_str(), actual, &reason)) << reason;
        const ImageDifference difference = compareImages(expected, actual);
        if (!difference.picture.rgba.empty() && difference.pixels > 0)
            writePngFile(diffPath.c_str(), difference.picture);
        EXPECT_TRUE(!difference.sizesDiffer && difference.pixels == 0)
            << difference.account << "\n  rendered: " << actualPath
            << "\n  difference (red): " << diffPath;
        rendered.push_back(std::move(actual));
    }
    // Each option shows: no two looks are the same picture (pictures of two sizes differ).
    for (size_t i = 0; i < rendered.size(); ++i)
        for (size_t j = i + 1; j < rendered.size(); ++j) {
            const ImageDifference difference = compareImages(rendered[i], rendered[j]);
            EXPECT_TRUE(difference.sizesDiffer || difference.pixels != 0)
                << cases[i].name << " and " << cases[j].name << " look the same";
        }
}
