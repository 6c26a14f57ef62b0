#include "linux/PangoText.h"

#include "base/Cp949.h"
#include "linux/Utf8Text.h"

#include <algorithm>

namespace nuv::gtk {
namespace {

// Families in order of preference; fontconfig falls back to any font after them.
constexpr const char kFaces[] = "NanumGothic, Nanum Gothic, Noto Sans CJK KR, UnDotum, sans-serif";
constexpr const char kFixedFaces[] =
    "NanumGothicCoding, Nanum Gothic Coding, Noto Sans Mono CJK KR, monospace";
// Enough for the characters of several balloons and gauges; past it they start over.
constexpr std::size_t kMaxKeptGlyphs = 512;

// What a surface of the screen adds to a font's options when text is drawn on it (cairo merges
// them): measured with the same options, a character is drawn in the font it was measured in,
// and its glyph is loaded once, not once for each of two fonts.
cairo_font_options_t* ScreenFontOptions() {
    cairo_font_options_t* options = cairo_font_options_create();
    GdkScreen* screen = gdk_screen_get_default();
    if (!screen) return options;
    cairo_surface_t* surface = gdk_window_create_similar_surface(gdk_screen_get_root_window(screen),
                                                                 CAIRO_CONTENT_COLOR, 1, 1);
    cairo_surface_get_font_options(surface, options);
    cairo_surface_destroy(surface);
    return options;
}

}  // namespace

PangoText::PangoText() {
    context_ = pango_font_map_create_context(pango_cairo_font_map_get_default());
    // Whole pixels in the text's own colour, as the system draws its small screen fonts.
    cairo_font_options_t* own = cairo_font_options_create();
    cairo_font_options_set_antialias(own, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(own, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(own, CAIRO_HINT_METRICS_ON);
    cairo_font_options_t* options = ScreenFontOptions();
    cairo_font_options_merge(options, own);
    pango_cairo_context_set_font_options(context_, options);
    cairo_font_options_destroy(options);
    cairo_font_options_destroy(own);
}

PangoText::~PangoText() {
    ReleaseGlyphs();
    for (auto& [key, font] : fonts_)
        pango_font_description_free(font);
    g_object_unref(context_);
}

void PangoText::ReleaseGlyphs() {
    undrawn_.clear();
    for (auto& [key, glyph] : glyphs_) {
        if (glyph.layout) g_object_unref(glyph.layout);
        if (glyph.pangoFont) g_object_unref(glyph.pangoFont);
    }
    glyphs_.clear();
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

PangoLayout* PangoText::NewLayout(std::string_view character, const TextFont& font) {
    PangoLayout* layout = pango_layout_new(context_);
    pango_layout_set_font_description(layout, Font(font));
    std::string utf8 = Utf8(character);
    pango_layout_set_text(layout, utf8.data(), int(utf8.size()));
    if (font.underline) {
        PangoAttrList* attributes = pango_attr_list_new();
        pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
        pango_layout_set_attributes(layout, attributes);
        pango_attr_list_unref(attributes);
    }
    return layout;
}

const PangoText::Glyph& PangoText::GlyphAt(std::string_view text, std::size_t pos,
                                           std::size_t length, const TextFont& font) {
    auto code = std::uint16_t(static_cast<unsigned char>(text[pos]));
    if (length == 2) code = std::uint16_t(code << 8 | static_cast<unsigned char>(text[pos + 1]));
    const GlyphKey key{FontKey(font.height, font.fixedPitch, font.underline), code};
    auto it = glyphs_.find(key);
    if (it != glyphs_.end()) return it->second;
    if (glyphs_.size() >= kMaxKeptGlyphs) ReleaseGlyphs();
    Glyph glyph;
    glyph.layout = NewLayout(text.substr(pos, length), font);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(glyph.layout, &ink, &logical);
    glyph.width = logical.width;
    // A pixel around both: hinting and the underline may reach just past them.
    glyph.extent = {std::min(ink.x, logical.x) - 1, std::min(ink.y, logical.y) - 1,
                    std::max(ink.x + ink.width, logical.x + logical.width) + 1,
                    std::max(ink.y + ink.height, logical.y + logical.height) + 1};
    TakeGlyphs(&glyph, font.underline);
    const Glyph& kept = glyphs_.emplace(key, std::move(glyph)).first->second;
    if (kept.font) undrawn_.push_back(&kept);
    return kept;
}

// A character laid out in one run of one font, without underline or boxes for missing glyphs,
// is drawn from its glyphs at the places the layout gives them; any other through the layout.
void PangoText::TakeGlyphs(Glyph* glyph, bool underline) {
    PangoLayoutLine* line = pango_layout_get_line_readonly(glyph->layout, 0);
    if (underline || !line || !line->runs || line->runs->next) return;
    const auto* run = static_cast<const PangoGlyphItem*>(line->runs->data);
    const double baseline = double(pango_layout_get_baseline(glyph->layout)) / PANGO_SCALE;
    int x = 0;
    for (int i = 0; i < run->glyphs->num_glyphs; ++i) {
        const PangoGlyphInfo& info = run->glyphs->glyphs[i];
        if (info.glyph & PANGO_GLYPH_UNKNOWN_FLAG) {
            glyph->glyphs.clear();
            return;
        }
        if (info.glyph != PANGO_GLYPH_EMPTY) {
            glyph->glyphs.push_back({info.glyph, double(x + info.geometry.x_offset) / PANGO_SCALE,
                                     baseline + double(info.geometry.y_offset) / PANGO_SCALE});
        }
        x += info.geometry.width;
    }
    glyph->font = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(run->item->analysis.font));
    if (!glyph->font) {
        glyph->glyphs.clear();
        return;
    }
    glyph->pangoFont = PANGO_FONT(g_object_ref(run->item->analysis.font));
    g_object_unref(glyph->layout);  // a kept layout holds a kilobyte or two
    glyph->layout = nullptr;
}

int PangoText::TextWidth(std::string_view text, const TextFont& font) {
    int width = 0;
    for (std::size_t pos = 0, length; pos < text.size(); pos += length) {
        length = cp949::CharLength(text, pos);
        width += GlyphAt(text, pos, length, font).width;
    }
    return width;
}

void PangoText::Draw(cairo_t* cr, std::string_view text, const TextFont& font, int x, int y,
                     Pixel colour, const Rect* within) {
    if (text.empty()) return;
    if (!undrawn_.empty()) RenderAhead(cairo_get_target(cr));
    cairo_save(cr);
    cairo_set_source_rgb(cr, RedOf(colour) / 255.0, GreenOf(colour) / 255.0,
                         BlueOf(colour) / 255.0);
    // Neighbouring characters of one font go out in one call.
    std::vector<cairo_glyph_t> run;
    cairo_scaled_font_t* runFont = nullptr;
    for (std::size_t pos = 0, length; pos < text.size(); pos += length) {
        length = cp949::CharLength(text, pos);
        const Glyph& glyph = GlyphAt(text, pos, length, font);
        if (!within || glyph.extent.Moved(x, y).Overlaps(*within)) {
            if (glyph.font != runFont) Show(cr, runFont, &run);
            runFont = glyph.font;
            if (glyph.font) {
                for (cairo_glyph_t g : glyph.glyphs)
                    run.push_back({g.index, g.x + x, g.y + y});
            } else {
                cairo_move_to(cr, x, y);
                pango_cairo_show_layout(cr, glyph.layout);
            }
        }
        x += glyph.width;
    }
    Show(cr, runFont, &run);
    cairo_restore(cr);
}

// The glyphs measured since the last drawing are drawn together into a scratch surface like
// `target`, each inside it: rendered by cairo and, on X, sent to the server in one go, while the
// caches are warm, instead of one by one at later drawings (a balloon measures what it will
// type at its first step, and types a character every step).
void PangoText::RenderAhead(cairo_surface_t* target) {
    int width = 1, height = 1;
    for (const Glyph* glyph : undrawn_) {
        width = std::max(width, glyph->extent.Width());
        height = std::max(height, glyph->extent.Height());
    }
    cairo_surface_t* scratch =
        cairo_surface_create_similar(target, CAIRO_CONTENT_COLOR, width, height);
    cairo_t* cr = cairo_create(scratch);
    std::vector<cairo_glyph_t> run;
    cairo_scaled_font_t* runFont = nullptr;
    for (const Glyph* glyph : undrawn_) {
        if (glyph->font != runFont) Show(cr, runFont, &run);
        runFont = glyph->font;
        for (cairo_glyph_t g : glyph->glyphs)
            run.push_back({g.index, g.x - glyph->extent.left, g.y - glyph->extent.top});
    }
    Show(cr, runFont, &run);
    cairo_destroy(cr);
    cairo_surface_destroy(scratch);
    undrawn_.clear();
}

void PangoText::Show(cairo_t* cr, cairo_scaled_font_t* font, std::vector<cairo_glyph_t>* run) {
    if (!font || run->empty()) return;
    cairo_set_scaled_font(cr, font);
    cairo_show_glyphs(cr, run->data(), int(run->size()));
    run->clear();
}

Rect PangoText::Extent(std::string_view text, const TextFont& font, int x, int y) {
    Rect extent;
    for (std::size_t pos = 0, length; pos < text.size(); pos += length) {
        length = cp949::CharLength(text, pos);
        const Glyph& glyph = GlyphAt(text, pos, length, font);
        extent = Bounds(extent, glyph.extent.Moved(x, y));
        x += glyph.width;
    }
    return extent;
}

}  // namespace nuv::gtk
