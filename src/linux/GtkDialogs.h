#pragma once
// The program's small modal windows with GTK: message box, name box, list choice,
// registration, about box and the timed picture.

#include "linux/ShellContext.h"
#include "ports/Dialogs.h"

namespace nuv::gtk {

class GtkDialogs : public IDialogs {
  public:
    explicit GtkDialogs(ShellContext& context) : context_(context) {}

    void MessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                    bool ownedByPet) override;
    std::optional<std::string> InputBox(const std::string& caption,
                                        const std::string& question) override;
    std::optional<int> ChooseFromList(const std::string& caption,
                                      const std::vector<std::string>& entries) override;
    bool RegisterUser(UserInfo& user) override;
    void ShowAbout() override;
    void ShowTimedPicture(const std::string& path, unsigned seconds) override;

  private:
    GtkWindow* Owner(bool ownedByPet = true) const;

    ShellContext& context_;
};

// An OK message box without an owner (also before the pet window exists).
void ShowMessage(const std::string& text, const std::string& caption);

}  // namespace nuv::gtk
