#pragma once
// Text in the program's font with Pango: a Korean-capable face (NanumGothic when it is there,
// any font otherwise) sized so that a line is as tall as the font's height, as the system's
// fonts are sized on Windows. Measures for the core and draws balloon and gauge texts.
//
// A text is laid out character by character, each at the sum of the widths before it, as the
// system draws a line (no kerning between characters): a width is the sum of its characters'
// widths, the core's placing of characters and links agrees with what is drawn, and a line
// that grows by a character is neither shaped nor drawn again but for that character.

#include <gtk/gtk.h>
#include <pango/pangocairo.h>

#include <cstdint>
#include <map>
#include <string_view>
#include <tuple>
#include <vector>

#include "formats/Image.h"
#include "ports/TextMetrics.h"

namespace nuv::gtk {

class PangoText : public ITextMetrics {
  public:
    PangoText();
    ~PangoText() override;
    PangoText(const PangoText&) = delete;
    PangoText& operator=(const PangoText&) = delete;

    int TextWidth(std::string_view text, const TextFont& font) override;
    // Draws `text` (code page 949) with its top-left corner at (x, y); with `within`, only the
    // characters that may touch it.
    void Draw(cairo_t* cr, std::string_view text, const TextFont& font, int x, int y, Pixel colour,
              const Rect* within = nullptr);
    // The pixels Draw may touch for the same text at (x, y).
    Rect Extent(std::string_view text, const TextFont& font, int x, int y);

  private:
    // One character in one font: drawn straight from its glyphs in `font` when it has them
    // (its layout is then let go), else through its layout.
    struct Glyph {
        PangoLayout* layout = nullptr;
        int width = 0;
        Rect extent;                          // the pixels it may touch, from its top-left corner
        PangoFont* pangoFont = nullptr;       // held for `font`
        cairo_scaled_font_t* font = nullptr;  // pangoFont's
        std::vector<cairo_glyph_t> glyphs;    // from its top-left corner
    };
    using FontKey = std::tuple<int, bool, bool>;          // height, fixed pitch, underline
    using GlyphKey = std::tuple<FontKey, std::uint16_t>;  // the font, the character's bytes

    const Glyph& GlyphAt(std::string_view text, std::size_t pos, std::size_t length,
                         const TextFont& font);
    PangoLayout* NewLayout(std::string_view character, const TextFont& font);
    static void TakeGlyphs(Glyph* glyph, bool underline);
    // Draws the glyphs gathered in `run` (all of one font) and empties it.
    static void Show(cairo_t* cr, cairo_scaled_font_t* font, std::vector<cairo_glyph_t>* run);
    void RenderAhead(cairo_surface_t* target);
    const PangoFontDescription* Font(const TextFont& font);
    void ReleaseGlyphs();

    PangoContext* context_ = nullptr;
    std::map<std::tuple<int, bool>, PangoFontDescription*> fonts_;
    std::map<GlyphKey, Glyph> glyphs_;
    std::vector<const Glyph*> undrawn_;  // measured, drawn from glyphs, not drawn yet
};

}  // namespace nuv::gtk
