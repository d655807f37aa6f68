// TrueType text with real Debian fonts: shaping against HarfBuzz itself, direction, fallback
// through the chain, what a person reads off the screen (tesseract), damaged font files, and
// the glyph atlas past its limit.
#include "trellis/font/FontChain.h"
#include "files/PngFile.h"
#include "font/GlyphAtlas.h"
#include "gui/widgets/TextFitting.h"
#include "support/GlTest.h"
#include "support/MatchedBox.h"
#include "support/TempFolder.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/font/NamedFonts.h"
#include "trellis/font/TextureFont.h"
#include "trellis/font/Utf8Decode.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/Label.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/TextField.h"
#include "trellis/render/Renderer.h"
#include "trellis/shell/Host.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/style/SkinStore.h"

#include <GL/gl.h>
#include <cstdlib>
#include <filesystem>
#include <fribidi.h>
#include <fstream>
#include <hb.h>
#include <sstream>

using namespace trellis;

namespace {

const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string kCjk = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";
const std::string kDevanagari = "/usr/share/fonts/truetype/noto/NotoSansDevanagari-Regular.ttf";

// A chain of the faces at paths, in order.
FontChain chainOf(std::initializer_list<std::string> paths) {
    FontChain chain;
    for (const std::string& path : paths)
        chain.add(FontFace::load(path.c_str()));
    return chain;
}

// Glyph, pen position and cluster of each glyph, as one comparable line of text.
std::string describe(unsigned glyph, float x, float y, size_t cluster) {
    std::ostringstream out;
    out << glyph << '@' << x << ',' << y << '#' << cluster << ' ';
    return out.str();
}

}  // namespace

// Each script's text comes out glyph for glyph where HarfBuzz's own shaping of it with the same
// face and size puts it: ligatures, marks, joining, clusters, right to left.
TEST(FontChain, ShapesAsHarfBuzzDoes) {
    const struct {
        const char* script;
        std::string font;
        const char* text;
    } cases[] = {
        {"Latin", kDejaVu, "Größe, Ñandú, ﬁx e\xCC\x81\xCC\xA3 AV"},
        {"Greek", kDejaVu, "Καλημέρα κόσμε"},
        {"Cyrillic", kDejaVu, "Съешь же ещё"},
        {"Chinese", kCjk, "汉字简体中文"},
        {"Japanese", kCjk, "日本語のテキスト"},
        {"Arabic", kDejaVu, "مرحبا بالعالم"},
        {"Hebrew", kDejaVu, "שָׁלוֹם עוֹלָם"},
        {"Devanagari", kDevanagari, "नमस्ते क्षत्रिय"},
    };
    for (const auto& c : cases) {
        const FontChain chain = chainOf({c.font});
        ASSERT_EQ(chain.size(), 1u) << c.font;
        const int em = chain.pixelsPerEm(40);
        const std::vector<TextLine> lines = chain.layout(c.text, 40, 80);
        ASSERT_EQ(lines.size(), 1u);
        std::string ours;
        for (const PlacedGlyph& g : lines[0].glyphs)
            ours += describe(g.glyph, g.x, g.y, g.cluster);

        hb_font_t* font = hb_font_create(static_cast<hb_face_t*>(chain.face(0).shapingFace()));
        hb_font_set_scale(font, em * 64, em * 64);
        hb_buffer_t* buffer = hb_buffer_create();
        hb_buffer_add_utf8(buffer, c.text, -1, 0, -1);
        hb_buffer_guess_segment_properties(buffer);
        hb_shape(font, buffer, nullptr, 0);
        unsigned count = 0;
        const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
        const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, nullptr);
        std::string theirs;
        float pen = 0;
        for (unsigned i = 0; i < count; ++i) {
            theirs += describe(info[i].codepoint, pen + pos[i].x_offset / 64.0f,
                               -pos[i].y_offset / 64.0f, info[i].cluster);
            pen += pos[i].x_advance / 64.0f;
        }
        hb_buffer_destroy(buffer);
        hb_font_destroy(font);
        EXPECT_EQ(ours, theirs) << c.script;
        EXPECT_FLOAT_EQ(lines[0].width, pen) << c.script;
        EXPECT_TRUE(chain.missingCharacters(c.text).empty()) << c.script;
    }
}

// Mixed directions come out in the visual order FriBidi gives the same paragraph, and each
// character is drawn by the first face that has it, or as the first face's missing-glyph box.
TEST(FontChain, OrdersDirectionsAndFallsBack) {
    const struct {
        const char* text;
        const char* faces;    // of each glyph, in visual order
        const char* missing;  // code points no face has
    } cases[] = {
        {"abc אבג 123", "00000000000", ""},     {"مرحبا world!", "000000000000", ""},
        {"(שלום) [a] ok", "0000000000000", ""}, {"Aé日本ب", "00110", ""},
        {"x\xE0\xB4\x85y", "000", "d05 "},
    };
    const FontChain chain = chainOf({kDejaVu, kCjk});
    for (const auto& c : cases) {
        const std::vector<TextLine> lines = chain.layout(c.text, 30, 60);
        ASSERT_EQ(lines.size(), 1u);
        std::string faces, missing;
        std::vector<size_t> clusters;
        for (const PlacedGlyph& g : lines[0].glyphs) {
            faces += char('0' + g.face);
            clusters.push_back(g.cluster);
        }
        std::ostringstream hex;
        for (unsigned code : chain.missingCharacters(c.text))
            hex << std::hex << code << ' ';
        EXPECT_EQ(faces, c.faces) << c.text;
        EXPECT_EQ(hex.str(), c.missing) << c.text;

        // FriBidi's own visual order, character by character, as byte offsets.
        std::vector<FriBidiChar> codes;
        std::vector<size_t> bytes;
        for (size_t at = 0; c.text[at];) {
            bytes.push_back(at);
            codes.push_back(nextCharacter(c.text, at));
        }
        std::vector<FriBidiStrIndex> toLogical(codes.size());
        FriBidiParType direction = FRIBIDI_PAR_ON;
        std::vector<FriBidiChar> visual(codes.size());
        ASSERT_TRUE(fribidi_log2vis(codes.data(), FriBidiStrIndex(codes.size()), &direction,
                                    visual.data(), nullptr, toLogical.data(), nullptr));
        std::vector<size_t> expected;
        for (FriBidiStrIndex logical : toLogical)
            expected.push_back(bytes[size_t(logical)]);
        EXPECT_EQ(clusters, expected) << c.text;
    }
}

namespace {

// Text in the TrueType chain, drawn as the interface draws it, in a hidden window.
class TrueTypeText : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(loadFont(kDejaVu.c_str()));
        ASSERT_TRUE(addFallbackFont(kCjk.c_str()));
    }
    void TearDown() override {
        textFontChain().clear();
        glyphAtlas().setPageLimit(GlyphAtlas::kDefaultPageLimit);
        glyphAtlas().clear();
        GlTest::TearDown();
    }
    // The frame with text drawn white at (x, y) pixels, lines size pixels high.
    std::vector<unsigned char> drawn(const char* text, float x, float y, float size) {
        beginFrame();
        glColor3ub(255, 255, 255);
        drawText(text, px(x), px(y), px(size), false);
        endFrame();
        return frame();
    }
    // What tesseract reads in language in the rows top..top + height of frame, drawn black
    // on white as it reads best.
    std::string read(const std::vector<unsigned char>& frame, int top, int height,
                     const char* language) {
        PngImage image{kTestWindowWidth, height, {}};
        image.rgba.assign(frame.begin() + long(top) * kTestWindowWidth * 4,
                          frame.begin() + long(top + height) * kTestWindowWidth * 4);
        for (size_t i = 0; i < image.rgba.size(); ++i)
            image.rgba[i] = i % 4 == 3 ? 255 : 255 - image.rgba[i];
        const std::string picture = folder.path("line.png"), text = folder.path("line");
        EXPECT_TRUE(writePngFile(picture.c_str(), image));
        const std::string command =
            "tesseract " + picture + " " + text + " -l " + language + " --psm 7 >/dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        std::ifstream in(text + ".txt");
        std::string line;
        std::getline(in, line);
        return line;
    }
    TempFolder folder;
};

}  // namespace

// At 40 pixels a person (tesseract) reads German, Spanish and Japanese back exactly.
TEST_F(TrueTypeText, ReadsBackAsWritten) {
    const struct {
        const char* text;
        const char* language;
    } cases[] = {
        {"Größe der Übergänge", "deu"},
        {"El ñandú canta una canción", "spa"},
        {"日本語の文字を表示", "jpn"},
    };
    for (const auto& c : cases) {
        const auto frame = drawn(c.text, 20, 100, 40);
        const MatchedBox box = litBox(frame);
        EXPECT_TRUE(box.top >= 100 && box.bottom <= 140 && box.left >= 20) << box;
        EXPECT_EQ(read(frame, 90, 60, c.language), c.text);
    }
}

// Labels in several scripts draw the same pixels by every renderer, and a frame drawn again
// after the atlas emptied pages for other text still shows the right glyphs.
TEST_F(TrueTypeText, EveryRendererDrawsTheSame) {
    rootElement = new GuiRoot();
    const char* texts[] = {"Größe Ñandú",    "Καλημέρα Съешь", "日本語 → 中文",
                           "مرحبا שלום abc", "नमस्ते",           "x\xE0\xB4\x85y\tz"};
    for (int i = 0; i < 6; ++i) {
        auto* label = new Label("", rootElement, texts[i], 5, 5.0f + 8.0f * float(i), 60, 7);
        label->fontSize = snapToPixel(3.0f + float(i % 3));
        label->bgColor = Color{{30, 40, 90, 255}};
        label->fontColor = Color{{255, 230, static_cast<unsigned char>(40 * i), 255}};
    }
    const auto frameBy = [&](Renderer renderer) { return renderedBy(rootElement, renderer); };
    const auto reference = frameBy(Renderer::Immediate);
    EXPECT_GT(boxWhere(reference, [](Color c) { return c.red() > 200; }).count, 2000);
    EXPECT_TRUE(frameBy(Renderer::Batched) == reference);
    EXPECT_TRUE(frameBy(Renderer::Shader) == reference);
    // A one-page atlas that other text has filled again and again since the frame was drawn.
    glyphAtlas().setPageLimit(1);
    EXPECT_TRUE(frameBy(Renderer::Immediate) == reference);
    const uint64_t before = glyphAtlas().evictions();
    for (unsigned code = 0x4E00; code < 0x4E00 + 600; code += 30) {
        std::string many;
        for (unsigned c = code; c < code + 30; ++c)
            many += std::string{char(0xE4 + ((c >> 12) - 4)), char(0x80 | ((c >> 6) & 0x3F)),
                                char(0x80 | (c & 0x3F))};
        drawn(many.c_str(), 0, 0, 60);
    }
    EXPECT_GT(glyphAtlas().evictions(), before);
    EXPECT_EQ(glyphAtlas().pageCount(), 1);
    EXPECT_TRUE(frameBy(Renderer::Batched) == reference);
    EXPECT_TRUE(frameBy(Renderer::Immediate) == reference);
    setRenderer(Renderer::Automatic);
    delete rootElement;
    rootElement = nullptr;
    forgetRenderedFrame();
}

// A damaged or cut-short font file is refused with a diagnostic naming it, and text keeps
// drawing exactly as before with the faces it had; content, not the name, tells a font file.
TEST_F(TrueTypeText, RefusesDamagedFontFiles) {
    std::ifstream in(kDejaVu, std::ios::binary);
    const std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string scrambled = whole;
    for (size_t i = 12; i < 400; ++i)
        scrambled[i] = char(0xA5 ^ i);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"cut.ttf", whole.substr(0, 3000)},
        {"header.otf", std::string("OTTO") + std::string(40, '\0')},
        {"directory.ttf", scrambled},
        {"collection.ttc", "ttcf" + std::string(8, '\xFF')},
        {"empty.ttf", ""},
        {"text.ttf", "not a font at all, and not a texture font either"},
    };
    const auto before = drawn("Größe 日本", 20, 100, 40);
    for (const auto& c : cases) {
        DiagnosticCollector diagnostics;
        const std::string path = folder.write(c.name, c.bytes);
        EXPECT_FALSE(loadFont(path.c_str())) << c.name;
        EXPECT_FALSE(addFallbackFont(path.c_str())) << c.name;
        ASSERT_FALSE(diagnostics.diagnostics().empty()) << c.name;
        EXPECT_EQ(diagnostics.diagnostics()[0].file, path);
        EXPECT_EQ(diagnostics.count(Severity::Error), diagnostics.diagnostics().size());
        EXPECT_EQ(textFontChain().size(), 2u);
        EXPECT_TRUE(drawn("Größe 日本", 20, 100, 40) == before) << c.name;
    }
}

// Each character no face draws is reported once per element, text fields too, however often it
// is drawn and whatever text it comes back in; what the chain draws, a field takes and an
// ellipsis uses ("…").
TEST_F(TrueTypeText, ReportsUndrawableCharactersOncePerElement) {
    ASSERT_TRUE(loadFont(kDejaVu.c_str()));
    rootElement = new GuiRoot();
    auto* label = new Label("greeting", rootElement, "Größe 日本", 5, 5, 60, 7);
    new Label("other", rootElement, "本", 5, 15, 60, 7);
    (new TextField("field", rootElement, 5, 25, 60, 7))->setText("é本");
    DiagnosticCollector diagnostics;
    const auto frames = [&](const char* text, int count) {
        label->text = text;
        for (int i = 0; i < count; ++i) {
            beginFrame();
            rootElement->drawTree();
            renderTree(rootElement, false);
            endFrame();
        }
    };
    const struct {
        const char* text;
        std::vector<std::string> messages;  // the new warnings
    } steps[] = {
        {"Größe 日本",
         {"element \"greeting\": no font draws U+65E5, U+672C; shown as the "
          "missing-glyph box",
          "element \"other\": no font draws U+672C; shown as the missing-glyph box",
          "element \"field\": no font draws U+672C; shown as the missing-glyph box"}},
        {"本日 ok", {}},
        {"ب ✓ 漢 日",
         {"element \"greeting\": no font draws U+6F22; shown as the missing-glyph box"}},
    };
    for (const auto& step : steps) {
        diagnostics.clear();
        frames(step.text, 3);
        std::vector<std::string> messages;
        for (const Diagnostic& d : diagnostics.diagnostics())
            messages.push_back(d.message);
        EXPECT_EQ(messages, step.messages) << step.text;
    }
    EXPECT_TRUE(fontDrawsCharacter(0x2026));
    EXPECT_FALSE(fontDrawsCharacter(0x672C));
    EXPECT_STREQ(ellipsisText(), "\xe2\x80\xa6");
    delete rootElement;
    rootElement = nullptr;
    forgetRenderedFrame();
}

// A skin's named face draws the text of the elements that pick it, with the chain after it for
// the characters it lacks; the face named "default" goes first for every other element.
TEST_F(TrueTypeText, SkinFontsDrawTheElementsThatPickThem) {
    std::filesystem::copy_file("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                               folder.path("bold.ttf"));
    const std::string skin =
        folder.write("skin.xml", "<skin name='default'>\n  <font name='heading' file='bold.ttf'/>\n"
                                 "  <headingLabel font='heading'/>\n</skin>\n"
                                 "<skin name='bold'>\n  <font name='default' file='" +
                                     folder.path("bold.ttf") + "'/>\n</skin>\n");
    // The pixels of white text "Größe 日本" in a label of that name, alone on the screen.
    const auto ink = [this](const char* name) {
        rootElement = new GuiRoot();
        auto* label = new Label(name, rootElement, "Größe 日本", 5, 5, 120, 10);
        label->fontColor = Color{{255, 255, 255, 255}};
        label->fontSize = 8;
        const auto drawn = drawnTree(rootElement);
        delete rootElement;
        rootElement = nullptr;
        return boxWhere(drawn, [](Color c) { return c.red() > 128; }).count;
    };
    DiagnosticCollector diagnostics;
    const int plain = ink("plainLabel");
    ASSERT_TRUE(loadSkin("default", skin.c_str()));
    EXPECT_EQ(ink("plainLabel"), plain) << "only the elements that pick the face";
    const int heading = ink("headingLabel");
    EXPECT_GT(heading, plain + plain / 10) << "drawn bold";
    ASSERT_TRUE(loadSkin("bold", skin.c_str()));
    EXPECT_EQ(ink("plainLabel"), heading) << "the skin's default face";
    EXPECT_TRUE(diagnostics.diagnostics().empty()) << "the CJK face still draws 日本";
    forgetNamedFonts();
    skinStore.erase("headingLabel");
}
