// Tests for trellis-lint, run as built: exit statuses, its output for clean and broken files,
// the skin sections that match nothing in the dialogue, and its usage errors.
#include "support/TempFolder.h"
#include "support/TestFont.h"
#include "trellis/Version.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace trellis;

namespace {

// What one run printed on standard output, and its exit status.
struct LintRun {
    std::string out;
    int status = -1;
};

// Runs trellis-lint with arguments (each quoted) in folder, killed after 30 seconds (status 124).
LintRun lint(const TempFolder& folder, const std::vector<std::string>& arguments) {
    std::string command = "cd '" + folder.root().string() + "' && timeout 30 " TRELLIS_LINT_EXE;
    for (const std::string& argument : arguments)
        command += " '" + argument + "'";
    command += " 2>lint-stderr.txt";
    LintRun run;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

const std::string kSource = TRELLIS_SOURCE_DIR;

// The exit status follows the worst finding, or says the command line was wrong; --version and
// --help print the version and the options.
TEST(LintTool, ExitStatusesFollowTheWorstFinding) {
    TempFolder folder;
    folder.write("clean.xml",
                 "<window name='w' title='T'>\n  <button name='b' text='B'/>\n</window>\n");
    folder.write("warned.xml", "<window name='w' widht='3'/>\n");
    folder.write("broken.xml", "<window name='w'>\n");
    folder.write("skin.xml", "<skin name='s'>\n  <button bgColor='102030ff'/>\n</skin>\n");
    folder.write("tagged.xml", "<window name='w'>\n  <gauge name='p' value='0.5'><button "
                               "name='b'/></gauge>\n</window>\n");
    folder.write("tagskin.xml", "<skin name='s'>\n  <gauge fillColor='102030ff'/>\n</skin>\n");
    const struct {
        std::vector<std::string> arguments;
        int status;
    } cases[] = {
        {{"clean.xml"}, 0},
        {{"--skin", "skin.xml", "clean.xml", "--werror"}, 0},
        {{"--skin", "skin.xml"}, 0},
        {{"warned.xml"}, 0},
        {{"--werror", "warned.xml"}, 1},
        {{"broken.xml"}, 1},
        {{"clean.xml", "missing.xml"}, 1},
        {{"--skin", "missing.xml", "clean.xml"}, 1},
        {{}, 2},
        {{"--no-such-option", "clean.xml"}, 2},
        {{"clean.xml", "--skin"}, 2},
        {{"--werror", "tagged.xml"}, 1},  // an unknown tag
        {{"--werror", "--tag", "gauge", "--tag", "meter", "tagged.xml"}, 0},
        {{"--werror", "--tag", "gauge", "--skin", "tagskin.xml", "tagged.xml"}, 0},
        {{"--werror", "--tag", "gauge", "--skin", "tagskin.xml", "clean.xml"}, 1},
        {{"--tag", "button", "tagged.xml"}, 2},
        {{"--tag", "", "tagged.xml"}, 2},
        {{"--help"}, 0},
        {{"--version"}, 0},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const std::string& argument : c.arguments)
            shown += argument + " ";
        EXPECT_EQ(lint(folder, c.arguments).status, c.status) << shown;
    }
    EXPECT_EQ(lint(folder, {"--version"}).out,
              std::string("trellis-lint ") + TRELLIS_VERSION_STRING + "\n");
    const std::string help = lint(folder, {"--help"}).out;
    for (const char* word :
         {"Usage: trellis-lint", "--skin", "--callback", "--font", "--werror", "FILE"})
        EXPECT_NE(help.find(word), std::string::npos) << word;
}

TEST(LintTool, PrintsDiagnosticsInFileOrderAndACount) {
    TempFolder folder;
    folder.write("dialogue.xml", "<window name='okWindow' title='T'>\n"
                                 "  <button name='okButton' bgColor='fff' onLeftClick='go'/>\n"
                                 "  <buton name='typo'/>\n"
                                 "</window>\n");
    folder.write("skin.xml", "<skin name='default'>\n"
                             "  <button bgColor='102030ff'/>\n"
                             "  <okButon fontColor='ffffffff'/>\n"
                             "  <okButton fontColor='ffffffff'/>\n"
                             "</skin>\n"
                             "<skin name='test'>\n"
                             "  <okWindow bgColor='102030ff'/>\n"
                             "</skin>\n");
    const LintRun run = lint(folder, {"--skin", "skin.xml", "--callback", "go", "dialogue.xml"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "skin.xml:3:3: warning: section <okButon> in skin \"default\" matches no skin class "
              "and no element name in the dialogue (did you mean `okButton`?); never applied\n"
              "dialogue.xml:2:3: warning: attribute \"bgColor\" on <button name=\"okButton\">: "
              "\"fff\" is not eight hexadecimal digits (RRGGBBAA); read as 00000fff\n"
              "dialogue.xml:3:3: warning: unknown tag <buton name=\"typo\"> (did you mean "
              "`button`?); skipped with everything inside it\n"
              "3 warnings, 0 errors\n");
    // Without the callback given, its binding is reported too.
    EXPECT_NE(lint(folder, {"dialogue.xml"}).out.find("no callback named \"go\""),
              std::string::npos);
}

// Valid files pass --werror: a slider without a value starts at its min, and a colour may be
// written #RRGGBB or #RRGGBBAA. Typos get the name most likely meant: tags, attributes, skin
// sections and skins, style attributes and callback names.
TEST(LintTool, ValidFilesPassAndTyposGetTheNameMeant) {
    TempFolder folder;
    folder.write("valid.xml", "<window name='w' title='T' bgColor='#e08030'>\n"
                              "  <slider name='s' min='10' max='20'/>\n"
                              "  <label name='l' text='L' fontColor='#e0803080' class='a b'/>\n"
                              "  <checkbox text='C' blend='1' class='b'/>\n"
                              "</window>\n");
    folder.write("skin.xml", "<skin name='default'>\n  <button fontColor='#102030'/>\n</skin>\n"
                             "<skin name='states' base='default'>\n"
                             "  <button:pressed bgColor='#102030'/><w:focus blend='1'/>\n"
                             "  <style class='b' bgColor='#102030'/><style class='a:hover'/>\n"
                             "  <window borderColor='#102030'/><checkbox:checked/>\n</skin>\n");
    const LintRun valid = lint(folder, {"--werror", "--skin", "skin.xml", "valid.xml"});
    EXPECT_EQ(valid.out, "0 warnings, 0 errors\n");
    EXPECT_EQ(valid.status, 0);
    folder.write("typos.xml", "<window name='okWindow' title='T'>\n"
                              "  <lable name='caption' text='a'/>\n"
                              "  <button name='ok' widht='3' onLeftClick='chngeSkin'/>\n"
                              "  <panel name='style' class='heading'/>\n"
                              "</window>\n");
    folder.write("typoskin.xml", "<skin name='default'>\n"
                                 "  <label fontColour='ffffffff'/>\n"
                                 "  <okWindw bgColor='102030ff'/>\n"
                                 "  <button:hovr/>\n  <window:pressed/>\n"
                                 "  <style class='headng'/>\n  <style bgColor='102030ff'/>"
                                 "<button:disabled image='gone.png' slice='1 1'/>\n"
                                 "</skin>\n"
                                 "<skn name='other'/>\n");
    const LintRun typos = lint(folder, {"--skin", "typoskin.xml", "--callback", "changeSkin",
                                        "--callback", "quit", "typos.xml"});
    for (const char* hint :
         {"typoskin.xml:2:3: warning: unknown style attribute \"fontColour\" "
          "on <label> in skin \"default\" (did you mean `fontColor`?)",
          "typoskin.xml:3:3: warning: section <okWindw> in skin \"default\" "
          "matches no skin class and no element name in the dialogue (did you "
          "mean `okWindow`?)",
          "typoskin.xml:4:3: warning: unknown state \"hovr\" in <button:hovr> "
          "in skin \"default\" (did you mean `hover`?); never applied",
          "typoskin.xml:5:3: warning: <window:pressed> in skin \"default\": a "
          "window has no \"pressed\" look (its states: \"focus\"); never applied",
          "typoskin.xml:6:3: warning: section <.headng> in skin \"default\" "
          "matches no element's style class in the dialogue (did you mean "
          "`.heading`?)",
          "typoskin.xml:7:3: warning: <style> in skin \"default\" has no "
          "\"class\": it styles only an element named \"style\"",
          "typoskin.xml:7:30: warning: attribute \"slice\" on <button:disabled> in skin "
          "\"default\": \"1 1\" is not four numbers",
          "gone.png\" cannot be shown (cannot read the file: no such file); drawn in its colours",
          "typos.xml:4:3: warning: element name \"style\" is the tag of a skin's "
          "style class sections",
          "typoskin.xml:9:1: warning: top-level <skn name=\"other\"> is not a "
          "skin (did you mean `skin`?)",
          "typos.xml:2:3: warning: unknown tag <lable name=\"caption\"> (did "
          "you mean `label`?)",
          "typos.xml:3:3: warning: unknown attribute \"widht\" on <button "
          "name=\"ok\"> (did you mean `width`?)",
          "no callback named \"chngeSkin\" is registered (did you mean "
          "`changeSkin`?)"})
        EXPECT_NE(typos.out.find(hint), std::string::npos) << hint << "\n" << typos.out;
}

// Containers, lengths in percent, auto and fill pass --werror, with a skin styling the
// containers; a value that is no length, and bad container settings, get a line each.
TEST(LintTool, KnowsTheLayoutTagsAndReportsBadLengths) {
    TempFolder folder;
    folder.write("layout.xml",
                 "<column name='menu' x='50% - 10' y='20' padding='1' spacing='0.5' "
                 "align='stretch'>\n"
                 "  <row name='line' width='fill' align='center'>\n"
                 "    <button name='a' text='A' width='auto' height='auto' padding='0.5'/>\n"
                 "    <button name='b' width='fill' height='100%'/>\n"
                 "  </row>\n"
                 "  <grid name='cells' columns='2'><label name='c' text='c' width='auto'/></grid>\n"
                 "</column>\n");
    folder.write("skin.xml", "<skin name='default'>\n  <row bgColor='102030ff' padding='1'/>\n"
                             "  <button padding='0.5'/>\n</skin>\n");
    EXPECT_EQ(lint(folder, {"--werror", "--skin", "skin.xml", "layout.xml"}).out,
              "0 warnings, 0 errors\n");
    folder.write("bad.xml", "<row name='r' x='50%%' width='100% -' spacing='-1' align='middle'>\n"
                            "  <button name='b' y='abc%'/>\n"
                            "</row>\n"
                            "<grid name='g' columns='0' x='auto'/>\n");
    const std::string expected =
        "bad.xml:1:1: warning: attribute \"x\" on <row name=\"r\">: \"50%%\" is not a length: "
        "unexpected \"%\" after the percentage; write \"50%\" or \"100% - 12\"; ignored\n"
        "bad.xml:1:1: warning: attribute \"width\" on <row name=\"r\">: \"100% -\" is not a "
        "length: a number of units must follow \"-\"; ignored\n"
        "bad.xml:1:1: warning: attribute \"spacing\" on <row name=\"r\">: \"-1\" is below "
        "zero; ignored\n"
        "bad.xml:1:1: warning: attribute \"align\" on <row name=\"r\">: \"middle\" is not "
        "start, center, end or stretch; ignored\n"
        "bad.xml:2:3: warning: attribute \"y\" on <button name=\"b\">: \"abc%\" is not a "
        "length: expected a finite decimal number at its start; ignored\n"
        "bad.xml:4:1: warning: attribute \"x\" on <grid name=\"g\">: \"auto\" is not a length: "
        "only a width or height can be \"auto\"; ignored\n"
        "bad.xml:4:1: warning: attribute \"columns\" on <grid name=\"g\">: \"0\" is not a "
        "whole number from 1 to 1000; ignored\n"
        "7 warnings, 0 errors\n";
    EXPECT_EQ(lint(folder, {"bad.xml"}).out, expected);
}

// With a texture font (the one given, or verdana.glf in the working directory), text is checked
// where it stands, once laid out: characters without a glyph, text wider than its element, a
// wrapped label taller than it. Clipped text and text fields, which scroll, are left alone.
TEST(LintTool, ReportsTextTheFontCannotDrawOrTheElementCannotHold) {
    TempFolder folder;
    // 20 px text in 60 x 40 px labels: each glyph of the test font is 10 px wide.
    const auto px = [](int pixels) { return "'" + std::to_string(pixels * 100.0 / 768) + "'"; };
    const std::string box = " width=" + px(60) + " height=" + px(40) + " fontSize=" + px(20);
    std::string dialogue = "<window name='w' title='T'>\n";
    for (const char* element :
         {"label name='fits' text='ABCDEF'", "label name='wide' text='ABCDEFGH'",
          "label name='clipped' text='ABCDEFGH' overflow='clip'",
          "label name='tall' text='AB CD EF GH IJ' wrap='1'",
          "button name='accents' text='Gr\xc3\xb6\xc3\x9f"
          "e'",
          "textfield name='field' text='ABCDEFGHIJKL'"})
        dialogue += "  <" + std::string(element) + box + "/>\n";
    // Laid out first: two labels sharing 120 px, and one as wide as 120 px.
    const std::string wide = " width=" + px(120) + ">\n", size = " fontSize=" + px(20) + "/>\n";
    dialogue += "  <row" + wide + "    <label name='shared' text='ABCDEFGH' width='fill'" + size +
                "    <label name='rest' text='A' width='fill'" + size + "  </row>\n  <column" +
                wide + "    <label name='spread' text='ABCDEFGHIJ' width='100%'" + size +
                "  </column>\n";
    folder.write("text.xml", dialogue + "</window>\n");
    const std::vector<unsigned char> font = encodeFontFile(makeTestFont());
    folder.write("test.glf", std::string(font.begin(), font.end()));
    folder.write("broken.glf", "not a font");
    const std::string reports =
        "text.xml:3:3: warning: attribute \"text\" on <label name=\"wide\">: \"ABCDEFGH\" is 20 px "
        "wider than the 60 px the element gives it at the start-up size\n"
        "text.xml:5:3: warning: attribute \"text\" on <label name=\"tall\">: \"AB CD EF GH IJ\" "
        "wraps to 60 px, 20 px taller than the element at the start-up size\n"
        "text.xml:6:3: warning: attribute \"text\" on <button name=\"accents\">: the font has no "
        "glyph for U+00F6 \"\xc3\xb6\", U+00DF \"\xc3\x9f\" in \"Gr\xc3\xb6\xc3\x9f"
        "e\"\n"
        "text.xml:9:5: warning: attribute \"text\" on <label name=\"shared\">: \"ABCDEFGH\" is "
        "20 px wider than the 60 px the element gives it at the start-up size\n"
        "4 warnings, 0 errors\n";
    EXPECT_EQ(lint(folder, {"text.xml"}).out, "0 warnings, 0 errors\n") << "no font, no checks";
    EXPECT_EQ(lint(folder, {"--font", "test.glf", "text.xml"}).out, reports);
    const LintRun broken = lint(folder, {"--font", "broken.glf", "text.xml"});
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.out.find("broken.glf:0:0: error: font file refused: "), std::string::npos)
        << broken.out;
    folder.write("verdana.glf", std::string(font.begin(), font.end()));
    EXPECT_EQ(lint(folder, {"text.xml"}).out, reports) << "the default font";
    // TrueType faces in a chain: a character is missing only when no face in it draws it.
    folder.write("chain.xml", "<label name='l' text='Gr\xc3\xb6\xc3\x9f"
                              "e \xe6\x97\xa5\xe6\x9c\xac \xee\x80\x80' width='90'/>\n");
    folder.write("cut.ttf", std::string("\0\1\0\0", 4) + "cut short");
    const std::string dejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    const std::string cjk = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";
    const struct {
        std::vector<std::string> fonts;
        std::string missing;  // the characters reported, or the error
    } chains[] = {
        {{dejaVu, cjk}, "U+E000 \"\xee\x80\x80\""},
        {{dejaVu}, "U+65E5 \"\xe6\x97\xa5\", U+672C \"\xe6\x9c\xac\", U+E000 \"\xee\x80\x80\""},
        {{"cut.ttf", cjk}, "cut.ttf:0:0: error: font file refused: "},
    };
    for (const auto& chain : chains) {
        std::vector<std::string> arguments;
        for (const std::string& file : chain.fonts)
            arguments.insert(arguments.end(), {"--font", file});
        arguments.push_back("chain.xml");
        const std::string out = lint(folder, arguments).out;
        EXPECT_NE(out.find(chain.missing), std::string::npos) << out;
    }
}

// A skin's <font> sections declare faces: one whose file is missing or no font, or that lacks a
// name or a file, is reported at the section; so is a font= naming no declared face, in the
// skin or in a dialogue. The sections are no element sections.
TEST(LintTool, ReportsSkinFontsThatCannotDraw) {
    TempFolder folder;
    folder.write(
        "skin.xml",
        "<skin name='default'>\n"
        "  <font name='heading' file='/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf'/>\n"
        "  <font name='gone' file='missing.ttf'/>\n"
        "  <font name='text' file='skin.xml'/>\n"
        "  <font file='x.ttf'/>\n"
        "  <label font='heading'/>\n"
        "  <button font='headline'/>\n"
        "</skin>\n");
    folder.write("d.xml", "<window name='w'>\n  <label name='a' font='heading' text='A'/>\n"
                          "  <label name='b' font='nope' text='B'/>\n</window>\n");
    const LintRun run = lint(folder, {"--skin", "skin.xml", "d.xml"});
    for (const char* report :
         {"skin.xml:3:3: error: font \"gone\": \"missing.ttf\" is no usable font (",
          "skin.xml:4:3: error: font \"text\": \"skin.xml\" is no usable font (",
          "skin.xml:5:3: warning: <font> needs a name and a file; ignored\n",
          "skin.xml:7:3: warning: attribute \"font\" on <button> in skin \"default\": "
          "\"headline\" names no font a skin declares; the text keeps its font\n",
          "d.xml:3:3: warning: attribute \"font\" on <label name=\"b\">: \"nope\" names no font "
          "a skin declares; the text keeps its font\n",
          "3 warnings, 2 errors\n"})
        EXPECT_NE(run.out.find(report), std::string::npos) << report << "\nin\n" << run.out;
}

TEST(LintTool, TheShippedFilesAreClean) {
    TempFolder folder;
    const LintRun demo =
        lint(folder, {"--skin", kSource + "/data/defaultSkin.xml", "--callback", "changeSkin",
                      "--werror", kSource + "/data/testDialogue.xml"});
    EXPECT_EQ(demo.status, 0);
    EXPECT_EQ(demo.out, "0 warnings, 0 errors\n");
    const LintRun example =
        lint(folder, {"--skin", kSource + "/examples/embed/data/embedSkin.xml", "--callback",
                      "spin", "--callback", "colour", "--callback", "reload", "--werror",
                      kSource + "/examples/embed/data/embedDialogue.xml"});
    EXPECT_EQ(example.status, 0);
    EXPECT_EQ(example.out, "0 warnings, 0 errors\n");
    // The author's screens and the layout gallery, their texts measured with the demo's font
    // in the rooms their layouts give them.
    const LintRun screens =
        lint(folder, {"--skin", kSource + "/data/defaultSkin.xml", "--font",
                      TRELLIS_RUN_DIR "/verdana.glf", "--werror", kSource + "/data/hud.xml",
                      kSource + "/data/optionsScreen.xml", kSource + "/data/galleryLayout.xml"});
    EXPECT_EQ(screens.out, "0 warnings, 0 errors\n");
}

}  // namespace
