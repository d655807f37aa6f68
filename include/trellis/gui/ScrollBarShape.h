// ScrollBarShape: where a vertical scroll bar's thumb lies on its track, and how the bar is
// described to a recorder, for every element that scrolls its content.
#pragma once

#include "trellis/gui/DrawRecorder.h"
#include "trellis/style/SkinStore.h"

namespace trellis {

// The thumb's length on a track as long as the view, for content that long; never shorter
// than minimum nor longer than the track.
float scrollThumbLength(float view, float content, float minimum);

// The thumb's top on a track view long, scrolled by offset out of range.
float scrollThumbTop(float view, float thumbLength, float offset, float range);

// A bar from left to right over top..top+height: its track, and its thumb (thumbTop below top)
// inset by a pixel.
void recordScrollBar(DrawRecorder& out, float left, float right, float height, float thumbTop,
                     float thumbLength, const Color& barColor, const Color& thumbColor,
                     float top = 0);

// Takes "barWidth" from the sections into barWidth, snapped; a bar too thin to see or grab, or
// a value that is no number, keeps the width it had.
void applySkinBarWidth(const SkinSections& sections, float& barWidth);

}  // namespace trellis
