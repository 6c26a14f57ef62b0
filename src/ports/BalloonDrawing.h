#pragma once
// What a speech balloon shows: a display list the model builds and the shell draws as it
// stands, in this order, into an off-screen picture of the balloon's client size.

#include <memory>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "base/Pixel.h"
#include "ports/TextMetrics.h"

namespace nuv {

class Image;

// The balloon picture: `image` is the piece cut out of the object picture at `path`; its pixel
// `source` goes to (0, 0) of the client area. Without an image the client is filled with `fill`.
struct BalloonBackground {
    std::string path;
    Rect piece;
    Point source{1, 1};
    std::shared_ptr<const Image> image;
    Pixel fill = MakePixel(255, 255, 255);
};

// A picture of a picture tag, drawn with its top-left corner at `at`; its pure green pixels
// (kPureGreen) are not drawn.
struct BalloonPicture {
    std::string path;
    Point at;
    std::shared_ptr<const Image> image;
};

// Text drawn with a transparent background, its top-left corner at `at`; `text` holds no
// markup.
struct BalloonTextRun {
    std::string text;
    Point at;
    Pixel colour = 0;
    TextFont font;

    bool operator==(const BalloonTextRun& o) const {
        return text == o.text && at == o.at && colour == o.colour && font == o.font;
    }
};

// The client rectangle of link `link` (an index into the balloon's addresses).
struct BalloonLinkArea {
    int link = 0;
    Rect area;

    bool operator==(const BalloonLinkArea& o) const { return link == o.link && area == o.area; }
};

struct BalloonDrawing {
    Size size;  // the window's size
    BalloonBackground background;
    std::vector<BalloonPicture> pictures;
    std::vector<BalloonTextRun> runs;
    std::vector<BalloonLinkArea> linkAreas;  // for hit tests only, not drawn
};

}  // namespace nuv
