#pragma once
// The pet's pictures besides its frames: menu icons, object image with the speech balloons,
// loading picture, gauge cells and end picture.

#include <string>
#include <vector>

#include "petart/Canvas.h"
#include "petart/Palette.h"

namespace nuv::art {

struct NamedPicture {
    std::string name;  // file name, PNG
    Image image;
};

// Where things lie in the object image (pixels).
struct ObjectPlace {
    const char* name;
    int left, top, width, height;
};

constexpr int kIconSize = 13;
constexpr int kIconCount = 20;
// The speech balloon pieces that the balloon window cuts out of the object image.
constexpr ObjectPlace kBalloonPlace{"balloon", 24, 43, 233, 203};
constexpr ObjectPlace kMessageBalloonPlace{"message balloon", 49, 329, 182, 183};
// The two pictures of the outing: the stump before (record 4) and after (record 3).
constexpr ObjectPlace kStumpAfterPlace{"stump without acorn", 290, 43, 36, 46};
constexpr ObjectPlace kStumpBeforePlace{"stump with acorn", 340, 43, 36, 46};

// Icons stacked from the top, icon n in rows 13n to 13n + 12; pure green is transparent.
Image DrawIcons();
// The names of the icons, in the order of the sheet.
const std::vector<std::string>& IconNames();
Image DrawObjects();
// Small pictures for the <IMG> tags of balloon texts, each with its place in the object image.
std::vector<NamedPicture> DrawBalloonPictures(std::vector<ObjectPlace>* places = nullptr);
Image DrawLoadPicture(const Palette& palette);
Image DrawGaugeCells();
Image DrawEndPicture(const Palette& palette);

// Every picture of the pet, named as the files are called.
std::vector<NamedPicture> DrawPictures(const Palette& palette);
// A text saying where everything lies in the pictures (for the pet script's author).
std::string PictureGuide();

}  // namespace nuv::art
