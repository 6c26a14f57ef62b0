#pragma once
// The speech balloon's kinds and measures: pieces of the object picture, fonts, line rules,
// where text goes and where the balloon opens.

#include "formats/Image.h"
#include "ports/TextMetrics.h"

namespace nuv {

constexpr int kLinkBalloon = 0;     // advertisement messages, whole text on the first tick
constexpr int kTypingBalloon = 1;   // talk texts, typed one character per tick
constexpr int kMessageBalloon = 2;  // event messages, whole text at creation

inline bool IsBalloonKind(int kind) {
    return kind >= kLinkBalloon && kind <= kMessageBalloon;
}

// A piece of a laid-out line may end at this many pixels at most.
constexpr int kLineWidthLimit = 150;
// A typing balloon keeps this many lines; older ones scroll away.
constexpr int kTypingLinesKept = 7;

constexpr Pixel kBalloonTextColour = MakePixel(0, 0, 0);
constexpr Pixel kBalloonLinkColour = MakePixel(0, 0, 255);
constexpr Pixel kBalloonShadowColour = MakePixel(221, 221, 221);
constexpr Pixel kBalloonLinkShadowColour = MakePixel(204, 204, 204);
constexpr Pixel kBalloonMessageColour = MakePixel(255, 255, 0);

// The piece of the object picture that makes the balloon of `kind`.
inline Rect BalloonPiece(int kind) {
    return kind == kMessageBalloon ? Rect{49, 329, 49 + 182, 329 + 183}
                                   : Rect{24, 43, 24 + 233, 43 + 203};
}

// The normal font of `kind`, or its link font (the same, underlined), at `zoom`.
inline TextFont BalloonFont(int kind, bool link, int zoom = 1) {
    TextFont font;
    font.height = (kind == kLinkBalloon ? 16 : 12) * zoom;
    font.fixedPitch = kind != kLinkBalloon;
    font.underline = link;
    return font;
}

// Where the balloon of `kind` opens for a pet window at `pet`, both in pet pixels.
inline Point BalloonPlacement(int kind, const Rect& pet) {
    int centre = (pet.left + pet.right) / 2;
    if (kind == kMessageBalloon) return Point{centre - 91, pet.top - 170};
    return Point{centre - 130, pet.bottom - 260};
}

}  // namespace nuv
