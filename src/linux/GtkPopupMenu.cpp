#include "linux/GtkPopupMenu.h"

#include "app/PetMainDlg.h"
#include "linux/CairoPictures.h"
#include "linux/Utf8Text.h"

namespace nuv::gtk {
namespace {

constexpr TextFont kGaugeFont{12, true, false};
constexpr int kIconSize = 16;
constexpr char kCommandKey[] = "nuv-command";

// "&File" (the letter after & is the access key) as GTK writes it: "_File".
std::string Mnemonic(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            out += text[i + 1] == '&' ? "&" : "_";
            if (text[i + 1] == '&') ++i;
        } else if (text[i] == '_') {
            out += "__";
        } else if (text[i] == '\t') {
            break;
        } else {
            out += text[i];
        }
    }
    return out;
}

GtkWidget* PictureWidget(cairo_surface_t* surface) {
    GdkPixbuf* pixbuf =
        gdk_pixbuf_get_from_surface(surface, 0, 0, cairo_image_surface_get_width(surface),
                                    cairo_image_surface_get_height(surface));
    GtkWidget* image = gtk_image_new_from_pixbuf(pixbuf);
    if (pixbuf) g_object_unref(pixbuf);
    return image;
}

GtkWidget* IconWidget(const Image& icon) {
    if (icon.empty()) return nullptr;
    cairo_surface_t* surface = ImageToSurface(icon);
    if (!surface) return nullptr;
    GdkPixbuf* pixbuf = gdk_pixbuf_get_from_surface(surface, 0, 0, icon.width(), icon.height());
    cairo_surface_destroy(surface);
    if (!pixbuf) return nullptr;
    GdkPixbuf* scaled = pixbuf;
    if (icon.width() != kIconSize || icon.height() != kIconSize) {
        scaled = gdk_pixbuf_scale_simple(pixbuf, kIconSize, kIconSize, GDK_INTERP_BILINEAR);
        g_object_unref(pixbuf);
    }
    GtkWidget* image = gtk_image_new_from_pixbuf(scaled);
    if (scaled) g_object_unref(scaled);
    return image;
}

}  // namespace

GtkPopupMenu::~GtkPopupMenu() {
    if (menu_) gtk_widget_destroy(menu_);
}

GtkWidget* GtkPopupMenu::GaugeItem(const GaugePicture& gauge) {
    cairo_surface_t* surface = ImageToSurface(gauge.picture);
    if (!surface) return nullptr;
    cairo_t* cr = cairo_create(surface);
    text_.Draw(cr, gauge.label, kGaugeFont, 0, 2, MakePixel(0, 0, 0));
    cairo_destroy(cr);
    GtkWidget* item = gtk_menu_item_new();
    gtk_container_add(GTK_CONTAINER(item), PictureWidget(surface));
    cairo_surface_destroy(surface);
    gtk_widget_set_sensitive(item, FALSE);
    return item;
}

GtkWidget* GtkPopupMenu::MakeItem(const MenuModel& model, const MenuItem& item) {
    const Image* icon =
        model.icons && item.iconIndex >= 0 && item.iconIndex < int(model.icons->size())
            ? &(*model.icons)[item.iconIndex]
            : nullptr;
    GtkWidget* picture = icon ? IconWidget(*icon) : nullptr;
    GtkWidget* widget;
    if (picture) {
        // The icon stands where the check mark would: it shows in both states.
        widget = gtk_menu_item_new();
        GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 6);
        gtk_box_pack_start(GTK_BOX(box), picture, FALSE, FALSE, 0);
        GtkWidget* label = gtk_label_new_with_mnemonic(Utf8(Mnemonic(item.text)).c_str());
        gtk_box_pack_start(GTK_BOX(box), label, FALSE, FALSE, 0);
        gtk_container_add(GTK_CONTAINER(widget), box);
    } else if (item.checked) {
        widget = gtk_check_menu_item_new_with_mnemonic(Utf8(Mnemonic(item.text)).c_str());
        gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(widget), TRUE);
    } else {
        widget = gtk_menu_item_new_with_mnemonic(Utf8(Mnemonic(item.text)).c_str());
    }
    gtk_widget_set_sensitive(widget, item.enabled);
    return widget;
}

void GtkPopupMenu::Fill(GtkWidget* menu, const MenuModel& model,
                        const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        GtkWidget* widget = nullptr;
        switch (item.kind) {
            case MenuItem::kSeparator:
                widget = gtk_separator_menu_item_new();
                break;
            case MenuItem::kGauge:
                if (item.gauge >= 0 && item.gauge < int(model.gauges.size())) {
                    widget = GaugeItem(model.gauges[item.gauge]);
                }
                break;
            case MenuItem::kSubmenu: {
                widget = MakeItem(model, item);
                GtkWidget* submenu = gtk_menu_new();
                Fill(submenu, model, item.items);
                gtk_menu_item_set_submenu(GTK_MENU_ITEM(widget), submenu);
                break;
            }
            case MenuItem::kCommand:
                widget = MakeItem(model, item);
                g_object_set_data(G_OBJECT(widget), kCommandKey, GINT_TO_POINTER(item.command));
                g_signal_connect(widget, "activate", G_CALLBACK(OnActivate), this);
                break;
        }
        if (widget) gtk_menu_shell_append(GTK_MENU_SHELL(menu), widget);
    }
}

void GtkPopupMenu::Track(const MenuModel& model, Point screen) {
    if (menu_) gtk_widget_destroy(menu_);
    chosen_ = 0;
    menu_ = gtk_menu_new();
    Fill(menu_, model, model.items);
    gtk_widget_show_all(menu_);
    g_signal_connect(menu_, "deactivate", G_CALLBACK(OnDeactivate), this);
    // The menu's bottom-left corner at the point, moved inside the screen when needed.
    GdkWindow* root = gdk_get_default_root_window();
    GdkRectangle at = {screen.x, screen.y, 1, 1};
    GdkEvent* trigger = gtk_get_current_event();
    gtk_menu_popup_at_rect(GTK_MENU(menu_), root, &at, GDK_GRAVITY_NORTH_WEST,
                           GDK_GRAVITY_SOUTH_WEST, trigger);
    if (trigger) gdk_event_free(trigger);
}

void GtkPopupMenu::OnActivate(GtkMenuItem* item, gpointer data) {
    auto* self = static_cast<GtkPopupMenu*>(data);
    self->chosen_ = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), kCommandKey));
    g_idle_add(RunCommand, self);
}

void GtkPopupMenu::OnDeactivate(GtkMenuShell*, gpointer data) {
    // The item's activation follows the deactivation: the menu goes once both are done.
    g_idle_add(RunCommand, data);
}

gboolean GtkPopupMenu::RunCommand(gpointer data) {
    auto* self = static_cast<GtkPopupMenu*>(data);
    if (self->menu_) {
        gtk_widget_destroy(self->menu_);
        self->menu_ = nullptr;
    }
    int command = self->chosen_;
    self->chosen_ = 0;
    if (command && self->context_.dialog) self->context_.dialog->OnCommand(command);
    return G_SOURCE_REMOVE;
}

Pixel GtkPopupMenu::MenuColor() {
    GtkWidget* menu = gtk_menu_new();
    GdkRGBA colour = {1, 1, 1, 1};
    gtk_style_context_get_background_color(gtk_widget_get_style_context(menu),
                                           GTK_STATE_FLAG_NORMAL, &colour);
    g_object_ref_sink(menu);
    gtk_widget_destroy(menu);
    g_object_unref(menu);
    if (colour.alpha < 0.5) return MakePixel(255, 255, 255);
    return MakePixel(uint8_t(colour.red * 255 + 0.5), uint8_t(colour.green * 255 + 0.5),
                     uint8_t(colour.blue * 255 + 0.5));
}

}  // namespace nuv::gtk
