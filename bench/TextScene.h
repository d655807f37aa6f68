// TextScene: the scene of the text benchmark, which trellis and Dear ImGui draw side by side: a
// window over the viewport and N labels, 6 to a row, each showing 20 Latin characters in
// DejaVu Sans or 10 Japanese characters in Noto Sans CJK, still or changed every frame.
#pragma once

#include <string>
#include <vector>

namespace trellis {

class GuiElement;
class Label;

// Which texts the labels show, and with which font file.
enum class TextScript { Latin, Japanese };

constexpr float kTextLabelWidth = 21, kTextLabelHeight = 2.1f;  // screen units
constexpr float kTextFontUnits = 2.1f;  // the labels' font size before it is snapped to pixels

// The font file a script's labels are drawn with (face 0 of it).
const char* textSceneFont(TextScript script);

// Characters per label: 20 Latin, 10 Japanese.
int textSceneLength(TextScript script);

// Every character a script's labels may show, as UTF-8.
std::string textSceneCharacters(TextScript script);

// Writes into out the text of label i in frame number frame: words of Latin letters with their
// spaces, or Japanese kana and kanji, different from label to label and from frame to frame.
// Frame 0 is the still scene's.
void textSceneText(TextScript script, int i, int frame, std::string& out);

// The top-left corner of label i, in screen units.
void textLabelPlace(int i, float& x, float& y);

// The scene as a trellis tree under a new detached root, with the demo's default skin; its
// labels, in order, into labels.
GuiElement* buildTextTree(TextScript script, int count, std::vector<Label*>& labels);

}  // namespace trellis
