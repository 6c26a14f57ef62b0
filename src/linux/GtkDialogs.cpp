#include "linux/GtkDialogs.h"

#include "app/PetMainDlg.h"
#include "formats/BcfImage.h"
#include "linux/CairoPictures.h"
#include "linux/RegistrationDialog.h"
#include "linux/Utf8Text.h"

namespace nuv::gtk {
namespace {

constexpr int kEmptyPictureWidth = 246, kEmptyPictureHeight = 210;

GtkWidget* NewDialog(GtkWindow* owner, const std::string& caption) {
    GtkWidget* dialog = gtk_dialog_new();
    gtk_window_set_title(GTK_WINDOW(dialog), Utf8(caption).c_str());
    if (owner) gtk_window_set_transient_for(GTK_WINDOW(dialog), owner);
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
    gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
    gtk_container_set_border_width(GTK_CONTAINER(dialog), 8);
    return dialog;
}

GtkWidget* Content(GtkWidget* dialog) {
    return gtk_dialog_get_content_area(GTK_DIALOG(dialog));
}

void AddOkCancel(GtkWidget* dialog) {
    gtk_dialog_add_button(GTK_DIALOG(dialog), Utf8("확인").c_str(), GTK_RESPONSE_OK);
    gtk_dialog_add_button(GTK_DIALOG(dialog), Utf8("취소").c_str(), GTK_RESPONSE_CANCEL);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
}

void RunMessage(GtkWindow* owner, const std::string& text, const std::string& caption,
                GtkMessageType type) {
    GtkWidget* box = gtk_message_dialog_new(owner, GTK_DIALOG_MODAL, type, GTK_BUTTONS_OK, "%s",
                                            Utf8(text).c_str());
    gtk_window_set_title(GTK_WINDOW(box), Utf8(caption).c_str());
    gtk_window_set_position(GTK_WINDOW(box), GTK_WIN_POS_CENTER);
    gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}

gboolean DrawBordered(GtkWidget*, cairo_t* cr, gpointer data) {
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    if (data) {
        cairo_set_source_surface(cr, static_cast<cairo_surface_t*>(data), 1, 1);
        cairo_rectangle(cr, 1, 1,
                        cairo_image_surface_get_width(static_cast<cairo_surface_t*>(data)),
                        cairo_image_surface_get_height(static_cast<cairo_surface_t*>(data)));
        cairo_fill(cr);
    }
    return TRUE;
}

// Ends a nested loop; stays installed until removed (a timeout) or the window goes.
gboolean QuitLoop(gpointer loop) {
    g_main_loop_quit(static_cast<GMainLoop*>(loop));
    return G_SOURCE_CONTINUE;
}

gboolean CloseDialog(gpointer data) {
    gtk_dialog_response(GTK_DIALOG(data), GTK_RESPONSE_CLOSE);
    return G_SOURCE_REMOVE;
}

}  // namespace

void ShowMessage(const std::string& text, const std::string& caption) {
    RunMessage(nullptr, text, caption, GTK_MESSAGE_OTHER);
}

GtkWindow* GtkDialogs::Owner(bool ownedByPet) const {
    if (!ownedByPet || !context_.petWindow || !gtk_widget_get_visible(context_.petWindow)) {
        return nullptr;
    }
    return GTK_WINDOW(context_.petWindow);
}

void GtkDialogs::MessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                            bool ownedByPet) {
    RunMessage(Owner(ownedByPet), text, caption,
               icon == kExclamation ? GTK_MESSAGE_WARNING : GTK_MESSAGE_OTHER);
}

std::optional<std::string> GtkDialogs::InputBox(const std::string& caption,
                                                const std::string& question) {
    GtkWidget* dialog = NewDialog(Owner(), caption);
    GtkWidget* label = gtk_label_new(Utf8(question).c_str());
    gtk_label_set_xalign(GTK_LABEL(label), 0);
    GtkWidget* entry = gtk_entry_new();
    gtk_entry_set_activates_default(GTK_ENTRY(entry), TRUE);
    gtk_box_pack_start(GTK_BOX(Content(dialog)), label, FALSE, FALSE, 4);
    gtk_box_pack_start(GTK_BOX(Content(dialog)), entry, FALSE, FALSE, 4);
    AddOkCancel(dialog);
    gtk_widget_show_all(dialog);
    gtk_widget_grab_focus(entry);
    std::optional<std::string> answer;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK) {
        std::string text = Cp949(gtk_entry_get_text(GTK_ENTRY(entry)));
        if (!text.empty()) answer = text;
    }
    gtk_widget_destroy(dialog);
    return answer;
}

std::optional<int> GtkDialogs::ChooseFromList(const std::string& caption,
                                              const std::vector<std::string>& entries) {
    GtkWidget* dialog = NewDialog(Owner(), caption);
    GtkWidget* list = gtk_list_box_new();
    for (const std::string& entry : entries) {
        GtkWidget* label = gtk_label_new(Utf8(entry).c_str());
        gtk_label_set_xalign(GTK_LABEL(label), 0);
        gtk_list_box_insert(GTK_LIST_BOX(list), label, -1);
    }
    gtk_list_box_select_row(GTK_LIST_BOX(list),
                            gtk_list_box_get_row_at_index(GTK_LIST_BOX(list), 0));
    g_signal_connect_swapped(list, "row-activated", G_CALLBACK(CloseDialog), dialog);
    GtkWidget* scroll = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_widget_set_size_request(scroll, 220, 150);
    gtk_container_add(GTK_CONTAINER(scroll), list);
    gtk_box_pack_start(GTK_BOX(Content(dialog)), scroll, TRUE, TRUE, 4);
    AddOkCancel(dialog);
    gtk_widget_show_all(dialog);
    int response = gtk_dialog_run(GTK_DIALOG(dialog));
    std::optional<int> choice;
    GtkListBoxRow* row = gtk_list_box_get_selected_row(GTK_LIST_BOX(list));
    if ((response == GTK_RESPONSE_OK || response == GTK_RESPONSE_CLOSE) && row) {
        choice = gtk_list_box_row_get_index(row);
    }
    gtk_widget_destroy(dialog);
    return choice;
}

bool GtkDialogs::RegisterUser(UserInfo& user) {
    return RunRegistrationDialog(Owner(), user);
}

void GtkDialogs::ShowAbout() {
    GtkWidget* dialog = NewDialog(Owner(), "NuvPET 정보");
    GtkWidget* label =
        gtk_label_new(Utf8("NuvPET 버전 " NUV_VERSION "\nCopyright (C) NuvPET 개발팀").c_str());
    gtk_box_pack_start(GTK_BOX(Content(dialog)), label, FALSE, FALSE, 8);
    gtk_dialog_add_button(GTK_DIALOG(dialog), Utf8("확인").c_str(), GTK_RESPONSE_OK);
    gtk_widget_show_all(dialog);
    gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
}

// The picture in a window with a thin border, centred on the screen, for `seconds`; a key
// closes it earlier.
void GtkDialogs::ShowTimedPicture(const std::string& path, unsigned seconds) {
    Image image = path.empty() ? Image() : LoadBCFImage(*context_.files, path);
    cairo_surface_t* picture = ImageToSurface(image);
    const int width = (picture ? image.width() : kEmptyPictureWidth) + 2;
    const int height = (picture ? image.height() : kEmptyPictureHeight) + 2;
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_decorated(GTK_WINDOW(window), FALSE);
    gtk_window_set_keep_above(GTK_WINDOW(window), TRUE);
    gtk_window_set_skip_taskbar_hint(GTK_WINDOW(window), TRUE);
    gtk_window_set_title(GTK_WINDOW(window), kApplicationName);
    gtk_window_set_default_size(GTK_WINDOW(window), width, height);
    gtk_widget_set_app_paintable(window, TRUE);
    GdkRectangle screen = {};
    gdk_monitor_get_geometry(gdk_display_get_primary_monitor(gdk_display_get_default()), &screen);
    gtk_window_move(GTK_WINDOW(window), screen.x + (screen.width - width) / 2,
                    screen.y + (screen.height - height) / 2);
    g_signal_connect(window, "draw", G_CALLBACK(DrawBordered), picture);
    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    g_signal_connect_swapped(window, "key-press-event", G_CALLBACK(QuitLoop), loop);
    g_signal_connect_swapped(window, "delete-event", G_CALLBACK(QuitLoop), loop);
    guint timer = g_timeout_add(seconds ? seconds * 1000 : 1, QuitLoop, loop);
    gtk_widget_show(window);
    g_main_loop_run(loop);
    g_source_remove(timer);
    g_main_loop_unref(loop);
    gtk_widget_destroy(window);
    if (picture) cairo_surface_destroy(picture);
}

}  // namespace nuv::gtk
