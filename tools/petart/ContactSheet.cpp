#include "petart/ContactSheet.h"

#include <algorithm>
#include <string>

#include "petart/Canvas.h"

namespace nuv::art {
namespace {

// Rows of 3 bits, top to bottom, for the digits 0 to 9.
const unsigned char kDigits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 2, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};

const Pixel kBackdrop = MakePixel(236, 236, 236);
const Pixel kCell = MakePixel(0, 255, 0);
const Pixel kLabel = MakePixel(0, 0, 0);
const Pixel kGroundMark = MakePixel(255, 0, 255);
const int kLabelHeight = 8;

void PutFrame(CCanvas& sheet, const Image& frame, int x, int y) {
    sheet.FillRect(x, y, frame.width(), frame.height(), kCell);
    sheet.Stamp(frame, x, y);
    // A mark on both sides at the ground row.
    sheet.FillRect(x - 2, y + 97, 2, 1, kGroundMark);
    sheet.FillRect(x + frame.width(), y + 97, 2, 1, kGroundMark);
}

}  // namespace

int DrawSmallNumber(Image& image, int x, int y, int number, Pixel colour) {
    std::string text = std::to_string(number);
    for (size_t i = 0; i < text.size(); ++i) {
        int d = text[i] == '-' ? -1 : text[i] - '0';
        for (int row = 0; row < 5; ++row) {
            for (int col = 0; col < 3; ++col) {
                bool on = d < 0 ? row == 2 : (kDigits[d][row] >> (2 - col)) & 1;
                int px = x + int(i) * 4 + col, py = y + row;
                if (on && px >= 0 && py >= 0 && px < image.width() && py < image.height()) {
                    image.Set(px, py, colour);
                }
            }
        }
    }
    return int(text.size()) * 4;
}

Image FrameContactSheet(const std::vector<Image>& frames, int perRow, int firstNumber) {
    const int size = frames.empty() ? 128 : frames[0].width();
    const int pitchX = size + 6, pitchY = size + kLabelHeight + 4;
    int rows = std::max(1, int((frames.size() + perRow - 1) / perRow));
    CCanvas sheet(pitchX * perRow + 4, pitchY * rows + 4);
    sheet.FillRect(0, 0, sheet.width(), sheet.height(), kBackdrop);
    for (size_t i = 0; i < frames.size(); ++i) {
        int x = 4 + int(i % perRow) * pitchX, y = 4 + int(i / perRow) * pitchY;
        DrawSmallNumber(sheet.image(), x, y, firstNumber + int(i), kLabel);
        PutFrame(sheet, frames[i], x, y + kLabelHeight);
    }
    return sheet.image();
}

Image AnimationContactSheet(const std::vector<Image>& frames, const CAnimationBook& book,
                            int maxFrames, const std::vector<int>& ids) {
    const int size = frames.empty() ? 128 : frames[0].width();
    const int labelWidth = 16, pitchX = size + 6, pitchY = size + kLabelHeight + 4;
    std::vector<const Animation*> sorted;
    for (const Animation& a : book.animations()) {
        if (ids.empty() || std::find(ids.begin(), ids.end(), a.id) != ids.end()) {
            sorted.push_back(&a);
        }
    }
    int rows = int(sorted.size());
    CCanvas sheet(labelWidth + pitchX * maxFrames + 4, pitchY * std::max(rows, 1) + 4);
    sheet.FillRect(0, 0, sheet.width(), sheet.height(), kBackdrop);
    std::sort(sorted.begin(), sorted.end(),
              [](const Animation* a, const Animation* b) { return a->id < b->id; });
    for (size_t r = 0; r < sorted.size(); ++r) {
        int y = 4 + int(r) * pitchY;
        DrawSmallNumber(sheet.image(), 2, y + kLabelHeight + size / 2, sorted[r]->id, kLabel);
        int shown = std::min(int(sorted[r]->frames.size()), maxFrames);
        for (int i = 0; i < shown; ++i) {
            int number = sorted[r]->frames[size_t(i)];
            int x = labelWidth + int(i) * pitchX;
            DrawSmallNumber(sheet.image(), x, y, number, kLabel);
            if (number >= 0 && size_t(number) < frames.size()) {
                PutFrame(sheet, frames[size_t(number)], x, y + kLabelHeight);
            }
        }
    }
    return sheet.image();
}

}  // namespace nuv::art
