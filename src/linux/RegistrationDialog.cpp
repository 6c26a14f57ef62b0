#include "linux/RegistrationDialog.h"

#include <time.h>

#include "app/PetMainDlg.h"
#include "base/Cp949.h"
#include "formats/PetConfig.h"
#include "linux/GtkDialogs.h"
#include "linux/Utf8Text.h"
#include "pet/UserRegistration.h"

namespace nuv::gtk {
namespace {

constexpr char kLimitKey[] = "nuv-byte-limit";

struct Form {
    GtkWidget* name;
    GtkWidget* male;
    GtkWidget* female;
    GtkWidget* birth;
    GtkWidget* loginId;
    GtkWidget* password;
    GtkWidget* email;
};

CalendarDate Today() {
    time_t now = time(nullptr);
    tm local = {};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// Cuts the field's text to its byte limit whenever it changes (typing, pasting).
void KeepWithinBytes(GtkEditable* field, gpointer) {
    auto limit = std::size_t(GPOINTER_TO_INT(g_object_get_data(G_OBJECT(field), kLimitKey)));
    std::string text = Cp949(gtk_entry_get_text(GTK_ENTRY(field)));
    if (text.size() <= limit) return;
    std::string cut = Utf8(cp949::CutBytes(text, limit));
    gtk_entry_set_text(GTK_ENTRY(field), cut.c_str());
}

GtkWidget* TextField(const std::string& value, std::size_t maxBytes, bool hidden = false) {
    GtkWidget* field = gtk_entry_new();
    gtk_entry_set_text(GTK_ENTRY(field), Utf8(value).c_str());
    gtk_entry_set_visibility(GTK_ENTRY(field), !hidden);
    gtk_entry_set_width_chars(GTK_ENTRY(field), 16);
    g_object_set_data(G_OBJECT(field), kLimitKey, GINT_TO_POINTER(int(maxBytes)));
    g_signal_connect(field, "changed", G_CALLBACK(KeepWithinBytes), nullptr);
    return field;
}

void AddRow(GtkGrid* grid, int row, const char* caption, GtkWidget* field) {
    GtkWidget* label = gtk_label_new(Utf8(caption).c_str());
    gtk_label_set_xalign(GTK_LABEL(label), 0);
    gtk_grid_attach(grid, label, 0, row, 1, 1);
    gtk_grid_attach(grid, field, 1, row, 1, 1);
}

Form Build(GtkWidget* dialog, const RegistrationForm& values) {
    Form form;
    form.name = TextField(values.name, kRegistrationFieldBytes);
    form.male = gtk_radio_button_new_with_label(nullptr, Utf8("남").c_str());
    form.female = gtk_radio_button_new_with_label_from_widget(GTK_RADIO_BUTTON(form.male),
                                                              Utf8("여").c_str());
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(values.female ? form.female : form.male), TRUE);
    form.birth = gtk_calendar_new();
    gtk_calendar_select_month(GTK_CALENDAR(form.birth), guint(values.birth.month - 1),
                              guint(values.birth.year));
    gtk_calendar_select_day(GTK_CALENDAR(form.birth), guint(values.birth.day));
    form.loginId = TextField(values.loginId, kRegistrationFieldBytes);
    form.password = TextField(values.password, kRegistrationFieldBytes, true);
    form.email = TextField(values.email, kRegistrationEmailBytes);

    GtkWidget* sexes = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 8);
    gtk_box_pack_start(GTK_BOX(sexes), form.male, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(sexes), form.female, FALSE, FALSE, 0);
    GtkWidget* grid = gtk_grid_new();
    gtk_grid_set_row_spacing(GTK_GRID(grid), 6);
    gtk_grid_set_column_spacing(GTK_GRID(grid), 10);
    AddRow(GTK_GRID(grid), 0, "이름", form.name);
    AddRow(GTK_GRID(grid), 1, "성별", sexes);
    AddRow(GTK_GRID(grid), 2, "생일", form.birth);
    AddRow(GTK_GRID(grid), 3, "로그인 ID", form.loginId);
    AddRow(GTK_GRID(grid), 4, "로그인 PW", form.password);
    AddRow(GTK_GRID(grid), 5, "E-Mail", form.email);
    GtkWidget* frame = gtk_frame_new(Utf8(" [ 사용자 등록 ] ").c_str());
    gtk_container_set_border_width(GTK_CONTAINER(grid), 8);
    gtk_container_add(GTK_CONTAINER(frame), grid);
    gtk_box_pack_start(GTK_BOX(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), frame, TRUE, TRUE,
                       0);
    return form;
}

RegistrationForm Read(const Form& form) {
    RegistrationForm values;
    values.name = Cp949(gtk_entry_get_text(GTK_ENTRY(form.name)));
    values.female = gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(form.female));
    guint year = 0, month = 0, day = 0;
    gtk_calendar_get_date(GTK_CALENDAR(form.birth), &year, &month, &day);
    values.birth = {int(year), int(month) + 1, int(day)};
    values.loginId = Cp949(gtk_entry_get_text(GTK_ENTRY(form.loginId)));
    values.password = Cp949(gtk_entry_get_text(GTK_ENTRY(form.password)));
    values.email = Cp949(gtk_entry_get_text(GTK_ENTRY(form.email)));
    return values;
}

}  // namespace

bool RunRegistrationDialog(GtkWindow* owner, UserInfo& user) {
    GtkWidget* dialog = gtk_dialog_new();
    gtk_window_set_title(GTK_WINDOW(dialog), kApplicationName);
    if (owner) gtk_window_set_transient_for(GTK_WINDOW(dialog), owner);
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
    gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
    Form form = Build(dialog, FormOf(user, Today()));
    gtk_dialog_add_button(GTK_DIALOG(dialog), Utf8("등록").c_str(), GTK_RESPONSE_OK);
    gtk_dialog_add_button(GTK_DIALOG(dialog), Utf8("취소").c_str(), GTK_RESPONSE_CANCEL);
    gtk_widget_show_all(dialog);
    bool registered = false;
    while (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK) {
        if (ApplyRegistration(Read(form), user)) {
            registered = true;
            break;
        }
        ShowMessage(kRegistrationIncomplete, kApplicationName);
    }
    gtk_widget_destroy(dialog);
    return registered;
}

}  // namespace nuv::gtk
