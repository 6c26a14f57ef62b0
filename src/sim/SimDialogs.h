#pragma once
// The small modal windows: messages are told as events, the input box answers the preset name,
// list choices come from the scripted input, a timed picture lets its time pass.

#include <deque>

#include "ports/Dialogs.h"
#include "sim/SimContext.h"

namespace nuv {

class CSimDialogs : public IDialogs {
  public:
    CSimDialogs(CSimContext& sim, std::optional<std::string> name)
        : sim_(sim), name_(std::move(name)) {}

    void MessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                    bool ownedByPet) override {
        lastIcon = icon;
        lastOwnedByPet = ownedByPet;
        sim_.Tell({"message", {{"text", text}, {"caption", caption}}});
    }
    std::optional<std::string> InputBox(const std::string&, const std::string&) override;
    std::optional<int> ChooseFromList(const std::string&, const std::vector<std::string>&) override;
    bool RegisterUser(UserInfo&) override { return false; }
    void ShowAbout() override {}
    void ShowTimedPicture(const std::string&, unsigned seconds) override {
        sim_.clock.Advance(seconds * 1000);
    }

    std::deque<int> choices;         // the answers of the next list choices; none: cancelled
    MessageIcon lastIcon = kNoIcon;  // the last message's icon and owner
    bool lastOwnedByPet = false;

  private:
    CSimContext& sim_;
    std::optional<std::string> name_;  // UTF-8; none: the input box is cancelled
};

}  // namespace nuv
