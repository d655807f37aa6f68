// The text scene's fonts, texts, geometry and trellis tree.
#include "TextScene.h"

#include "BenchSupport.h"

#include "trellis/gui/Label.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/Window.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/style/SkinStore.h"

#include <cstdint>

namespace trellis {

namespace {

constexpr int kPerRow = 6;
constexpr float kPitchX = 22, kPitchY = 2.3f, kMargin = 0.5f;

// Words with the pairs kerning moves (AV, Ty, Wa, Yo, LT, ...), lower and upper case.
const char* const kWords[] = {"AVATAR", "Type",   "Value", "Wave",  "quick",   "brown",
                              "fox",    "jumps",  "over",  "lazy",  "dog",     "Tab",
                              "office", "flight", "Yoke",  "Tower", "LT",      "river",
                              "Java",   "kern",   "Pay",   "Volt",  "gravity", "Fjord"};

// Kana and common kanji, three bytes each in UTF-8.
const char* const kJapanese = "日本語の文字を表示する設定画面開閉保存読込終了選択項目一覧検索結果"
                              "番号名前時間今日明月年週分秒あいうえおかきくけこさしすせそたちつて"
                              "となにぬねのアイウエオカキクケコサシスセソタチツテト";
constexpr size_t kJapaneseBytes = 3;

// A well-mixed number for label i in frame frame, step by step.
struct Mixer {
    uint64_t state;
    uint32_t next() {
        state ^= state >> 33;
        state *= 0xff51afd7ed558ccdull;
        state ^= state >> 29;
        state += 0x9E3779B97F4A7C15ull;
        return uint32_t(state >> 32);
    }
};

}  // namespace

const char* textSceneFont(TextScript script) {
    return script == TextScript::Latin ? "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
                                       : "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";
}

int textSceneLength(TextScript script) {
    return script == TextScript::Latin ? 20 : 10;
}

std::string textSceneCharacters(TextScript script) {
    if (script == TextScript::Japanese)
        return kJapanese;
    std::string all = " ";
    for (const char* word : kWords)
        all += word;
    return all;
}

void textSceneText(TextScript script, int i, int frame, std::string& out) {
    Mixer mix{uint64_t(uint32_t(i)) << 32 | uint32_t(frame)};
    mix.next();
    out.clear();
    const size_t length = size_t(textSceneLength(script));
    if (script == TextScript::Japanese) {
        const size_t characters = std::char_traits<char>::length(kJapanese) / kJapaneseBytes;
        for (size_t c = 0; c < length; ++c)
            out.append(kJapanese + mix.next() % characters * kJapaneseBytes, kJapaneseBytes);
        return;
    }
    while (out.size() < length) {
        if (!out.empty())
            out += ' ';
        out += kWords[mix.next() % (sizeof kWords / sizeof kWords[0])];
    }
    out.resize(length);
}

void textLabelPlace(int i, float& x, float& y) {
    x = kMargin + kPitchX * float(i % kPerRow);
    y = kMargin + kPitchY * float(i / kPerRow);
}

GuiElement* buildTextTree(TextScript script, int count, std::vector<Label*>& labels) {
    skinStore.clear();
    loadSkin("default", (runFolder() + "/defaultSkin.xml").c_str());
    GuiElement* root = newDetachedRoot();
    auto* window = new Window("", root, nullptr);
    window->setRect(0, 0, float(screenWidthUnits()), 100);
    labels.clear();
    std::string text;
    for (int i = 0; i < count; ++i) {
        float x = 0, y = 0;
        textLabelPlace(i, x, y);
        textSceneText(script, i, 0, text);
        auto* label = new Label("", window, text.c_str(), x, y, kTextLabelWidth, kTextLabelHeight);
        label->fontSize = snapToPixel(kTextFontUnits);
        labels.push_back(label);
    }
    return root;
}

}  // namespace trellis
