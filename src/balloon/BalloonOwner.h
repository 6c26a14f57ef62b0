#pragma once
// The side of the pet that a speech balloon talks to.

#include <string>

namespace nuv {

class CBalloonWnd;

class IBalloonOwner {
  public:
    virtual ~IBalloonOwner() = default;
    // The whole text of a link or typing balloon is on screen (not called for kind 2).
    virtual void OnTextShown(CBalloonWnd& balloon) = 0;
    // The balloon's window is gone. This is the balloon's last act: the owner may delete the
    // balloon here.
    virtual void OnBalloonClosed(CBalloonWnd& balloon) = 0;
    // Opens `url` (always an http:// or https:// address) in the user's browser.
    virtual void OpenLink(const std::string& url) = 0;
};

}  // namespace nuv
