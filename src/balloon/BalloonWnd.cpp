#include "balloon/BalloonWnd.h"

#include <algorithm>
#include <exception>
#include <map>

#include "balloon/BalloonGeometry.h"
#include "balloon/BalloonPainter.h"
#include "balloon/WebAddress.h"
#include "base/Log.h"
#include "formats/BmpDecoder.h"
#include "zoom/Zoom.h"

namespace nuv {
namespace {

constexpr char kPetsFolder[] = ".\\PETS\\";
constexpr Pixel kPlainBalloonFill = MakePixel(255, 255, 255);
constexpr Pixel kPlainMessageFill = MakePixel(64, 64, 64);
// The pictures of one balloon together hold no more pixels than one picture may.
constexpr int64_t kMaxBalloonPicturePixels = kMaxBmpPixels;

Image CutPiece(const Image& picture, const Rect& piece) {
    Image out(piece.Width(), piece.Height());
    for (int y = 0; y < piece.Height(); ++y) {
        const Pixel* row = picture.Row(piece.top + y) + piece.left;
        std::copy(row, row + piece.Width(), out.Row(y));
    }
    return out;
}

}  // namespace

CBalloonWnd::CBalloonWnd(IBalloonOwner& owner, int kind, std::string objectImage,
                         std::unique_ptr<IBalloonWindow> window, ITextMetrics& metrics,
                         IBalloonPictures& pictures, int zoom)
    : owner_(owner),
      kind_(kind),
      zoom_(zoom),
      objectImage_(std::move(objectImage)),
      window_(std::move(window)),
      metrics_(metrics),
      pictures_(pictures),
      layout_(kind, metrics, zoom) {}

CBalloonWnd::~CBalloonWnd() {
    if (created_ && !destroyed_) {
        destroyed_ = true;  // the owner is deleting us: no report
        window_->Destroy();
    }
}

void CBalloonWnd::SetText(std::string text) {
    pendingText_ = std::move(text);
}

bool CBalloonWnd::Create() {
    if (created_) return false;
    if (!IsBalloonKind(kind_)) {
        WriteLogF("CBalloonWnd::Create() - 알 수 없는 말풍선 종류입니다. (%d)", kind_);
        return false;
    }
    LoadBackground();
    if (!window_->Create(size_.width, size_.height, *this)) {
        WriteLog("CBalloonWnd::Create() - 말풍선 창을 만들지 못했습니다.");
        return false;
    }
    created_ = true;
    window_->SetShape(MakeShape());
    pictureTags_ = ExtractPictureTags(&pendingText_);
    LoadTagPictures();
    layout_.SetText(std::move(pendingText_));
    pendingText_.clear();
    if (kind_ == kMessageBalloon) {
        layout_.LayoutMessage();
        textComplete_ = true;
        window_->StartTimer(kCloseTimer, kClosePeriod);
        closeTimer_ = true;
    } else {
        window_->StartTimer(kTypingTimer, kTypingPeriod);
        typingTimer_ = true;
    }
    Redraw();
    return true;
}

void CBalloonWnd::LoadBackground() {
    Rect piece = BalloonPiece(kind_);
    size_ = Size{piece.Width() * zoom_, piece.Height() * zoom_};
    background_ = BalloonBackground{};
    background_.path = kPetsFolder + objectImage_;
    background_.piece = piece;
    background_.fill = kind_ == kMessageBalloon ? kPlainMessageFill : kPlainBalloonFill;
    std::shared_ptr<const Image> picture = pictures_.LoadObjectPicture(background_.path);
    if (!picture) return;  // a plain balloon; the loader has logged why
    if (picture->width() < piece.right || picture->height() < piece.bottom) {
        WriteLogF("CBalloonWnd::Create() - %s 그림이 %dx%d 크기라 말풍선 그림을 자를 수 없습니다.",
                  background_.path.c_str(), picture->width(), picture->height());
        return;
    }
    background_.image = std::make_shared<const Image>(ZoomImage(CutPiece(*picture, piece), zoom_));
}

void CBalloonWnd::LoadTagPictures() {
    std::map<std::string, std::shared_ptr<const Image>> decoded;
    int64_t pixels = 0;
    for (const BalloonPictureTag& tag : pictureTags_) {
        auto known = decoded.find(tag.path);
        if (known == decoded.end()) {
            known = decoded.emplace(tag.path, LoadTagPicture(tag.path, &pixels)).first;
        }
        if (known->second)
            tagPictures_.push_back({tag.path, Point{tag.x * zoom_, tag.y * zoom_}, known->second});
    }
}

// The picture of `path`, unless it would take the balloon's pictures past their limit.
std::shared_ptr<const Image> CBalloonWnd::LoadTagPicture(const std::string& path, int64_t* pixels) {
    Image picture;
    if (*pixels <= kMaxBalloonPicturePixels) picture = pictures_.LoadBitmapFile(path);
    *pixels += int64_t(picture.width()) * picture.height();
    if (*pixels > kMaxBalloonPicturePixels) {
        WriteLogF("CBalloonWnd::Create() - 말풍선의 그림이 너무 많아 %s 그림을 그리지 않습니다.",
                  path.c_str());
        return nullptr;
    }
    if (picture.empty()) return nullptr;
    return std::make_shared<const Image>(ZoomImage(picture, zoom_));
}

std::vector<Rect> CBalloonWnd::MakeShape() {
    std::vector<Rect> shape;
    if (background_.image) shape = pictures_.MakeShape(*background_.image, kPureGreen);
    if (shape.empty()) shape.push_back(Rect{0, 0, size_.width, size_.height});
    return shape;
}

Point CBalloonWnd::PlaceBeside(const Rect& pet, const Rect* area) const {
    Point at = ZoomUp(BalloonPlacement(kind_, pet), zoom_);
    return area ? KeptInside(at, size_, *area) : at;
}

void CBalloonWnd::ShowBeside(const Rect& pet, const Rect* area) {
    if (!created_ || destroyed_) return;
    Point at = PlaceBeside(pet, area);
    window_->MoveTo(at.x, at.y);
    window_->Show();
}

void CBalloonWnd::BringToTop() {
    if (created_ && !destroyed_) window_->BringToTop();
}

void CBalloonWnd::Close() {
    if (!created_ || destroyed_ || closing_) return;
    closing_ = true;
    window_->Destroy();  // may delete this balloon through OnDestroyed
}

std::vector<std::string> CBalloonWnd::GetShownLines() const {
    if (kind_ == kMessageBalloon) return layout_.lines();
    std::vector<std::string> lines;
    for (const std::string& line : layout_.lines())
        lines.push_back(RemoveLinkMarkers(line));
    return lines;
}

BalloonDrawing CBalloonWnd::BuildDrawing() {
    BalloonDrawing drawing;
    drawing.size = size_;
    drawing.background = background_;
    drawing.pictures = tagPictures_;
    PaintBalloonText(layout_, metrics_, &drawing);
    return drawing;
}

void CBalloonWnd::Redraw() {
    BalloonDrawing drawing = BuildDrawing();
    linkAreas_ = drawing.linkAreas;
    window_->Draw(drawing);
}

void CBalloonWnd::OnTimer(int id) {
    Guard("OnTimer", [&] {
        if (destroyed_ || closing_) return;
        if (id == kTypingTimer && typingTimer_) {
            OnTypingTimer();
        } else if (id == kCloseTimer && closeTimer_) {
            window_->StopTimer(kCloseTimer);
            closeTimer_ = false;
            Close();
        }
    });
}

template <class Handler>
void CBalloonWnd::Guard(const char* event, Handler&& run) {
    try {
        run();
    } catch (const std::exception& e) {
        OnFault(event, e.what());
    } catch (...) {
        OnFault(event, "unknown");
    }
}

// Nothing should throw here; should something still escape, the balloon closes.
void CBalloonWnd::OnFault(const char* event, const char* what) {
    try {
        WriteLogF("CBalloonWnd::%s() - 처리하지 못한 오류로 말풍선을 닫습니다. (%s)", event, what);
        Close();  // may delete this balloon
    } catch (...) {
    }
}

void CBalloonWnd::OnTypingTimer() {
    window_->StopTimer(kTypingTimer);
    typingTimer_ = false;
    if (kind_ == kLinkBalloon) {
        layout_.LayoutLinks();
    } else {
        layout_.TypeStep();
    }
    Redraw();
    if (!layout_.IsComplete()) {
        window_->StartTimer(kTypingTimer, kTypingPeriod);
        typingTimer_ = true;
        return;
    }
    textComplete_ = true;
    window_->StartTimer(kCloseTimer, kClosePeriod);
    closeTimer_ = true;
    owner_.OnTextShown(*this);  // last: the owner may close the balloon here
}

int CBalloonWnd::LinkAt(int x, int y) const {
    for (const BalloonLinkArea& area : linkAreas_) {
        if (area.area.Contains(x, y)) return area.link;
    }
    return -1;
}

void CBalloonWnd::OnMouseMove(int x, int y) {
    if (destroyed_) return;
    hover_ = LinkAt(x, y) >= 0;
}

bool CBalloonWnd::OnSetCursor() {
    if (destroyed_ || !hover_) return false;
    window_->ShowLinkCursor();
    return true;
}

bool CBalloonWnd::OnLButtonDown(int x, int y) {
    if (destroyed_ || !hover_) return false;
    int link = LinkAt(x, y);
    if (link < 0) return false;
    Guard("OnLButtonDown", [&] { OpenLink(link); });
    return true;
}

void CBalloonWnd::OpenLink(int link) {
    const auto& addresses = layout_.addresses();
    if (link >= int(addresses.size())) {
        WriteLogF("CBalloonWnd::OpenLink() - %d번 링크의 주소가 없습니다.", link);
        return;
    }
    std::string url = WebAddressOf(addresses[link]);
    if (url.empty()) {
        WriteLogF("CBalloonWnd::OpenLink() - '%s' 주소는 웹 주소가 아니라서 열지 않습니다.",
                  addresses[link].c_str());
        return;
    }
    owner_.OpenLink(url);
}

void CBalloonWnd::OnKey(BalloonKey key) {
    if (destroyed_) return;
    Close();  // Escape and Enter both close
}

void CBalloonWnd::OnDestroyed() {
    if (destroyed_) return;
    destroyed_ = true;
    typingTimer_ = false;
    closeTimer_ = false;
    try {
        owner_.OnBalloonClosed(*this);  // last: the owner may delete the balloon here
    } catch (...) {
        WriteLog("CBalloonWnd::OnDestroyed() - 말풍선이 닫힌 뒤의 처리에서 오류가 났습니다.");
    }
}

}  // namespace nuv
