#include "petart/Pictures.h"

#include <cstdio>

namespace nuv::art {
namespace {

std::string PlaceLine(const ObjectPlace& p) {
    char line[160];
    std::snprintf(line, sizeof line, "  %-22s left %3d, top %3d, width %3d, height %3d\n", p.name,
                  p.left, p.top, p.width, p.height);
    return line;
}

}  // namespace

std::vector<NamedPicture> DrawPictures(const Palette& palette) {
    std::vector<NamedPicture> pictures{
        {"icons.png", DrawIcons()},
        {"objects.png", DrawObjects()},
        {"petload.png", DrawLoadPicture(palette)},
        {"petbar00.png", DrawGaugeCells()},
        {"petend.png", DrawEndPicture(palette)},
    };
    for (NamedPicture& p : DrawBalloonPictures())
        pictures.push_back(std::move(p));
    return pictures;
}

std::string PictureGuide() {
    std::string text =
        "icons.png: menu icons of 13 x 13 pixels stacked from the top (icon n in rows 13n to\n"
        "13n + 12), pure green transparent:\n";
    for (size_t i = 0; i < IconNames().size(); ++i) {
        text += "  " + std::to_string(i) + " " + IconNames()[i] + "\n";
    }
    text += "\nobjects.png: the object image.\n" + PlaceLine(kBalloonPlace) +
            "    speech balloon of kinds 0 and 1 (light); text from x 44, y 37, 150 px wide\n" +
            PlaceLine(kMessageBalloonPlace) +
            "    message balloon of kind 2 (night blue, for yellow text); text from x 17\n" +
            PlaceLine(kStumpAfterPlace) +
            "    outing object record 3 (shown after the pet took the acorn)\n" +
            PlaceLine(kStumpBeforePlace) + "    outing object record 4 (shown first)\n";
    std::vector<ObjectPlace> places;
    DrawBalloonPictures(&places);
    text += "  small pictures, also as img_<name>.png for <IMG> tags:\n";
    for (const ObjectPlace& p : places)
        text += "  " + PlaceLine(p);
    text += "\nRecord lines for the object section (the outing uses records 3 and 4):\n";
    const ObjectPlace records[] = {kBalloonPlace, kMessageBalloonPlace, places.front(),
                                   kStumpAfterPlace, kStumpBeforePlace};
    for (int i = 0; i < 5; ++i) {
        const ObjectPlace& p = records[i];
        text += "  " + std::to_string(i) + " ; " + std::to_string(p.width) + " , " +
                std::to_string(p.height) + " ; " + std::to_string(p.left) + " , " +
                std::to_string(p.top) + " ; 0 ; " + p.name + " ;\n";
    }
    text +=
        "\npetbar00.png: gauge cells of 16 x 16: x 0 middle (yellow), 16 empty, 32 high (green),\n"
        "48 spare (blue), 64 low (red).\n"
        "petload.png: 363 x 192 loading picture; plain sky around (80, 133) and (360, 133).\n"
        "petend.png: 240 x 160 goodbye picture.\n";
    return text;
}

}  // namespace nuv::art
