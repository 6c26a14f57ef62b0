#pragma once
// The colours of a pet and of its pictures.

#include <string>

#include "formats/Image.h"

namespace nuv::art {

struct Palette {
    const char* name;   // the pet's name, UTF-8
    Pixel outline;      // every outline, eyes' rims, mouth lines
    Pixel fur;          // body, head, tail, limbs
    Pixel furShade;     // far limbs, back stripes
    Pixel furLight;     // gliding membrane, tail tip
    Pixel cream;        // face, belly
    Pixel earInner;     // inside of the ears
    Pixel blush;        // cheeks
    Pixel eye;          // eyes
    Pixel shine;        // highlights of the eyes
    Pixel nose;         // nose
    Pixel mouthInside;  // open mouth
    Pixel tongue;       // tongue
};

// The first pet's colours: a caramel brown flying squirrel.
Palette FirstPalette();
// The sibling's colours: a silver grey flying squirrel.
Palette SecondPalette();
// The palette called `name` ("first" or "second"); false for any other name.
bool PaletteByName(const std::string& name, Palette& palette);

// Colours of the things around the pet, the same for both palettes.
namespace colours {
constexpr Pixel kInk = MakePixel(52, 34, 26);
constexpr Pixel kWhite = MakePixel(255, 255, 255);
constexpr Pixel kHeart = MakePixel(236, 72, 98);
constexpr Pixel kHeartLight = MakePixel(255, 160, 176);
constexpr Pixel kStar = MakePixel(255, 210, 64);
constexpr Pixel kStarLight = MakePixel(255, 244, 170);
constexpr Pixel kAcornCap = MakePixel(128, 84, 48);
constexpr Pixel kAcornCapLight = MakePixel(168, 118, 72);
constexpr Pixel kAcornNut = MakePixel(206, 132, 60);
constexpr Pixel kAcornNutLight = MakePixel(236, 176, 104);
constexpr Pixel kWater = MakePixel(138, 198, 255);
constexpr Pixel kWaterLight = MakePixel(220, 240, 255);
constexpr Pixel kSleep = MakePixel(196, 214, 255);
constexpr Pixel kLeaf = MakePixel(104, 178, 80);
constexpr Pixel kLeafDark = MakePixel(64, 128, 56);
constexpr Pixel kWood = MakePixel(150, 104, 66);
constexpr Pixel kWoodDark = MakePixel(112, 74, 46);
constexpr Pixel kWoodLight = MakePixel(214, 170, 118);
constexpr Pixel kWoodRing = MakePixel(186, 138, 90);
constexpr Pixel kAnger = MakePixel(232, 60, 60);
}  // namespace colours

}  // namespace nuv::art
