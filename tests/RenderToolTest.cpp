// Tests for trellis-render's command line and its runs: option values and refusals, the exit
// statuses of failed loads, and a clear refusal when no off-screen OpenGL can be had.
#include "RenderCommand.h"
#include "files/PngFile.h"
#include "support/RunTool.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>

using namespace trellis;

namespace {

// Parses args (after the program name); the status parseRenderOptions gave.
int parse(std::vector<std::string> args, RenderOptions& options) {
    args.insert(args.begin(), "trellis-render");
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    return parseRenderOptions(int(argv.size()), argv.data(), options);
}

const std::string kExe = "'" TRELLIS_RENDER_EXE "'";

}  // namespace

TEST(RenderTool, ParsesOptionsAndRefusesBadOnes) {
    using Check = std::function<bool(const RenderOptions&)>;
    const Check any = [](const RenderOptions&) { return true; };
    const struct {
        std::vector<std::string> args;
        int status;  // -1: go on and render
        Check check;
    } cases[] = {
        {{"d.xml", "-o", "o.png"},
         -1,
         [](const RenderOptions& o) {
             return o.files.dialogue == "d.xml" && o.output == "o.png" && o.width == 1024 &&
                    o.height == 768 && !o.pointerGiven && o.pressedButton < 0 && !o.debugLines &&
                    o.files.skinNames == std::vector<std::string>{"default"} &&
                    o.files.skin == "defaultSkin.xml" &&
                    o.files.fonts == std::vector<std::string>{"verdana.glf"};
         }},
        {{"d.xml",      "-o",          "o.png",      "--skin-name",
          "default",    "--skin-name", "test",       "--skin",
          "s.xml",      "--font",      "f.glf",      "--font",
          "g.ttf",      "--size",      "640x480",    "--pointer",
          "-3,700",     "--press",     "Right",      "--debug-lines",
          "--callback", "a",           "--callback", "b"},
         -1,
         [](const RenderOptions& o) {
             return o.files.skinNames == std::vector<std::string>{"default", "test"} &&
                    o.files.skin == "s.xml" &&
                    o.files.fonts == std::vector<std::string>{"f.glf", "g.ttf"} && o.width == 640 &&
                    o.height == 480 && o.pointerGiven && o.pointerX == -3 && o.pointerY == 700 &&
                    o.pressedButton == 1 && o.debugLines;
         }},
        {{"d.xml", "-o", "o.png", "--pointer", "1,2", "--press", "2"},
         -1,
         [](const RenderOptions& o) { return o.pressedButton == 2; }},
        {{"--help"}, 0, any},
        {{"--version"}, 0, any},
        {{}, 2, any},
        {{"d.xml"}, 2, any},
        {{"d.xml", "-o", "o.png", "--press", "left"}, 2, any},  // where would it be held?
        {{"d.xml", "-o", "o.png", "--pointer", "1,1", "--press", "thumb"}, 2, any},
        {{"d.xml", "-o", "o.png", "--unknown"}, 2, any},
    };
    for (const char* size : {"0x10", "10x0", "16385x1", "10000x10000", "12abcx5", "x5", "5x", "5",
                             "-5x5", "99999999999x1"}) {
        RenderOptions options;
        EXPECT_EQ(parse({"d.xml", "-o", "o.png", "--size", size}, options), 2) << size;
    }
    for (const char* pointer : {"1", "1,", ",1", "1,2,3", "a,b", "1.5,2", "1;2"}) {
        RenderOptions options;
        EXPECT_EQ(parse({"d.xml", "-o", "o.png", "--pointer", pointer}, options), 2) << pointer;
    }
    for (const auto& c : cases) {
        RenderOptions options;
        const std::string shown = ::testing::PrintToString(c.args);
        EXPECT_EQ(parse(c.args, options), c.status) << shown;
        EXPECT_TRUE(c.check(options)) << shown;
    }
}

// A file that does not load, an image that cannot be written, or no EGL driver to be found
// fails the run with a message naming it, and writes no image; the tool never needs an X server.
TEST(RenderTool, FailedLoadsExitWithOneAndWriteNothing) {
    TempFolder folder;
    const std::string out = folder.path("out.png");
    const std::string good = " testDialogue.xml ", noDisplay = "env -u DISPLAY ";
    const struct {
        std::string command, args;
        const char* named;
    } cases[] = {
        {kExe, " missing.xml", "missing.xml"},
        {kExe, good + "--skin missing.xml", "missing.xml"},
        {kExe, good + "--skin-name nosuchskin", "nosuchskin"},
        {kExe, good + "--skin-name default --skin-name nosuchskin", "nosuchskin"},
        {kExe, good + "--font missing.glf", "missing.glf"},
        {kExe, good + "--font testDialogue.xml", "testDialogue.xml"},
        {noDisplay + "__EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent.json " + kExe, good,
         "cannot render off screen"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command + c.args);
        const ToolRun run =
            runTool(TRELLIS_RUN_DIR, c.command + c.args + " -o '" + out + "'", folder.path("err"));
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.errors.find(c.named), std::string::npos) << run.errors;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    const ToolRun unwritable =
        runTool(TRELLIS_RUN_DIR, kExe + good + "-o /no/such/folder/x.png", folder.path("err"));
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.errors.find("/no/such/folder/x.png"), std::string::npos);
    const ToolRun withoutX =
        runTool(TRELLIS_RUN_DIR, noDisplay + kExe + good + "-o '" + out + "'", folder.path("err"));
    EXPECT_EQ(withoutX.status, 0) << withoutX.errors;
    EXPECT_TRUE(std::filesystem::exists(out));
}

// The output never destroys a file: naming an input (even by another link) is refused with 2
// and the input stays; a write that fails (a file-size limit stands in for a full disk, and
// /dev/full is one) leaves the old image whole and no stray file, and keeps the device node.
TEST(RenderTool, NeverDestroysAnInputOrTheOldOutput) {
    TempFolder folder;
    for (const char* name : {"testDialogue.xml", "defaultSkin.xml", "verdana.glf"})
        std::filesystem::copy_file(std::string(TRELLIS_RUN_DIR) + "/" + name, folder.path(name));
    std::filesystem::create_hard_link(folder.path("testDialogue.xml"), folder.path("hard.xml"));
    const auto size = [&folder](const char* name) {
        return std::filesystem::file_size(folder.path(name));
    };
    const auto render = [&folder](const std::string& output) {
        return runTool(folder.root().string(), kExe + " testDialogue.xml -o '" + output + "'",
                       folder.path("err.txt"));
    };
    for (const char* input : {"testDialogue.xml", "defaultSkin.xml", "verdana.glf", "hard.xml"}) {
        const auto before = size(input);
        const ToolRun run = render(input);
        EXPECT_EQ(run.status, 2) << input << ": " << run.errors;
        EXPECT_NE(run.errors.find("overwrite"), std::string::npos) << run.errors;
        EXPECT_EQ(size(input), before) << input;
    }
    folder.write("out.png", "the old image");
    const ToolRun limitedRun = runTool(folder.root().string(),
                                       "sh -c \"trap '' XFSZ; ulimit -f 1; exec " + kExe +
                                           " testDialogue.xml -o out.png\"",
                                       folder.path("err.txt"));
    EXPECT_EQ(limitedRun.status, 1) << limitedRun.errors;
    EXPECT_NE(limitedRun.errors.find("out.png"), std::string::npos) << limitedRun.errors;
    EXPECT_EQ(size("out.png"), 13u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.root()), {}), 6);
    const ToolRun full = render("/dev/full");
    EXPECT_EQ(full.status, 1) << full.errors;
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
    EXPECT_EQ(render("out.png").status, 0);
    EXPECT_GT(size("out.png"), 1024u);
}

// Each renderer the environment can choose draws the same picture of the demo, byte for byte
// (the shader renderer here in the tool's compatibility context).
TEST(RenderTool, EveryRendererTheEnvironmentChoosesDrawsTheSamePicture) {
    TempFolder folder;
    std::string first;
    for (const char* renderer : {"", "immediate", "batched", "shader"}) {
        const std::string out = folder.path(std::string("out-") + renderer + ".png");
        const ToolRun run = runTool(TRELLIS_RUN_DIR,
                                    "env TRELLIS_RENDERER=" + std::string(renderer) + " " + kExe +
                                        " testDialogue.xml --pointer 437,191 -o '" + out + "'",
                                    folder.path("err"));
        ASSERT_EQ(run.status, 0) << renderer << ": " << run.errors;
        std::ifstream file(out, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), {});
        if (first.empty())
            first = bytes;
        EXPECT_EQ(bytes, first) << renderer;
    }
}

// --size shows a dialogue at any size, its percentages and containers laid out for it: a red
// box 2 units in from the right edge, and a row across the bottom whose green child fills what
// its blue one (10 units) leaves, 1 unit of padding and spacing around them.
TEST(RenderTool, LaysPercentagesAndContainersOutForTheSize) {
    TempFolder folder;
    folder.write("adapting.xml",
                 "<window name='corner' x='100% - 12' y='10' width='10' height='3' border='0' "
                 "bgColor='ff0000ff'/>"
                 "<row name='bar' y='100% - 5' width='100%' height='5' padding='1' spacing='1'>"
                 "<window name='rest' width='fill' height='3' border='0' bgColor='00ff00ff'/>"
                 "<window name='end' width='10' height='3' border='0' bgColor='0000ffff'/></row>");
    for (const auto& [width, height] : {std::pair{1024, 768}, std::pair{1280, 720}}) {
        const std::string size = std::to_string(width) + "x" + std::to_string(height);
        const std::string out = folder.path(size + ".png");
        const ToolRun run =
            runTool(folder.root().string(),
                    kExe + " adapting.xml --font '" TRELLIS_RUN_DIR "/verdana.glf' --skin '" +
                        TRELLIS_RUN_DIR "/defaultSkin.xml' --size " + size + " -o '" + out + "'",
                    folder.path("err"));
        ASSERT_EQ(run.status, 0) << run.errors;
        PngImage image;
        ASSERT_TRUE(readPngFile(out.c_str(), image));
        // The columns where each colour starts and ends, in the image's pixels.
        std::map<uint32_t, std::pair<int, int>> spans;
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) {
                const uint8_t* p = &image.rgba[(size_t(y) * image.width + x) * 4];
                const uint32_t rgb = p[0] << 16 | p[1] << 8 | p[2];
                auto [at, fresh] = spans.try_emplace(rgb, x, x + 1);
                at->second = {std::min(at->second.first, x), std::max(at->second.second, x + 1)};
            }
        const double unit = height / 100.0;
        const auto near = [unit](int pixels, double units) {
            return std::abs(pixels - units * unit) <= 1.5;
        };
        EXPECT_TRUE(near(width - spans[0xff0000].second, 2)) << size;
        EXPECT_TRUE(near(spans[0x00ff00].first, 1)) << size;
        EXPECT_TRUE(near(spans[0x0000ff].first - spans[0x00ff00].second, 1)) << size;
        EXPECT_TRUE(near(spans[0x0000ff].second - spans[0x0000ff].first, 10)) << size;
        EXPECT_TRUE(near(width - spans[0x0000ff].second, 1)) << size;
    }
}
