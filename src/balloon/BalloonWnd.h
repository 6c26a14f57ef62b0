#pragma once
// CBalloonWnd: the speech balloon. It cuts its picture out of the pet's object picture, shapes
// its window, lays out and types its text, draws it through the window port, follows the mouse
// over links, and closes itself on its timers or on Escape and Enter, telling its owner.
//
// Use: construct, SetText, Create (the window exists hidden), ShowBeside (placed and shown).
// The balloon then lives on its own until OnBalloonClosed, after which the owner deletes it.

#include <memory>
#include <string>
#include <vector>

#include "balloon/BalloonLayout.h"
#include "balloon/BalloonMarkup.h"
#include "balloon/BalloonOwner.h"
#include "balloon/BalloonPictures.h"
#include "ports/BalloonWindow.h"

namespace nuv {

class CBalloonWnd : public IBalloonWindowEvents {
  public:
    static constexpr int kTypingTimer = 0;  // kinds 0 and 1: one layout step per tick
    static constexpr int kCloseTimer = 1;   // closes the balloon
    static constexpr int kTypingPeriod = 200;
    static constexpr int kClosePeriod = 5000;

    // `objectImage` is the object picture's file name inside .\PETS\ (the first [RES_OBJECT]
    // record). `metrics` and `pictures` must outlive the balloon. At `zoom` the balloon is
    // laid out with fonts, pictures and measures `zoom` times their size.
    CBalloonWnd(IBalloonOwner& owner, int kind, std::string objectImage,
                std::unique_ptr<IBalloonWindow> window, ITextMetrics& metrics,
                IBalloonPictures& pictures, int zoom = 1);
    // Destroys a window still open without reporting to the owner.
    ~CBalloonWnd() override;
    CBalloonWnd(const CBalloonWnd&) = delete;
    CBalloonWnd& operator=(const CBalloonWnd&) = delete;

    // The markup text; taken by Create.
    void SetText(std::string text);
    // Creates the hidden window: picture, size, shape, picture tags, timers (kind 2: its whole
    // text). False, with a log line, for an unknown kind or a window the system refuses.
    bool Create();
    // Where the balloon opens beside the pet window `pet` (pet pixels: screen pixels divided by
    // the zoom), in screen pixels, kept inside `area` (screen pixels) when one is given.
    Point PlaceBeside(const Rect& pet, const Rect* area = nullptr) const;
    // Places the balloon there and shows it.
    void ShowBeside(const Rect& pet, const Rect* area = nullptr);
    // Destroys the window; OnBalloonClosed follows, in which the owner may delete the balloon.
    void Close();
    void BringToTop();

    int GetKind() const { return kind_; }
    Size GetSize() const { return size_; }
    // True once the whole text is on screen: at creation for kind 2, else from the typing tick
    // that calls OnTextShown.
    bool IsTextComplete() const { return textComplete_; }
    // The lines held now, markers removed (typing balloons keep their last seven). Read in
    // OnTextShown (or after Create for kind 2), they are what the complete balloon shows.
    std::vector<std::string> GetShownLines() const;
    // Link addresses as written in the text, in the order of their links.
    const std::vector<std::string>& GetAddresses() const { return layout_.addresses(); }
    const std::vector<BalloonPictureTag>& GetPictureTags() const { return pictureTags_; }
    bool IsHoveringLink() const { return hover_; }
    // What the balloon shows now.
    BalloonDrawing BuildDrawing();

    // IBalloonWindowEvents; no exception leaves them.
    void OnTimer(int id) override;
    void OnMouseMove(int x, int y) override;
    bool OnSetCursor() override;
    bool OnLButtonDown(int x, int y) override;
    void OnKey(BalloonKey key) override;
    void OnDestroyed() override;

  private:
    // Runs an event's work; an exception from it is logged and closes the balloon.
    template <class Handler>
    void Guard(const char* event, Handler&& run);
    void OnFault(const char* event, const char* what);
    void LoadBackground();
    // Decodes the picture of each tag once, for every later drawing.
    void LoadTagPictures();
    std::shared_ptr<const Image> LoadTagPicture(const std::string& path, int64_t* pixels);
    std::vector<Rect> MakeShape();
    void OnTypingTimer();
    void Redraw();
    // The link under (x, y) in the last drawing, or -1.
    int LinkAt(int x, int y) const;
    void OpenLink(int link);

    IBalloonOwner& owner_;
    int kind_;
    int zoom_;
    std::string objectImage_;
    std::unique_ptr<IBalloonWindow> window_;
    ITextMetrics& metrics_;
    IBalloonPictures& pictures_;
    std::string pendingText_;
    CBalloonLayout layout_;
    std::vector<BalloonPictureTag> pictureTags_;
    std::vector<BalloonPicture> tagPictures_;
    BalloonBackground background_;
    Size size_;
    std::vector<BalloonLinkArea> linkAreas_;
    bool hover_ = false;
    bool textComplete_ = false;
    bool typingTimer_ = false;
    bool closeTimer_ = false;
    bool created_ = false;
    bool closing_ = false;
    bool destroyed_ = false;
};

}  // namespace nuv
