// Tests for what the XML file reader refuses before parsing: files that are not regular files,
// files past the size limit, nesting past the depth limit and elements past the attribute
// limit; and the pre-scan's agreement with TinyXML on what it would meet.
#include "files/RegularFile.h"
#include "files/XmlFile.h"
#include "files/XmlShape.h"
#include "support/MatchedBox.h"
#include "support/TempFolder.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/style/SkinStore.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <iterator>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <tinyxml.h>
#include <unistd.h>

using namespace trellis;

namespace {

enum class Outcome { Refused, Loaded, TimedOut, Crashed };

// Runs load in a child process, so that a hang or a crash fails the test instead of ending it:
// a load still running after the time-out is killed.
Outcome inChildProcess(const std::function<bool()>& load, int seconds = 20) {
    const pid_t child = fork();
    if (child == 0)
        _exit(load() ? 1 : 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return Outcome::TimedOut;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!WIFEXITED(status))
        return Outcome::Crashed;
    return WEXITSTATUS(status) == 0 ? Outcome::Refused : Outcome::Loaded;
}

// Loads path as the dialogue under a fresh root; true if it built anything.
bool dialogueBuilds(const std::string& path) {
    useScreenUnits();
    rootElement = new GuiRoot();
    loadDialogue(path.c_str());
    return !rootElement->children.empty();
}

// Loads the skin "s" from path into an empty store; true if it merged anything.
bool skinLoads(const std::string& path) {
    skinStore.clear();
    loadSkin("s", path.c_str());
    return !skinStore.empty();
}

std::ostream& operator<<(std::ostream& out, Outcome outcome) {
    const char* names[] = {"refused", "loaded", "timed out", "crashed"};
    return out << names[static_cast<int>(outcome)];
}

std::string repeat(const std::string& piece, size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    while (times--)
        text += piece;
    return text;
}

// Windows nested levels deep (counting the top one), the innermost named.
std::string nestedWindows(int levels) {
    return repeat("<window width='30' height='20'>", levels - 1) +
           "<window name='innermost' width='30' height='20' bgColor='ff8000ff'/>" +
           repeat("</window>", levels - 1);
}

// A skin file of exactly size bytes, its padding in a comment.
std::string skinOfSize(size_t size) {
    const std::string head = "<skin name='s'><g a='1'/></skin><!--", tail = "-->";
    return head + std::string(size - head.size() - tail.size(), '-') + tail;
}

// Elements 200 levels deep with as many leaves at the bottom as keep the depths' sum (the parse's
// work, which grows with depth times elements) within work, and within 200 of it.
std::string deepAndWide(const char* tag, long long work) {
    constexpr int kDepth = 200;
    const long long above = kDepth * (kDepth - 1LL) / 2;
    const long long leaves = (work - above) / kDepth;
    const std::string open = std::string("<") + tag + ">", close = std::string("</") + tag + ">";
    std::string text = repeat(open, kDepth - 1) + repeat("<b/>", int(leaves));
    text += repeat(close, kDepth - 1);
    return text;
}

// One element with count attributes.
std::string withAttributes(const char* tag, int count) {
    std::string text = std::string("<") + tag + " name='s'";
    for (int i = 1; i < count; ++i)
        text += " a" + std::to_string(i) + "='1'";
    return text + "/>";
}

// Each file as the dialogue and as the skin, just inside and just past each limit, and the
// reports' cases: 50,000 levels and 100,000 attributes.
TEST(XmlFileLimits, FilesJustPastEachLimitAreRefused) {
    TempFolder files;
    const std::string skinInside = "<skin name='s'>" + repeat("<g>", kMaxXmlNesting - 2) +
                                   "<g a='1'/>" + repeat("</g>", kMaxXmlNesting - 2) + "</skin>";
    const std::string skinPast = "<skin name='s'><g a='1'/>" + repeat("<g>", kMaxXmlNesting) +
                                 repeat("</g>", kMaxXmlNesting) + "</skin>";
    struct Case {
        std::string dialogue, skin;
        bool loads;
    } cases[] = {
        {nestedWindows(kMaxXmlNesting), skinInside, true},
        {nestedWindows(kMaxXmlNesting + 1), skinPast, false},
        {nestedWindows(50000), "<skin name='s'><g a='1'/>" + nestedWindows(50000) + "</skin>",
         false},
        {"<skin name='s'><g a='1'/></skin>" + withAttributes("button", kMaxXmlAttributes),
         "<skin name='s'>" + withAttributes("g", kMaxXmlAttributes) + "</skin>", true},
        {"<skin name='s'><g a='1'/></skin>" + withAttributes("button", kMaxXmlAttributes + 1),
         "<skin name='s'><g a='1'/>" + withAttributes("g", kMaxXmlAttributes + 1) + "</skin>",
         false},
        {withAttributes("button", 100000),
         "<skin name='s'><g a='1'/></skin>" + withAttributes("g", 100000), false},
        {deepAndWide("window", kMaxXmlDepthWork),
         // Inside a skin every element is one level deeper: leave room for that.
         "<skin name='s'><g a='1'/>" + deepAndWide("g", kMaxXmlDepthWork - 400000) + "</skin>",
         true},
        {deepAndWide("window", kMaxXmlDepthWork + 200),
         "<skin name='s'><g a='1'/>" + deepAndWide("g", kMaxXmlDepthWork + 200) + "</skin>", false},
    };
    for (const Case& c : cases) {
        const std::string dialogue = files.write("d.xml", c.dialogue);
        const std::string skin = files.write("s.xml", c.skin);
        const Outcome expected = c.loads ? Outcome::Loaded : Outcome::Refused;
        EXPECT_EQ(inChildProcess([&] { return dialogueBuilds(dialogue); }), expected)
            << c.dialogue.size() << " bytes of dialogue";
        EXPECT_EQ(inChildProcess([&] { return skinLoads(skin); }), expected)
            << c.skin.size() << " bytes of skin";
    }
    // The size limit, the same for either file; in a comment, the size costs TinyXML little.
    EXPECT_EQ(inChildProcess(
                  [&] { return skinLoads(files.write("s.xml", skinOfSize(kMaxXmlFileBytes))); }),
              Outcome::Loaded);
    EXPECT_EQ(inChildProcess([&] {
                  return skinLoads(files.write("s.xml", skinOfSize(kMaxXmlFileBytes + 1)));
              }),
              Outcome::Refused);
}

// FIFOs (with no writer, or one that never stops) and endless devices in place of the skin,
// the dialogue or the font: refused at once, whatever they would deliver.
TEST(XmlFileLimits, OnlyRegularFilesAreRead) {
    TempFolder files;
    const std::string fifo = files.path("fifo"), zero = files.path("zero"),
                      random = files.path("random");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", zero);
    std::filesystem::create_symlink("/dev/urandom", random);
    // A short time-out: reading /dev/zero fills the memory at hundreds of megabytes a second.
    const std::function<bool(const std::string&)> loaders[] = {
        dialogueBuilds, skinLoads, [](const std::string& path) {
            loadTextureFontFile(path.c_str());
            return fontLoaded;
        }};
    for (const std::string& path : {fifo, zero, random})
        for (const auto& load : loaders)
            EXPECT_EQ(inChildProcess([&] { return load(path); }, 3), Outcome::Refused) << path;
    // A file whose length says nothing, like those under /proc, is read only to the limit.
    std::string bytes;
    EXPECT_FALSE(readRegularFile("/proc/self/status", 16, bytes));
    EXPECT_TRUE(readRegularFile("/proc/self/status", 1 << 20, bytes));
    EXPECT_GT(bytes.size(), 16u);
}

// The deepest dialogue accepted builds every level, draws, and is found under the pointer.
class DeepestDialogue : public GlTest {};

TEST_F(DeepestDialogue, LoadsAndDraws) {
    TempFolder files;
    rootElement = new GuiRoot();
    loadDialogue(files.write("d.xml", nestedWindows(kMaxXmlNesting)).c_str());
    int levels = 0;
    GuiElement* innermost = rootElement;
    for (; !innermost->children.empty(); ++levels)
        innermost = innermost->children.front();
    EXPECT_EQ(levels, kMaxXmlNesting);
    EXPECT_EQ(innermost->name, "innermost");
    drawnTree(rootElement);
    EXPECT_EQ(pixel(100, 100), (Color{{0xff, 0x80, 0, 0xff}}));
    EXPECT_EQ(findElementAt(rootElement, px(100), px(100)), innermost);
}

// The deepest nesting and the most attributes in the tree TinyXML builds, also the part it
// builds before it fails.
XmlShape tinyXmlShape(const TiXmlNode& node, int depth = 0) {
    XmlShape shape;
    for (const TiXmlElement* e = node.FirstChildElement(); e; e = e->NextSiblingElement()) {
        int attributes = 0;
        for (const TiXmlAttribute* a = e->FirstAttribute(); a; a = a->Next())
            ++attributes;
        const XmlShape inner = tinyXmlShape(*e, depth + 1);
        shape.nesting = std::max({shape.nesting, depth + 1, inner.nesting});
        shape.attributes = std::max({shape.attributes, attributes, inner.attributes});
    }
    return shape;
}

XmlShape scanned(const std::string& text) {
    const std::string padded = text + std::string(8, '\0');
    return scanXmlShape(padded.c_str(), 1 << 30, 1 << 30, 1LL << 60);
}

XmlShape parsed(const std::string& text) {
    const std::string padded = text + std::string(8, '\0');
    TiXmlDocument document;
    document.Parse(padded.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    return tinyXmlShape(document);
}

// The scan never sees less than TinyXML builds, where a careless scan would: characters and
// character references that TinyXML reads over a quote, a '<' or a NUL, the encoding a
// declaration chooses, white space that only UTF-8 has. It counts exactly in ordinary files.
TEST(XmlShapeScan, SeesAtLeastWhatTinyXmlBuilds) {
    const std::string deep = repeat("<w>", 300), utf8 = "<?xml version='1.0'?>";
    const std::string hidden[] = {
        utf8 + "<a b=\"\xc3\" c=\">" + deep,
        utf8 + "<a>\xc3<!-- " + deep,
        utf8 + "<a>\xc3" + std::string(1, '\0') + deep,
        "<a b='&#x'><!-- x41;'>" + deep,
        "<a b='&#'><!-- #65;'>" + deep,
        "<a b='<!--'>" + deep,
        "\xef\xbb\xbf<a b=\xef\xbb\xbf'>'>" + deep,
        "<?xml version='1.0' encoding='ISO-8859-1'?><a b='\xc3'>" + deep,
        "<?xml encoding='&#85;TF-8'?><a b='\xc3' c='>" + deep,
    };
    for (const std::string& text : hidden) {
        EXPECT_EQ(parsed(text).nesting, 301) << text;
        EXPECT_GE(scanned(text).nesting, 301) << text;
    }
    const std::string ordinary[] = {
        "<?xml version='1.0' encoding=\"UTF-8\"?><!-- <window><window> -->"
        "<a t='<window>' u=\"a > b\" v=w><![CDATA[<window>]]>text &amp; &#x41; &#65;</a>",
        "<!DOCTYPE skin><skin name='s'><g a='1' b='2' c='3'/></skin><? other ?>",
        "<a><b><c x='1'/></b></a><d/>",
    };
    for (const std::string& text : ordinary) {
        const XmlShape scan = scanned(text), tree = parsed(text);
        EXPECT_EQ((std::pair{scan.nesting, scan.attributes}),
                  (std::pair{tree.nesting, tree.attributes}))
            << text;
    }
    // Random texts from the pieces TinyXML reads differently by encoding and context.
    // clang-format off
    const std::string pieces[] = {
        "<w", "<a", "<_", "< b", ">", "/>", "/", "</w>", "</a>", " ", "\n", "x='", "y=\"", "'",
        "\"", "=", "z=v", "<!--", "-->", "<![CDATA[", "]]>", "<?xml", "?>", " encoding='UTF-8'",
        " encoding='latin1'", "\xef\xbb\xbf", "\xef\xbf\xbe", "\xc3", "\xe2\x82", "\xf0", "\xff",
        "&#x41;", "&#65;", "&#x", "&#", ";", "x;", std::string(1, '\0'), "text", "<!DOCTYPE", "<1"};
    // clang-format on
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        std::string text = round % 3 ? "" : "\xef\xbb\xbf";
        text += round % 2 ? "" : utf8;
        for (int n = random() % 40; n > 0; --n)
            text += pieces[random() % std::size(pieces)];
        const XmlShape scan = scanned(text), tree = parsed(text);
        ASSERT_TRUE(scan.nesting >= tree.nesting && scan.attributes >= tree.attributes)
            << "round " << round << ": " << text;
    }
}

}  // namespace
