#pragma once
// The program's small modal windows on their resource templates.

#include "ports/Dialogs.h"
#include "win32/ShellContext.h"

namespace nuv::win32 {

class Win32Dialogs : public IDialogs {
  public:
    explicit Win32Dialogs(ShellContext& context) : context_(context) {}

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
    ShellContext& context_;
};

}  // namespace nuv::win32
