#include "petart/StrokeFont.h"

#include <cmath>
#include <map>
#include <vector>

namespace nuv::art {
namespace {

struct Circle {
    Vec centre;
    double radius;
};

struct Glyph {
    double width;
    std::vector<std::vector<Vec>> lines;  // polylines
    std::vector<Circle> circles;          // rings
    std::vector<Vec> dots;                // filled dots
};

// Hangul jamo shared by several syllables.
const std::vector<Vec> kVowelO1{{5, 6}, {5, 8.5}};
const std::vector<Vec> kVowelO2{{0.5, 8.6}, {9.5, 8.6}};

const std::map<std::string, Glyph>& Glyphs() {
    static const std::map<std::string, Glyph> glyphs = {
        {"N", {9, {{{1, 10}, {1, 0}, {8, 10}, {8, 0}}}, {}, {}}},
        {"u",
         {7.5,
          {{{1, 4}, {1, 8.5}, {2.2, 10}, {5, 10}, {6.5, 8.5}}, {{6.5, 4}, {6.5, 10}}},
          {},
          {}}},
        {"v", {7.5, {{{0.8, 4}, {3.75, 10}, {6.7, 4}}}, {}, {}}},
        {"P", {8, {{{1, 10}, {1, 0}, {5.5, 0}, {7, 1.5}, {7, 3.5}, {5.5, 5}, {1, 5}}}, {}, {}}},
        {"E", {7.5, {{{7, 0}, {1, 0}, {1, 10}, {7, 10}}, {{1, 5}, {6, 5}}}, {}, {}}},
        {"T", {8, {{{0, 0}, {8, 0}}, {{4, 0}, {4, 10}}}, {}, {}}},
        {"!", {2, {{{1, 0}, {1, 6.5}}}, {}, {{1, 9.3}}}},
        {" ", {4, {}, {}, {}}},
        {u8"토",
         {10,
          {{{8, 0.5}, {2, 0.5}, {2, 5.2}, {8, 5.2}}, {{2, 2.85}, {7.5, 2.85}}, kVowelO1, kVowelO2},
          {},
          {}}},
        {u8"보",
         {10,
          {{{2, 0.3}, {2, 5.4}, {8, 5.4}, {8, 0.3}}, {{2, 2.8}, {8, 2.8}}, kVowelO1, kVowelO2},
          {},
          {}}},
        {u8"리",
         {10,
          {{{0.5, 1}, {5.5, 1}, {5.5, 4.7}, {0.5, 4.7}, {0.5, 8.8}, {5.8, 8.8}},
           {{8.7, 0}, {8.7, 10}}},
          {},
          {}}},
        {u8"또",
         {10,
          {{{4, 0.5}, {0.8, 0.5}, {0.8, 5.2}, {4, 5.2}},
           {{9.2, 0.5}, {5.6, 0.5}, {5.6, 5.2}, {9.2, 5.2}},
           kVowelO1,
           kVowelO2},
          {},
          {}}},
        {u8"만",
         {10,
          {{{1, 0.5}, {5.5, 0.5}, {5.5, 5}, {1, 5}, {1, 0.5}},
           {{7.8, 0}, {7.8, 6.3}},
           {{7.8, 3}, {9.8, 3}},
           {{1.5, 6.8}, {1.5, 9.5}, {8.8, 9.5}}},
          {},
          {}}},
        {u8"나",
         {10, {{{1, 1}, {1, 8.6}, {6, 8.6}}, {{8, 0}, {8, 10}}, {{8, 4.6}, {10, 4.6}}}, {}, {}}},
        {u8"요",
         {10,
          {{{3.5, 6.3}, {3.5, 8.4}}, {{6.5, 6.3}, {6.5, 8.4}}, {{0.5, 8.7}, {9.5, 8.7}}},
          {{{5, 3}, 2.5}},
          {}}},
        {u8"안",
         {10,
          {{{7.8, 0}, {7.8, 6.2}}, {{7.8, 3}, {9.8, 3}}, {{1.5, 6.8}, {1.5, 9.5}, {8.8, 9.5}}},
          {{{3.4, 2.8}, 2.3}},
          {}}},
        {u8"녕",
         {10,
          {{{0.7, 0.5}, {0.7, 4.8}, {5, 4.8}},
           {{8.7, 0}, {8.7, 6}},
           {{6.2, 1.8}, {8.7, 1.8}},
           {{6.2, 3.9}, {8.7, 3.9}}},
          {{{4.6, 8}, 1.8}},
          {}}},
    };
    return glyphs;
}

// The UTF-8 characters of a text.
std::vector<std::string> Characters(const std::string& text) {
    std::vector<std::string> out;
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        size_t n = c < 0x80 ? 1 : (c < 0xE0 ? 2 : (c < 0xF0 ? 3 : 4));
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

CMask GlyphMask(const CCanvas& canvas, const Glyph& g, Vec origin, double scale, double r) {
    CMask m = canvas.EmptyMask();
    auto at = [&](Vec p) { return origin + p * scale; };
    for (const auto& line : g.lines) {
        for (size_t i = 0; i + 1 < line.size(); ++i)
            m.FillCapsule(at(line[i]), at(line[i + 1]), r, r);
        if (line.size() == 1) m.FillCapsule(at(line[0]), at(line[0]), r, r);
    }
    for (const Circle& c : g.circles) {
        const int steps = 24;
        for (int i = 0; i < steps; ++i) {
            double a0 = 2 * kPi * i / steps, a1 = 2 * kPi * (i + 1) / steps;
            Vec p0 = c.centre + Vec{std::cos(a0), std::sin(a0)} * c.radius;
            Vec p1 = c.centre + Vec{std::cos(a1), std::sin(a1)} * c.radius;
            m.FillCapsule(at(p0), at(p1), r, r);
        }
    }
    for (Vec d : g.dots)
        m.FillEllipse(at(d), r * 1.25, r * 1.25);
    return m;
}

}  // namespace

double StrokeTextWidth(const std::string& text, const TextStyle& style) {
    double scale = style.height / 10, width = 0;
    for (const std::string& ch : Characters(text)) {
        auto it = Glyphs().find(ch);
        if (it != Glyphs().end()) width += (it->second.width + style.spacing * 10) * scale;
    }
    return width;
}

double DrawStrokeText(CCanvas& canvas, Vec origin, const std::string& text,
                      const TextStyle& style) {
    double scale = style.height / 10;
    CMask all = canvas.EmptyMask();
    Vec pen = origin;
    for (const std::string& ch : Characters(text)) {
        auto it = Glyphs().find(ch);
        if (it == Glyphs().end()) continue;
        all.Unite(GlyphMask(canvas, it->second, pen, scale, style.weight));
        pen.x += (it->second.width + style.spacing * 10) * scale;
    }
    if (style.outlined) canvas.Paint(all.Dilated(true), style.outline);
    canvas.Paint(all, style.fill);
    return pen.x - origin.x;
}

}  // namespace nuv::art
