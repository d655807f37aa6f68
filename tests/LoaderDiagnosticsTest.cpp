// Tests for what the loaders report: a table of broken files on disk, one mistake each, with
// the diagnostic each must give; the demo's and the embedding example's files, which give none;
// and silence, with the same result, when no handler listens.
#include "files/XmlFile.h"
#include "support/GlTest.h"
#include "support/TempFolder.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/font/FontFile.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/skin/SkinOutline.h"
#include "trellis/style/SkinStore.h"

#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace trellis;

namespace {

enum class Loader { Dialogue, Skin, Font };

// One broken file and the diagnostics it must give, one a line. A name starting with '/' is a
// path used as it stands; any other is written into a fresh folder with the text.
struct BrokenFile {
    const char* what;      // the mistake, for failure messages
    Loader loader;         // which loader reads it
    std::string name;      // the file's name in the folder, or an absolute path
    std::string text;      // its content
    std::string expected;  // each diagnostic after "path:", one a line
};

// A window holding one button: the clean frame most dialogue mistakes are made in.
std::string inWindow(const std::string& button) {
    return "<window name='main' title='Demo' x='10' y='10' width='40' height='30'>\n"
           "    " +
           button + "\n</window>\n";
}

std::string repeat(const std::string& piece, int times) {
    std::string text;
    while (times-- > 0)
        text += piece;
    return text;
}

// count attributes a0='1', a1='1', ..., each after a space.
std::string numberedAttributes(int count) {
    std::string attributes;
    for (int i = 0; i < count; ++i)
        attributes += " a" + std::to_string(i) + "='1'";
    return attributes;
}

// A font file with the given header figures, every glyph lineHeight high, its last cut bytes
// cut off.
std::string fontBytes(int width, int height, int first, int last, float lineHeight, size_t cut) {
    FontFileContents font;
    font.header = GlfHeader{0, width, height, first, last, 0};
    font.glyphs.assign(last >= first ? last - first + 1 : 1,
                       GlyphRecord{1, lineHeight, 0, 0, 1, 1});
    font.texels.assign(size_t(width > 0 ? width : 1) * (height > 0 ? height : 1) * 2, 255);
    std::vector<unsigned char> bytes = encodeFontFile(font);
    bytes.resize(bytes.size() - cut);
    return std::string(bytes.begin(), bytes.end());
}

void ignoreEvent(void*, CallbackSender*) {}

// Loads path with loader: a dialogue under a fresh root, the skin "default", or the font.
void load(Loader loader, const std::string& path) {
    switch (loader) {
    case Loader::Dialogue:
        rootElement = new GuiRoot();
        loadDialogue(path.c_str());
        delete rootElement;
        break;
    case Loader::Skin:
        loadSkin("default", path.c_str());
        break;
    case Loader::Font:
        loadTextureFontFile(path.c_str());
        break;
    }
}

const std::string kSkin = "<skin name='default'>\n  <button bgColor='5a5a8cff'/>\n";

const BrokenFile kBrokenFiles[] = {
    // Files that cannot be read, or are refused before parsing.
    {"missing", Loader::Dialogue, "/no/such/dialogue.xml", "",
     "0:0: error: cannot read the file: no such file; nothing is loaded"},
    {"unreadable", Loader::Dialogue, "/proc/self/mem", "",
     "0:0: error: cannot read the file: input/output error; nothing is loaded"},
    {"a folder", Loader::Skin, "/", "",
     "0:0: error: cannot read the file: a folder, not a file; nothing is loaded"},
    {"a device", Loader::Dialogue, "/dev/zero", "",
     "0:0: error: cannot read the file: a device, not a regular file; nothing is loaded"},
    {"over the size limit", Loader::Dialogue, "big.xml",
     "<window name='w'/>" + std::string(kMaxXmlFileBytes, ' '),
     "0:0: error: cannot read the file: larger than the limit of 16777216 bytes; nothing is "
     "loaded"},
    {"nesting past the limit", Loader::Dialogue, "deep.xml",
     repeat("<window>", 256) + "\n  <window name='deepest'/>" + repeat("</window>", 256),
     "2:3: error: refused before parsing: elements nest more than 256 levels deep (the limit); "
     "nothing is loaded"},
    {"too many attributes", Loader::Skin, "wide.xml",
     kSkin + "  <window" + numberedAttributes(65) + "/>\n</skin>",
     "3:3: error: refused before parsing: an element has more than 64 attributes (the limit); "
     "nothing is loaded"},
    // Files the XML reader refuses or reads only in part.
    {"a duplicated attribute", Loader::Dialogue, "twice.xml",
     inWindow("<button name='okButton' x='1' x='2'/>"),
     "2:35: error: attribute \"x\" appears twice in one start tag; nothing is loaded"},
    {"a NUL byte", Loader::Dialogue, "nul.xml",
     inWindow("<button name='okButton'/>") + std::string(1, '\0') + "<button name='b'/>",
     "4:1: error: a NUL byte: the XML reader stops here; the rest of the file is ignored"},
    {"UTF-16", Loader::Skin, "utf16.xml", std::string("\xff\xfe<\0s\0k\0i\0n\0>\0", 14),
     "1:1: error: the file is UTF-16; only UTF-8 is read; nothing is loaded"},
    {"a DOCTYPE", Loader::Dialogue, "doctype.xml",
     "<!DOCTYPE dialogue SYSTEM 'dialogue.dtd'>\n" + inWindow("<button name='b'/>"),
     "1:1: warning: a DOCTYPE is not read; ignored"},
    // An internal subset stops the XML reader at its first '>' without an error of its own: the
    // interface after it is lost, and both the DOCTYPE and the stop are reported.
    {"a DOCTYPE with an internal subset", Loader::Dialogue, "subset.xml",
     "<!DOCTYPE d [ <!ENTITY e 'x'> ]>\n<window name='lost'/>\n",
     "1:1: warning: a DOCTYPE is not read; ignored\n"
     "1:31: error: the XML reader stops here, at \"]>\\x0a<window name='los\"; the rest of the "
     "file is ignored"},
    {"a stray end tag", Loader::Dialogue, "stray.xml", "<window name='w'/>\n</button>\n",
     "2:1: warning: unknown markup \"</button>\"; ignored"},
    {"an end tag that does not match", Loader::Dialogue, "unclosed.xml",
     "<window name='w'>\n  <button name='b'>\n</window>\n",
     "3:1: error: malformed XML (error reading end tag): <button> opened at 2:3 is not closed; "
     "nothing is loaded"},
    {"an element left open, with a '>' in a value and an end tag in a comment", Loader::Dialogue,
     "open.xml",
     "<window name='w'>\n  <label text='a>b'>\n  <!-- </label> -->\n  <button/>\n</window>\n",
     "5:1: error: malformed XML (error reading end tag): <label> opened at 2:3 is not closed; "
     "nothing is loaded"},
    {"an element left open to the end", Loader::Dialogue, "end.xml",
     "<window name='w'>\n  <button/>\n<window/>\n",
     "4:1: error: malformed XML (error reading end tag): <window> opened at 1:1 is not closed; "
     "nothing is loaded"},
    {"text left open to the end", Loader::Dialogue, "opentext.xml",
     "<window name='w'>\n  <label text='a'/>\n  <label>hello\n",
     "3:3: error: malformed XML (error reading Element value): <label> opened at 3:3 is not "
     "closed; nothing is loaded"},
    {"text between elements", Loader::Dialogue, "text.xml",
     "<window name='w'/>\nstray words\n<button name='b'/>\n",
     "2:1: error: the XML reader stops here, at \"stray words\\x0a<button \"; the rest of the "
     "file is ignored"},
    {"text before the first element", Loader::Skin, "lead.xml", "skins: " + kSkin + "</skin>",
     "1:1: error: text before the first element: \"skins: <skin name='d\"; nothing is loaded"},
    {"an empty file", Loader::Skin, "empty.xml", "",
     "0:0: error: the file holds no element; nothing is loaded"},
    // Dialogue elements and attributes that do nothing, or not what they say.
    {"an unknown tag", Loader::Dialogue, "tag.xml", inWindow("<buton name='okButton'/>"),
     "2:5: warning: unknown tag <buton name=\"okButton\"> (did you mean `button`?); skipped with "
     "everything inside it"},
    {"a tag far from any", Loader::Dialogue, "far.xml", inWindow("<picture name='p'/>"),
     "2:5: warning: unknown tag <picture name=\"p\">; skipped with everything inside it"},
    {"an unknown attribute", Loader::Dialogue, "typo.xml",
     inWindow("<button name='okButton' widht='20'/>"),
     "2:5: warning: unknown attribute \"widht\" on <button name=\"okButton\"> (did you mean "
     "`width`?); ignored"},
    {"a colour attribute spelt the British way", Loader::Dialogue, "colour2.xml",
     inWindow("<label fontColour='ffffffff'/>"),
     "2:5: warning: unknown attribute \"fontColour\" on <label> (did you mean `fontColor`?); "
     "ignored"},
    {"an attribute of another tag", Loader::Dialogue, "title.xml",
     inWindow("<button name='okButton' title='OK'/>"),
     "2:5: warning: attribute \"title\" has no effect on <button name=\"okButton\">; ignored"},
    {"a number with trailing characters", Loader::Dialogue, "trail.xml",
     inWindow("<button name='okButton' x='12abc'/>"),
     "2:5: warning: attribute \"x\" on <button name=\"okButton\">: \"12abc\" has characters "
     "after the number; read as 12"},
    {"no number at all", Loader::Dialogue, "nan.xml",
     inWindow("<button name='okButton' height='tall'/>"),
     "2:5: warning: attribute \"height\" on <button name=\"okButton\">: \"tall\" is not a "
     "number; ignored"},
    {"not a number", Loader::Dialogue, "nan2.xml", inWindow("<button x='nan'/>"),
     "2:5: warning: attribute \"x\" on <button>: \"nan\" is not a finite number; ignored"},
    {"not a number, negative", Loader::Dialogue, "nan3.xml", inWindow("<button y='-nan'/>"),
     "2:5: warning: attribute \"y\" on <button>: \"-nan\" is not a finite number; ignored"},
    {"an infinite place", Loader::Dialogue, "inf.xml", inWindow("<button x='infinity'/>"),
     "2:5: warning: attribute \"x\" on <button>: \"infinity\" is not a finite number; ignored"},
    {"a hexadecimal width", Loader::Dialogue, "hex.xml", inWindow("<button width='0x10'/>"),
     "2:5: warning: attribute \"width\" on <button>: \"0x10\" is not a decimal number; read as "
     "16"},
    {"an exponent without digits", Loader::Dialogue, "exp.xml", inWindow("<button height='1e'/>"),
     "2:5: warning: attribute \"height\" on <button>: \"1e\" is not a decimal number; read as "
     "1"},
    {"a limit beyond the longest", Loader::Dialogue, "limit.xml",
     inWindow("<textfield maxLength='1000001'/>"),
     "2:5: warning: attribute \"maxLength\" on <textfield>: \"1000001\" is beyond the longest "
     "limit; the field takes at most 1000000 characters"},
    {"a six-digit colour", Loader::Dialogue, "colour.xml",
     inWindow("<button name='okButton' bgColor='ff8000'/>"),
     "2:5: warning: attribute \"bgColor\" on <button name=\"okButton\">: \"ff8000\" is not "
     "eight hexadecimal digits (RRGGBBAA); read as 00ff8000"},
    {"a five-digit colour after #", Loader::Dialogue, "colour3.xml",
     inWindow("<button bgColor='#e0803'/>"),
     "2:5: warning: attribute \"bgColor\" on <button>: \"#e0803\" is not #RRGGBB or #RRGGBBAA; "
     "read as 00000000"},
    {"a font size of 0", Loader::Dialogue, "size.xml",
     inWindow("<button name='okButton' fontSize='0'/>"),
     "2:5: warning: attribute \"fontSize\" on <button name=\"okButton\">: \"0\" is not a size "
     "above zero; ignored"},
    {"a callback not registered", Loader::Dialogue, "callback.xml",
     inWindow("<button name='okButton' onLeftClick='chngeSkin'/>"),
     "2:5: warning: attribute \"onLeftClick\" on <button name=\"okButton\">: no callback named "
     "\"chngeSkin\" is registered; the event does nothing"},
    {"a duplicate name", Loader::Dialogue, "same.xml", inWindow("<button name='main'/>"),
     "2:5: warning: duplicate element name \"main\" (first at 1:1): this <button> is built, but "
     "the name stays with the first while it lives"},
    {"a name that is a skin class", Loader::Dialogue, "class.xml",
     inWindow("<button name='title'/>"),
     "2:5: warning: element name \"title\" is also a skin class: the skin's section of that "
     "class styles it as its own"},
    {"texture without a name", Loader::Dialogue, "texture.xml", inWindow("<button texture='1'/>"),
     "2:5: warning: attribute \"texture\" on <button> has no effect without a name; ignored"},
    {"a border flag in words", Loader::Dialogue, "border.xml", "<window name='w' border='false'/>",
     "1:1: warning: attribute \"border\" on <window name=\"w\">: \"false\" counts as on: only "
     "\"0\" turns it off"},
    // Skin files.
    {"a skin name not in the file", Loader::Skin, "other.xml",
     "<skin name='test'>\n  <button bgColor='5a5a8cff'/>\n</skin>",
     "0:0: error: no skin named \"default\" in the file; nothing is loaded"},
    {"skins wrapped in a root", Loader::Skin, "wrapped.xml", "<skins>" + kSkin + "</skin></skins>",
     "0:0: error: no skin named \"default\" in the file; nothing is loaded"},
    {"an unknown style attribute", Loader::Skin, "style.xml",
     kSkin + "  <window bgColour='303030ff'/>\n</skin>",
     "3:3: warning: unknown style attribute \"bgColour\" on <window> in skin \"default\" (did "
     "you mean `bgColor`?); never read"},
    {"a skin colour with a stray letter", Loader::Skin, "skincolour.xml",
     kSkin + "  <title fontColor='ffffffgf'/>\n</skin>",
     "3:3: warning: attribute \"fontColor\" on <title> in skin \"default\": \"ffffffgf\" is "
     "not eight hexadecimal digits (RRGGBBAA); read as 00ffffff"},
    {"a skin font size that is no number", Loader::Skin, "skinsize.xml",
     kSkin + "  <global fontSize='big'/>\n</skin>",
     "3:3: warning: attribute \"fontSize\" on <global> in skin \"default\": \"big\" is not a "
     "size above zero; ignored"},
    // Font files, refused before anything reaches GL.
    {"a missing font", Loader::Font, "/no/such/font.glf", "",
     "0:0: error: cannot read the font file: no such file; no text is drawn"},
    {"a font shorter than its header", Loader::Font, "short.glf", "glf",
     "0:0: error: font file refused: the file is shorter than its 24-byte header; no text is "
     "drawn"},
    {"a font with no texture", Loader::Font, "flat.glf", fontBytes(0, 16, 32, 33, 1, 0),
     "0:0: error: font file refused: the texture size 0 x 16 is not within 1..8192; no text is "
     "drawn"},
    {"a font with a wide range", Loader::Font, "range.glf", fontBytes(4, 4, 32, 200, 1, 0),
     "0:0: error: font file refused: the character range 32..200 is not an ascending range "
     "within -128..127; no text is drawn"},
    {"a truncated font", Loader::Font, "cut.glf", fontBytes(4, 4, 32, 33, 1, 5),
     "0:0: error: font file refused: the file ends early: its header announces 80 bytes of "
     "glyph records and texels, and 75 follow; no text is drawn"},
    {"a font with no line height", Loader::Font, "zero.glf", fontBytes(4, 4, 32, 33, 0, 0),
     "0:0: error: font file refused: the line height (the first glyph's height) is not a number "
     "above zero; no text is drawn"},
};

class LoaderDiagnostics : public ::testing::Test {
protected:
    void SetUp() override {
        useScreenUnits();
        skinStore.clear();
        // A stuck load is killed rather than left to hang the suite.
        alarm(120);
    }
    void TearDown() override { alarm(0); }
};

// Each broken file gives exactly its diagnostics (one, but for the lost interface): file,
// place, severity and wording.
TEST_F(LoaderDiagnostics, EachBrokenFileGivesItsOneDiagnostic) {
    TempFolder folder;
    mkfifo(folder.path("fifo.xml").c_str(), 0600);
    for (const BrokenFile& broken : kBrokenFiles) {
        const std::string path =
            broken.name[0] == '/' ? broken.name : folder.write(broken.name, broken.text);
        DiagnosticCollector collector;
        load(broken.loader, path);
        std::string given, expected;
        for (const Diagnostic& d : collector.diagnostics())
            given += formatDiagnostic(d) + "\n";
        std::istringstream lines(broken.expected);
        for (std::string line; std::getline(lines, line);)
            expected += path + ":" + line + "\n";
        EXPECT_EQ(given, expected) << broken.what;
    }
    // A FIFO without a writer is refused at once, not waited for.
    DiagnosticCollector collector;
    load(Loader::Dialogue, folder.path("fifo.xml"));
    ASSERT_EQ(collector.diagnostics().size(), 1u);
    EXPECT_EQ(formatDiagnostic(collector.diagnostics()[0]),
              folder.path("fifo.xml") +
                  ":0:0: error: cannot read the file: a FIFO, not a regular file; nothing is "
                  "loaded");
}

// The demo's files, the galleries, the frost skin (and its pictures) and the embedding
// example's files, loaded as their programs load them, are clean.
TEST_F(LoaderDiagnostics, ShippedFilesAreClean) {
    static int receiver;
    for (const char* name : {"changeSkin", "spin", "colour", "reload"})
        registerCallback(name, ignoreEvent, &receiver);
    const std::string source = TRELLIS_SOURCE_DIR;
    DiagnosticCollector collector;
    for (const auto& [skinFile, skins] :
         {std::pair{source + "/data/defaultSkin.xml", std::vector<std::string>{"default", "test"}},
          std::pair{source + "/data/frostSkin.xml", std::vector<std::string>{"frost"}},
          std::pair{source + "/examples/embed/data/embedSkin.xml",
                    std::vector<std::string>{"embed"}}}) {
        EXPECT_EQ(outlineSkinFile(skinFile.c_str()).size(), skins.size()) << skinFile;
        for (const std::string& skin : skins)
            EXPECT_TRUE(loadSkin(skin.c_str(), skinFile.c_str())) << skinFile << " " << skin;
    }
    for (const std::string& dialogue :
         {source + "/data/testDialogue.xml", source + "/data/gallery.xml",
          source + "/data/galleryLists.xml", source + "/data/galleryControls.xml",
          source + "/data/galleryLayout.xml", source + "/data/hud.xml",
          source + "/data/optionsScreen.xml", source + "/examples/embed/data/embedDialogue.xml"})
        load(Loader::Dialogue, dialogue);
    for (const Diagnostic& d : collector.diagnostics())
        ADD_FAILURE() << formatDiagnostic(d);
}

// Without a handler the loaders build the same interface from a broken file, silently.
TEST_F(LoaderDiagnostics, WithoutAHandlerTheResultIsTheSame) {
    TempFolder folder;
    const std::string path = folder.write(
        "mixed.xml", inWindow("<button name='okButton' widht='20' x='12abc' bgColor='ff8000' "
                              "fontSize='0' onLeftClick='none'/><buton name='b'/>"));
    auto build = [&path] {
        rootElement = new GuiRoot();
        loadDialogue(path.c_str());
        const GuiElement* window = rootElement->children.oldestFirst().at(0);
        const GuiElement* button = window->children.oldestFirst().back();
        const std::vector<float> shape = {button->x, button->width,
                                          float(window->children.oldestFirst().size()),
                                          float(button->bgColor.green())};
        delete rootElement;
        return shape;
    };
    const std::vector<float> silent = build();
    DiagnosticCollector collector;
    EXPECT_EQ(build(), silent);
    EXPECT_EQ(collector.diagnostics().size(), 6u);
}

}  // namespace
