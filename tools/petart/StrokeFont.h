#pragma once
// A few letters drawn as thick strokes: the titles of the pictures. Glyphs sit in a box
// 10 units high; texts are UTF-8.

#include <string>

#include "petart/Canvas.h"

namespace nuv::art {

struct TextStyle {
    double height = 20;   // pixels for the 10 units of a glyph
    double weight = 1.6;  // stroke radius in pixels
    Pixel fill = 0;
    Pixel outline = 0;
    bool outlined = true;   // a one-pixel outline around the strokes
    double spacing = 0.25;  // extra gap between glyphs, in glyph heights
};

// Draws `text` with its top-left corner at `origin`; returns the width drawn in pixels.
// Characters without a glyph are skipped.
double DrawStrokeText(CCanvas& canvas, Vec origin, const std::string& text, const TextStyle& style);
double StrokeTextWidth(const std::string& text, const TextStyle& style);

}  // namespace nuv::art
