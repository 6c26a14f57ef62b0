#include "petart/Palette.h"

namespace nuv::art {

Palette FirstPalette() {
    Palette p;
    p.name = u8"토리";
    p.outline = MakePixel(66, 40, 28);
    p.fur = MakePixel(224, 154, 90);
    p.furShade = MakePixel(192, 122, 66);
    p.furLight = MakePixel(242, 192, 134);
    p.cream = MakePixel(254, 240, 214);
    p.earInner = MakePixel(244, 170, 158);
    p.blush = MakePixel(248, 150, 146);
    p.eye = MakePixel(42, 26, 20);
    p.shine = MakePixel(255, 255, 255);
    p.nose = MakePixel(140, 70, 58);
    p.mouthInside = MakePixel(150, 52, 52);
    p.tongue = MakePixel(240, 120, 120);
    return p;
}

Palette SecondPalette() {
    Palette p;
    p.name = u8"보리";
    p.outline = MakePixel(46, 46, 66);
    p.fur = MakePixel(166, 174, 198);
    p.furShade = MakePixel(132, 140, 168);
    p.furLight = MakePixel(202, 208, 226);
    p.cream = MakePixel(250, 248, 242);
    p.earInner = MakePixel(238, 178, 190);
    p.blush = MakePixel(246, 158, 170);
    p.eye = MakePixel(28, 28, 44);
    p.shine = MakePixel(255, 255, 255);
    p.nose = MakePixel(118, 78, 98);
    p.mouthInside = MakePixel(140, 52, 70);
    p.tongue = MakePixel(240, 124, 140);
    return p;
}

bool PaletteByName(const std::string& name, Palette& palette) {
    if (name == "first") {
        palette = FirstPalette();
        return true;
    }
    if (name == "second") {
        palette = SecondPalette();
        return true;
    }
    return false;
}

}  // namespace nuv::art
