#pragma once
// Text in the program's font with Pango: a Korean-capable face (NanumGothic when it is there,
// any font otherwise) sized so that a line is as tall as the font's height, as the system's
// fonts are sized on Windows. Measures for the core and draws balloon and gauge texts.

#include <gtk/gtk.h>
#include <pango/pangocairo.h>

#include <map>
#include <string>
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
    // Draws `text` (code page 949) with its top-left corner at (x, y).
    void Draw(cairo_t* cr, std::string_view text, const TextFont& font, int x, int y, Pixel colour);
    // The pixels Draw may touch for the same text at (x, y).
    Rect Extent(std::string_view text, const TextFont& font, int x, int y);

  private:
    using FontKey = std::tuple<int, bool, bool>;  // height, fixed pitch, underline
    using Widths = std::map<std::string, int, std::less<>>;

    // A laid-out text: the same text drawn again (a balloon's shadow and its text, its lines
    // at every step) is not shaped again.
    struct KeptLayout {
        FontKey font;
        std::string text;
        PangoLayout* layout = nullptr;
        unsigned lastUse = 0;
    };

    PangoLayout* Layout(std::string_view text, const TextFont& font);
    // Gives `layout` the text and font (its earlier ones dropped).
    void SetUp(PangoLayout* layout, std::string_view text, const TextFont& font);
    const PangoFontDescription* Font(const TextFont& font);
    Widths& WidthsOf(const TextFont& font);

    PangoContext* context_ = nullptr;
    std::vector<KeptLayout> layouts_;
    unsigned uses_ = 0;
    std::map<std::tuple<int, bool>, PangoFontDescription*> fonts_;
    // Widths measured before: a balloon measures each character it shows at every step.
    std::map<FontKey, Widths> widths_;
    std::size_t widthCount_ = 0;
};

}  // namespace nuv::gtk
