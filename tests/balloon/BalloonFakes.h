#pragma once
// Small stand-ins for the balloon's window, owner, pictures and a text metric with chosen
// widths.

#include <map>
#include <string>
#include <vector>

#include "balloon/BalloonOwner.h"
#include "balloon/BalloonPictures.h"
#include "ports/BalloonWindow.h"

namespace nuv::test {

// Records what the model asks of its window; Destroy reports at once, as the system does.
class FakeBalloonWindow : public IBalloonWindow {
  public:
    bool Create(int width, int height, IBalloonWindowEvents& events) override {
        if (refuseCreate) return false;
        size = Size{width, height};
        events_ = &events;
        return true;
    }
    void SetShape(const std::vector<Rect>& rects) override { shape = rects; }
    void MoveTo(int x, int y) override { position = Point{x, y}; }
    void Show() override { shown = true; }
    void BringToTop() override {}
    void Draw(const BalloonDrawing& d) override {
        drawing = d;
        ++drawCount;
    }
    void StartTimer(int id, int milliseconds) override { timers[id] = milliseconds; }
    void StopTimer(int id) override { timers.erase(id); }
    void ShowLinkCursor() override { ++linkCursorCount; }
    void Destroy() override {
        ++destroyCount;
        timers.clear();
        if (events_ != nullptr) {
            IBalloonWindowEvents* events = events_;
            events_ = nullptr;
            events->OnDestroyed();
        }
    }
    bool HasTimer(int id, int milliseconds) const {
        auto it = timers.find(id);
        return it != timers.end() && it->second == milliseconds;
    }

    bool refuseCreate = false;
    Size size;
    std::vector<Rect> shape;
    Point position;
    bool shown = false;
    BalloonDrawing drawing;
    int drawCount = 0;
    std::map<int, int> timers;
    int linkCursorCount = 0;
    int destroyCount = 0;

  private:
    IBalloonWindowEvents* events_ = nullptr;
};

class FakeBalloonOwner : public IBalloonOwner {
  public:
    void OnTextShown(CBalloonWnd&) override { ++textShown; }
    void OnBalloonClosed(CBalloonWnd&) override { ++closed; }
    void OpenLink(const std::string& url) override { opened.push_back(url); }

    int textShown = 0;
    int closed = 0;
    std::vector<std::string> opened;
};

// Pictures by path; the shape lists one rectangle per row run that is not transparent.
class FakeBalloonPictures : public IBalloonPictures {
  public:
    Image LoadObjectPicture(const std::string& path) override {
        objectRequests.push_back(path);
        auto it = files.find(path);
        return it == files.end() ? Image() : it->second;
    }
    Image LoadBitmapFile(const std::string& path) override {
        bitmapRequests.push_back(path);
        auto it = files.find(path);
        return it == files.end() ? Image() : it->second;
    }
    std::vector<Rect> MakeShape(const Image& picture, Pixel transparent) override {
        std::vector<Rect> rects;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width();) {
                if (picture.At(x, y) == transparent) {
                    ++x;
                    continue;
                }
                int left = x;
                while (x < picture.width() && picture.At(x, y) != transparent)
                    ++x;
                rects.push_back(Rect{left, y, x, y + 1});
            }
        }
        return rects;
    }

    std::map<std::string, Image> files;
    std::vector<std::string> objectRequests;
    std::vector<std::string> bitmapRequests;
};

// Every byte is `byteWidth` wide except those given in `widths`; a double-byte character is
// `doubleWidth` wide.
class TableTextMetrics : public ITextMetrics {
  public:
    int TextWidth(std::string_view text, const TextFont&) override {
        int width = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            unsigned char c = text[i];
            if (c >= 0x81 && c <= 0xFE && i + 1 < text.size()) {
                width += doubleWidth;
                ++i;
                continue;
            }
            auto it = widths.find(char(c));
            width += it == widths.end() ? byteWidth : it->second;
        }
        return width;
    }

    int byteWidth = 10;
    int doubleWidth = 20;
    std::map<char, int> widths;
};

}  // namespace nuv::test
