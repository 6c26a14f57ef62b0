#pragma once
// What a popup menu shows, built anew for every showing.

#include <string>
#include <vector>

#include "formats/Image.h"

namespace nuv {

// The longest side of a menu icon.
constexpr int kMaxMenuIconSide = 256;

struct MenuItem {
    enum Kind { kCommand, kSeparator, kSubmenu, kGauge };
    Kind kind = kCommand;
    int command = 0;     // kCommand: the command id sent when chosen (0: none)
    std::string text;    // kCommand and kSubmenu: the caption
    int iconIndex = -1;  // 0..19: the menu icon shown in the check-mark column
    bool enabled = true;
    bool checked = false;
    int gauge = -1;               // kGauge: 0..3
    std::vector<MenuItem> items;  // kSubmenu

    static MenuItem Separator() {
        MenuItem item;
        item.kind = kSeparator;
        return item;
    }
};

// A gauge item's picture: the cells composed in the core, the label drawn by the shell at
// (0, 2) in the fixed-pitch font of height 12.
struct GaugePicture {
    std::string label;
    int labelWidth = 0;
    Image picture;  // 220 x 16
};

struct MenuModel {
    std::vector<MenuItem> items;
    std::vector<GaugePicture> gauges;  // by gauge number
    // The menu icons by index 0..19 (empty when there is none).
    const std::vector<Image>* icons = nullptr;
};

}  // namespace nuv
