#include "linux/GtkTray.h"

#include "app/PetMainDlg.h"
#include "linux/CairoPictures.h"
#include "linux/ProgramResources.h"
#include "linux/Utf8Text.h"

namespace nuv::gtk {

GtkTray::~GtkTray() {
    Remove();
}

bool GtkTray::Add(int iconId, const std::string& tip) {
    Remove();
    GdkPixbuf* picture = PixbufFromBytes(ProgramResource(iconId));
    if (!picture) return false;
    icon_ = gtk_status_icon_new_from_pixbuf(picture);
    g_object_unref(picture);
    gtk_status_icon_set_tooltip_text(icon_, Utf8(tip).c_str());
    gtk_status_icon_set_title(icon_, Utf8(tip).c_str());
    g_signal_connect(icon_, "button-press-event", G_CALLBACK(OnButton), this);
    gtk_status_icon_set_visible(icon_, TRUE);
    return true;
}

bool GtkTray::Remove() {
    if (!icon_) return true;
    gtk_status_icon_set_visible(icon_, FALSE);
    g_object_unref(icon_);
    icon_ = nullptr;
    return true;
}

gboolean GtkTray::OnButton(GtkStatusIcon*, GdkEventButton* event, gpointer data) {
    auto* self = static_cast<GtkTray*>(data);
    if (!self->context_.dialog || event->type != GDK_BUTTON_PRESS) return FALSE;
    if (event->button == 1) self->context_.dialog->OnTrayNotify(kTrayLeftDown);
    if (event->button == 3) self->context_.dialog->OnTrayNotify(kTrayRightDown);
    return TRUE;
}

}  // namespace nuv::gtk
