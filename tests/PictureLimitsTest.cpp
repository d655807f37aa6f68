// Pictures named by many images, in real files: the pixels of a load's pictures capped, each
// file read once per load, and trellis-lint short of memory reporting it instead of aborting.
#include "gui/look/PictureLoad.h"
#include "support/CollectedMessages.h"
#include "support/GlTest.h"
#include "support/Sanitizers.h"
#include "support/TempFolder.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/Image.h"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <png.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace trellis;

namespace {

// 33,547,264 pixels: within one file's limit, 128 MiB once decoded, two of them within a
// load's, three not.
constexpr int kHugeSide = 5792;

// Writes a side x side PNG of one grey: a few kilobytes that decode to side * side pixels.
void writeFlatPng(const std::string& path, int side) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(side);
    image.height = png_uint_32(side);
    image.format = PNG_FORMAT_GRAY;
    const std::vector<uint8_t> grey(size_t(side) * side, 90);
    ASSERT_TRUE(png_image_write_to_file(&image, path.c_str(), 0, grey.data(), 0, nullptr))
        << image.message;
}

// A dialogue with one image for each of sources, naming it.
std::string imagesNaming(const std::vector<std::string>& sources) {
    std::string text;
    for (const std::string& source : sources)
        text += "<image src='" + source + "'/>\n";
    return text;
}

// A fresh root with the screen units fixed, torn down with what a load built under it.
class PictureLoadScene : public ::testing::Test {
protected:
    void SetUp() override {
        useScreenUnits();
        rootElement = new GuiRoot();
    }
    void TearDown() override {
        delete rootElement;
        rootElement = nullptr;
    }
    // The images loaded from a dialogue of text in the folder.
    std::vector<Image*> load(const std::string& text) {
        std::vector<GuiElement*> built;
        EXPECT_TRUE(loadDialogue(folder.write("d.xml", text).c_str(), rootElement, built));
        std::vector<Image*> images;
        for (GuiElement* element : built)
            images.push_back(dynamic_cast<Image*>(element));
        return images;
    }
    TempFolder folder;
};

}  // namespace

// Three distinct files of 128 MiB each, and images naming the first again: the first two fit in
// the load's pixels, the third is refused unread with a warning at its element, also for the
// image naming it again. A file whose reading fails is not read again either. The next load
// starts afresh.
TEST_F(PictureLoadScene, ALoadsPicturesAreCappedInPixels) {
    writeFlatPng(folder.path("a.png"), kHugeSide);
    for (const char* copy : {"b.png", "c.png"})
        std::filesystem::copy_file(folder.path("a.png"), folder.path(copy));
    const std::vector<std::string> sources{"a.png", "b.png", "a.png",    "c.png",
                                           "c.png", "a.png", "gone.png", "gone.png"};
    for (int round = 0; round < 2; ++round) {
        DiagnosticCollector collected;
        const long long before = pictureFilesRead();
        const std::vector<Image*> images = load(imagesNaming(sources));
        EXPECT_EQ(pictureFilesRead() - before, 4);
        ASSERT_EQ(images.size(), sources.size());
        for (size_t i = 0; i < sources.size(); ++i)
            EXPECT_EQ(images[i]->hasPicture(), sources[i] < "c.png") << sources[i];
        ASSERT_EQ(collected.diagnostics().size(), 4u) << listed(collected);
        const std::string over = "over the limit of " + std::to_string(kMaxLoadPicturePixels);
        for (int i : {0, 1}) {
            const Diagnostic& d = collected.diagnostics()[i];
            EXPECT_EQ(d.line, 4 + i);
            EXPECT_NE(d.message.find("\"src\""), std::string::npos) << d.message;
            EXPECT_NE(d.message.find(over), std::string::npos) << d.message;
        }
        EXPECT_NE(collected.diagnostics()[2].message.find("no such file"), std::string::npos);
        for (GuiElement* image : images)
            delete image;
    }
}

// Under an address-space limit that leaves trellis-lint room to run but not to decode a 128 MiB
// picture, 40 images naming it give a warning that memory ran out, and a normal exit.
#ifdef TRELLIS_LINT_EXE
TEST(PictureMemory, LintShortOfMemoryReportsItAndExits) {
#ifdef TRELLIS_UNDER_ASAN
    GTEST_SKIP() << "the sanitizer reserves more address space than any limit leaves";
#endif
    TempFolder folder;
    writeFlatPng(folder.path("small.png"), 4);
    writeFlatPng(folder.path("huge.png"), kHugeSide);
    folder.write("small.xml", imagesNaming({"small.png"}));
    folder.write("huge.xml", imagesNaming(std::vector<std::string>(40, "huge.png")));
    // trellis-lint on one file under an address-space limit of limitMiB; its wait status.
    const auto lintUnder = [&folder](const char* file, long limitMiB) {
        const pid_t child = fork();
        if (child == 0) {
            const rlim_t bytes = rlim_t(limitMiB) << 20;
            const rlimit space{bytes, bytes}, seconds{30, 30};
            const int out =
                open(folder.path("out.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (setrlimit(RLIMIT_AS, &space) != 0 || setrlimit(RLIMIT_CPU, &seconds) != 0 ||
                chdir(folder.root().c_str()) != 0 || out < 0 || dup2(out, 1) < 0 ||
                dup2(out, 2) < 0)
                _exit(126);
            execl(TRELLIS_LINT_EXE, TRELLIS_LINT_EXE, file, static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    };
    // The least limit, in steps of 32 MiB, under which the small file lints cleanly.
    long limitMiB = 64;
    while (limitMiB <= 4096 && lintUnder("small.xml", limitMiB) != 0)
        limitMiB += 32;
    ASSERT_LE(limitMiB, 4096);
    const int status = lintUnder("huge.xml", limitMiB + 32);
    std::ifstream printed(folder.path("out.txt"));
    const std::string out{std::istreambuf_iterator<char>(printed), {}};
    ASSERT_TRUE(WIFEXITED(status)) << "signal " << WTERMSIG(status) << "\n" << out;
    EXPECT_EQ(WEXITSTATUS(status), 0) << out;
    EXPECT_NE(out.find("huge.xml:1:1: warning: attribute \"src\" on <image>: not enough memory"),
              std::string::npos)
        << out;
}
#endif
