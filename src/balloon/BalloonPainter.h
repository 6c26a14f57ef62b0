#pragma once
// The text of a balloon as text runs and link areas.

#include "balloon/BalloonLayout.h"
#include "ports/BalloonDrawing.h"

namespace nuv {

// Appends the runs and link areas of `layout`'s lines to `drawing`. Message balloons draw each
// line whole in yellow, centred on five lines; link and typing balloons draw a grey shadow one
// pixel down and right under black text, blue underlined text inside links. Everything is
// laid out at the layout's zoom.
void PaintBalloonText(const CBalloonLayout& layout, ITextMetrics& metrics, BalloonDrawing* drawing);

// The top of line `index` of `count` lines in a message balloon.
int MessageLineTop(int index, int count);

}  // namespace nuv
