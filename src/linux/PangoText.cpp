#include "linux/PangoText.h"

#include "linux/Utf8Text.h"

#include <algorithm>

namespace nuv::gtk {
namespace {

// Families in order of preference; fontconfig falls back to any font after them.
constexpr const char kFaces[] = "NanumGothic, Nanum Gothic, Noto Sans CJK KR, UnDotum, sans-serif";
constexpr const char kFixedFaces[] =
    "NanumGothicCoding, Nanum Gothic Coding, Noto Sans Mono CJK KR, monospace";
// Enough for every character and line of a few balloons; past it the widths start over.
constexpr std::size_t kMaxKeptWidths = 4096;
// The lines of a balloon with their shadows, and the texts of a gauge.
constexpr std::size_t kKeptLayouts = 16;

}  // namespace

PangoText::PangoText() {
    context_ = pango_font_map_create_context(pango_cairo_font_map_get_default());
    // Whole pixels in the text's own colour, as the system draws its small screen fonts.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(context_, options);
    cairo_font_options_destroy(options);
}

PangoText::~PangoText() {
    for (auto& [key, font] : fonts_)
        pango_font_description_free(font);
    for (KeptLayout& kept : layouts_)
        g_object_unref(kept.layout);
    g_object_unref(context_);
}

const PangoFontDescription* PangoText::Font(const TextFont& font) {
    auto key = std::make_tuple(font.height, font.fixedPitch);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second;
    PangoFontDescription* description =
        pango_font_description_from_string(font.fixedPitch ? kFixedFaces : kFaces);
    int height = font.height > 0 ? font.height : 12;
    // The em size that makes ascent plus descent the height asked for.
    pango_font_description_set_absolute_size(description, height * PANGO_SCALE);
    PangoFontMetrics* metrics = pango_context_get_metrics(context_, description, nullptr);
    int cell = pango_font_metrics_get_ascent(metrics) + pango_font_metrics_get_descent(metrics);
    pango_font_metrics_unref(metrics);
    if (cell > 0) {
        pango_font_description_set_absolute_size(
            description, double(height) * height * PANGO_SCALE * PANGO_SCALE / cell);
    }
    fonts_.emplace(key, description);
    return description;
}

PangoLayout* PangoText::Layout(std::string_view text, const TextFont& font) {
    const FontKey key(font.height, font.fixedPitch, font.underline);
    KeptLayout* oldest = nullptr;
    for (KeptLayout& kept : layouts_) {
        if (kept.font == key && kept.text == text) {
            kept.lastUse = ++uses_;
            return kept.layout;
        }
        if (!oldest || kept.lastUse < oldest->lastUse) oldest = &kept;
    }
    // The oldest layout is laid out again for the new text rather than made anew.
    if (layouts_.size() < kKeptLayouts) {
        oldest = &layouts_.emplace_back();
        oldest->layout = pango_layout_new(context_);
    }
    oldest->font = key;
    oldest->text.assign(text);
    oldest->lastUse = ++uses_;
    SetUp(oldest->layout, text, font);
    return oldest->layout;
}

void PangoText::SetUp(PangoLayout* layout, std::string_view text, const TextFont& font) {
    pango_layout_set_font_description(layout, Font(font));
    std::string utf8 = Utf8(text);
    pango_layout_set_text(layout, utf8.data(), int(utf8.size()));
    PangoAttrList* attributes = nullptr;
    if (font.underline) {
        attributes = pango_attr_list_new();
        pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    }
    pango_layout_set_attributes(layout, attributes);
    if (attributes) pango_attr_list_unref(attributes);
}

int PangoText::TextWidth(std::string_view text, const TextFont& font) {
    if (text.empty()) return 0;
    Widths& widths = WidthsOf(font);
    auto it = widths.find(text);
    if (it != widths.end()) return it->second;
    int width = 0, height = 0;
    pango_layout_get_pixel_size(Layout(text, font), &width, &height);
    if (widthCount_ >= kMaxKeptWidths) {
        widths_.clear();
        widthCount_ = 0;
    }
    WidthsOf(font).emplace(std::string(text), width);
    ++widthCount_;
    return width;
}

PangoText::Widths& PangoText::WidthsOf(const TextFont& font) {
    return widths_[FontKey(font.height, font.fixedPitch, font.underline)];
}

void PangoText::Draw(cairo_t* cr, std::string_view text, const TextFont& font, int x, int y,
                     Pixel colour) {
    if (text.empty()) return;
    PangoLayout* layout = Layout(text, font);
    cairo_save(cr);
    cairo_set_source_rgb(cr, RedOf(colour) / 255.0, GreenOf(colour) / 255.0,
                         BlueOf(colour) / 255.0);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
}

Rect PangoText::Extent(std::string_view text, const TextFont& font, int x, int y) {
    if (text.empty()) return {};
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(Layout(text, font), &ink, &logical);
    // A pixel around both: hinting and the underline may reach just past them.
    const int left = std::min(ink.x, logical.x) - 1;
    const int top = std::min(ink.y, logical.y) - 1;
    const int right = std::max(ink.x + ink.width, logical.x + logical.width) + 1;
    const int bottom = std::max(ink.y + ink.height, logical.y + logical.height) + 1;
    return {x + left, y + top, x + right, y + bottom};
}

}  // namespace nuv::gtk
