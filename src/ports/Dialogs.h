#pragma once
// The program's small modal windows.

#include <optional>
#include <string>
#include <vector>

namespace nuv {

struct UserInfo;

class IDialogs {
  public:
    virtual ~IDialogs() = default;

    enum MessageIcon { kNoIcon, kExclamation };
    // An OK message box (owned by the pet window when `ownedByPet`).
    virtual void MessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                            bool ownedByPet) = 0;
    // One line of text; nothing on Cancel.
    virtual std::optional<std::string> InputBox(const std::string& caption,
                                                const std::string& question) = 0;
    // One entry of a list; nothing on Cancel.
    virtual std::optional<int> ChooseFromList(const std::string& caption,
                                              const std::vector<std::string>& entries) = 0;
    // Edits the user record; true when the user registered.
    virtual bool RegisterUser(UserInfo& user) = 0;
    virtual void ShowAbout() = 0;
    // Shows a picture (already decoded; none when it could not be read) for `seconds`.
    virtual void ShowTimedPicture(const std::string& path, unsigned seconds) = 0;
};

}  // namespace nuv
