#pragma once
// The user registration form: each text field holds at most its number of code page 949
// bytes (a Hangul syllable takes two).

#include <gtk/gtk.h>

namespace nuv {
struct UserInfo;
}

namespace nuv::gtk {

// True when the user registered (the record is then complete and written into `user`).
bool RunRegistrationDialog(GtkWindow* owner, UserInfo& user);

}  // namespace nuv::gtk
