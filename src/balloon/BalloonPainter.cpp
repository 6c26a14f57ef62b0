#include "balloon/BalloonPainter.h"

#include "balloon/BalloonGeometry.h"
#include "balloon/BalloonMarkup.h"
#include "base/Cp949.h"

namespace nuv {
namespace {

constexpr int kMessageLeft = 17;
constexpr int kMessageTop = 43;
constexpr int kMessageLineHeight = 14;
constexpr int kMessageCentreLines = 5;
constexpr int kTextLeft = 44;
constexpr int kTextTop = 37;

int FloorDiv(int a, int b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

int LineHeight(int kind) {
    return kind == kLinkBalloon ? 18 : 14;
}

void PaintMessage(const CBalloonLayout& layout, BalloonDrawing* drawing) {
    const auto& lines = layout.lines();
    int n = layout.zoom();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        drawing->runs.push_back(
            {lines[i], Point{kMessageLeft * n, MessageLineTop(int(i), int(lines.size())) * n},
             kBalloonMessageColour, BalloonFont(kMessageBalloon, false, n)});
    }
}

// Draws one laid-out line of a link or typing balloon, following the links through it; every
// measure is `zoom` times the measure at zoom 1.
class CLinePainter {
  public:
    CLinePainter(int kind, int zoom, ITextMetrics& metrics, BalloonDrawing* drawing, int* links,
                 bool* open)
        : kind_(kind),
          zoom_(zoom),
          metrics_(metrics),
          drawing_(drawing),
          links_(links),
          open_(open) {}

    void Paint(std::string_view line, int top) {
        x_ = kTextLeft * zoom_;
        top_ = top;
        segmentLeft_ = x_;
        openArea_ = -1;
        if (*open_) OpenArea(*links_ - 1);
        for (std::size_t pos = 0; pos < line.size();) {
            if (TagAt(line, pos, kLinkOpenMark)) {
                Flush();
                CloseArea();
                ++*links_;
                *open_ = true;
                OpenArea(*links_ - 1);
                pos += kLinkMarkLength;
            } else if (TagAt(line, pos, kLinkCloseMark)) {
                Flush();
                CloseArea();
                *open_ = false;
                pos += kLinkMarkLength;
            } else {
                std::size_t length = cp949::CharLength(line, pos);
                std::string_view character = line.substr(pos, length);
                segment_ += character;
                x_ += metrics_.TextWidth(character, BalloonFont(kind_, *open_, zoom_));
                pos += length;
            }
        }
        Flush();
        CloseArea();
    }

  private:
    void OpenArea(int link) {
        int bottom = top_ + BalloonFont(kind_, true, zoom_).height;
        drawing_->linkAreas.push_back({link, Rect{x_, top_, x_, bottom}});
        openArea_ = int(drawing_->linkAreas.size()) - 1;
    }

    void CloseArea() {
        if (openArea_ >= 0) drawing_->linkAreas[openArea_].area.right = x_;
        openArea_ = -1;
    }

    void Flush() {
        if (!segment_.empty()) {
            TextFont font = BalloonFont(kind_, *open_, zoom_);
            Pixel shadow = *open_ ? kBalloonLinkShadowColour : kBalloonShadowColour;
            Pixel colour = *open_ ? kBalloonLinkColour : kBalloonTextColour;
            drawing_->runs.push_back(
                {segment_, Point{segmentLeft_ + zoom_, top_ + zoom_}, shadow, font});
            drawing_->runs.push_back({segment_, Point{segmentLeft_, top_}, colour, font});
            segment_.clear();
        }
        segmentLeft_ = x_;
    }

    int kind_;
    int zoom_;
    ITextMetrics& metrics_;
    BalloonDrawing* drawing_;
    int* links_;
    bool* open_;
    int x_ = 0;
    int top_ = 0;
    int segmentLeft_ = 0;
    int openArea_ = -1;
    std::string segment_;
};

}  // namespace

int MessageLineTop(int index, int count) {
    return kMessageTop + kMessageLineHeight * FloorDiv(kMessageCentreLines - count, 2) +
           kMessageLineHeight * index;
}

void PaintBalloonText(const CBalloonLayout& layout, ITextMetrics& metrics,
                      BalloonDrawing* drawing) {
    if (layout.kind() == kMessageBalloon) {
        PaintMessage(layout, drawing);
        return;
    }
    int links = layout.scrolledLinks();
    bool open = layout.scrolledLinkOpen();
    int n = layout.zoom();
    CLinePainter painter(layout.kind(), n, metrics, drawing, &links, &open);
    const auto& lines = layout.lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        painter.Paint(lines[i], (kTextTop + LineHeight(layout.kind()) * int(i)) * n);
    }
}

}  // namespace nuv
