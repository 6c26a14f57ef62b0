#include <algorithm>

#include "base/Cp949.h"
#include "base/Log.h"
#include "base/TextFunctions.h"
#include "formats/BcfImage.h"
#include "pet/Pet.h"
#include "ports/Clock.h"
#include "ports/FileSystem.h"
#include "ports/PetWindow.h"
#include "ports/PopupMenu.h"
#include "ports/StdClock.h"
#include "ports/TextMetrics.h"
#include "script/PetIds.h"

namespace nuv {
namespace {

constexpr int kGaugeWidth = 220, kGaugeHeight = 16, kCell = 16;
constexpr int kMaxSubmenus = 10;

bool IsShown(const MnuEntry& entry, long long statSum, int points) {
    if (entry.statSumLow == -1) return true;
    return entry.statSumLow <= statSum && statSum <= entry.statSumHigh &&
           entry.pointLow <= points && points <= entry.pointHigh;
}

MenuItem Popup(const MnuEntry& entry) {
    MenuItem item;
    item.kind = MenuItem::kSubmenu;
    item.text = entry.caption;
    item.iconIndex = entry.iconIndex;
    return item;
}

// A status line holds at most 99 bytes.
std::string StatusLine(const std::string& text) {
    return cp949::CutBytes(text, 99);
}

MenuItem Disabled(std::string text) {
    MenuItem item;
    item.text = std::move(text);
    item.enabled = false;
    return item;
}

MenuItem Command(int command, std::string text, bool checked = false, bool enabled = true) {
    MenuItem item;
    item.command = command;
    item.text = std::move(text);
    item.checked = checked;
    item.enabled = enabled;
    return item;
}

void CopyCell(const Image& bar, int sourceX, Image& target, int targetX, Pixel menuColor) {
    for (int y = 0; y < kCell && y < target.height(); ++y) {
        for (int x = 0; x < kCell; ++x) {
            int tx = targetX + x, sx = sourceX + x;
            if (tx < 0 || tx >= target.width()) continue;
            bool inBar = sx < bar.width() && y < bar.height();
            target.Set(tx, y, inBar ? bar.At(sx, y) : menuColor);
        }
    }
    for (int cx : {targetX, targetX + kCell - 1}) {
        for (int cy : {0, kCell - 1}) {
            if (cx >= 0 && cx < target.width()) target.Set(cx, cy, menuColor);
        }
    }
}

}  // namespace

MenuModel CPet::BuildPopupMenu() {
    MenuModel menu;
    menu.icons = &menuIcons_;
    const PetInfos& infos = GetPetInfos();
    long long statSum = (long long)infos.PetS0 + infos.PetS1 + infos.PetS2 + infos.PetS3;
    int openSubmenu = -1;  // index in the top menu
    int submenus = 0;
    for (const MnuEntry& entry : MenuItems()) {
        if (!IsShown(entry, statSum, infos.PetPoint)) continue;
        switch (entry.command) {
            case CommandId::kSeparator:
                menu.items.push_back(MenuItem::Separator());
                break;
            case CommandId::kSubmenuBegin:
                // The menu holds at most ten submenus; items of further ones join the top menu.
                openSubmenu = -1;
                if (submenus++ >= kMaxSubmenus) break;
                menu.items.push_back(Popup(entry));
                openSubmenu = int(menu.items.size()) - 1;
                break;
            case CommandId::kSubmenuEnd:
                openSubmenu = -1;
                break;
            case CommandId::kStatusSubmenu:
            case CommandId::kOptionsSubmenu: {
                MenuItem popup = Popup(entry);
                popup.items =
                    entry.command == CommandId::kStatusSubmenu ? StatusItems(menu) : OptionItems();
                menu.items.push_back(std::move(popup));
                break;
            }
            default: {
                MenuItem item = Command(entry.command, entry.caption);
                item.iconIndex = entry.iconIndex;
                (openSubmenu >= 0 ? menu.items[openSubmenu].items : menu.items)
                    .push_back(std::move(item));
            }
        }
    }
    return menu;
}

std::vector<MenuItem> CPet::StatusItems(MenuModel& menu) const {
    const PetInfos& infos = GetPetInfos();
    std::vector<MenuItem> items;
    items.push_back(
        Disabled(StatusLine(SafeFormat(TextOf(TextId::kMenuStatusName), {infos.PetName}, {}))));
    items.push_back(MenuItem::Separator());
    Image bar = LoadBCFImage(files_, JoinPath(".\\PETS\\", "PETBAR00.BCF", ""));
    menu.gauges.clear();
    for (int i = 0; i < 4; ++i) {
        menu.gauges.push_back(DrawGauge(i, TextOf(TextId::kMenuGaugeFirst + i), bar));
        MenuItem gauge;
        gauge.kind = MenuItem::kGauge;
        gauge.gauge = i;
        gauge.enabled = false;
        items.push_back(gauge);
    }
    items.push_back(MenuItem::Separator());
    items.push_back(
        Disabled(StatusLine(SafeFormat(TextOf(TextId::kMenuLevel), {}, {infos.PetLevel + 1}))));
    items.push_back(Disabled(StatusLine(SafeFormat(TextOf(TextId::kMenuAge), {}, {AgeInDays()}))));
    return items;
}

std::vector<MenuItem> CPet::OptionItems() const {
    const PetInfos& infos = GetPetInfos();
    std::vector<MenuItem> items;
    items.push_back(
        Command(CommandId::kToggleOnTop, TextOf(TextId::kMenuOnTop), infos.PetOnTop != 0));
    items.push_back(
        Command(CommandId::kToggleSound, TextOf(TextId::kMenuSound), infos.PetOnSound != 0));
    const std::string* autostart = FindText(TextId::kMenuAutostart);
    items.push_back(Command(CommandId::kToggleAutostart,
                            autostart ? *autostart : "컴퓨터를 켜면 함께 시작",
                            ports_.system->StartsWithDesktop()));
    items.push_back(MenuItem::Separator());
    items.push_back(Command(CommandId::kRename, TextOf(TextId::kMenuRename)));
    items.push_back(Command(CommandId::kChangePet, TextOf(TextId::kMenuChangePet), false,
                            GetPetsList().entries.size() > 1));
    const std::string* about = FindText(TextId::kMenuAbout);
    const std::string* registration = FindText(TextId::kMenuRegistration);
    items.push_back(Command(CommandId::kAbout, about ? *about : "정보..."));
    items.push_back(
        Command(CommandId::kRegistration, registration ? *registration : "사용자 등록..."));
    items.push_back(MenuItem::Separator());
    static const char* const kZoomCaptions[] = {"크기 자동", "크기 1배", "크기 2배", "크기 3배"};
    for (int setting = 0; setting < 4; ++setting) {
        const std::string* caption = FindText(TextId::kMenuZoomAuto + setting);
        items.push_back(Command(CommandId::kZoomAuto + setting,
                                caption ? *caption : kZoomCaptions[setting],
                                zoomSetting_ == setting));
    }
    return items;
}

void CPet::ShowPopupMenu(Point screen) {
    MenuModel menu = BuildPopupMenu();
    ports_.menu->Track(menu, screen);
}

GaugePicture CPet::DrawGauge(int number, const std::string& label) const {
    return DrawGauge(number, label,
                     LoadBCFImage(files_, JoinPath(".\\PETS\\", "PETBAR00.BCF", "")));
}

GaugePicture CPet::DrawGauge(int number, const std::string& label, const Image& bar) const {
    const PetInfos& infos = GetPetInfos();
    const int counters[4] = {infos.PetS0, infos.PetS1, infos.PetS2, infos.PetS3};
    int units = std::max(counters[number & 3], 0) / 1000;
    Pixel menuColor = ports_.menu->MenuColor();
    GaugePicture gauge;
    gauge.label = label;
    gauge.labelWidth = ports_.text->TextWidth(label, {12, true, false});
    gauge.picture = Image(kGaugeWidth, kGaugeHeight, menuColor);
    int source = units >= 8 ? 32 : units < 5 ? 64 : 0;
    // A full cell for each thousand, empty cells up to the tenth; cells past the picture's
    // right edge are cut off.
    for (int k = 0; k < std::max(units, 10); ++k) {
        int64_t x = int64_t(gauge.labelWidth) + 17 * int64_t(k);
        if (x >= kGaugeWidth) break;
        CopyCell(bar, k < units ? source : 16, gauge.picture, int(x), menuColor);
    }
    return gauge;
}

Image CPet::MakeMenuIcon(int index, int width, int height) const {
    return CutMenuIcon(LoadBCFImage(files_, JoinPath(".\\PETS\\", Icons().iconImage, "")), index,
                       width, height);
}

Image CPet::CutMenuIcon(const Image& iconImage, int index, int width, int height) const {
    if (iconImage.empty() || width <= 0 || height <= 0 || width > kMaxMenuIconSide ||
        height > kMaxMenuIconSide) {
        return {};
    }
    Image icon(width, height, ports_.menu->MenuColor());
    const int64_t top = int64_t(index) * height;
    const int columns = std::min(width, iconImage.width());
    for (int y = 0; y < height; ++y) {
        const int64_t r = top + y;
        if (r < 0 || r >= iconImage.height()) continue;
        for (int c = 0; c < columns; ++c) {
            Pixel p = iconImage.At(c, int(r));
            if (p != kPureGreen) icon.Set(c, y, p);
        }
    }
    return icon;
}

void CPet::MakeMenuIcons() {
    const IconSet& icons = Icons();
    const Size size{icons.iconWidth, icons.iconHeight};
    Image iconImage;
    bool iconImageRead = false;
    for (const MnuEntry& item : MenuItems()) {
        int index = item.iconIndex;
        if (index < 0 || index >= kMenuIconSlots || !menuIcons_[index].empty()) continue;
        if (!iconImageRead) {
            iconImage = LoadBCFImage(files_, JoinPath(".\\PETS\\", icons.iconImage, ""));
            iconImageRead = true;
            bool sane = size.width <= kMaxMenuIconSide && size.height <= kMaxMenuIconSide;
            if (!iconImage.empty() && !(sane && FitsIn(size, iconImage))) {
                WriteLogF(
                    "InitPet() - 메뉴 아이콘 크기 %dx%d가 아이콘 이미지(%dx%d)에 맞지 않아 "
                    "아이콘 없이 시작합니다.",
                    size.width, size.height, iconImage.width(), iconImage.height());
                return;
            }
        }
        menuIcons_[index] = CutMenuIcon(iconImage, index, size.width, size.height);
    }
}

int CPet::AgeInDays() const {
    const std::string& date = GetPetInfos().PetStartDate;
    auto part = [&date](std::size_t at, std::size_t length) {
        return at < date.size() ? TextToInt(date.substr(at, length)) : 0;
    };
    LocalTime start{part(0, 4), part(4, 2), part(6, 2), part(8, 2), part(10, 2), 0};
    int64_t seconds = SecondsFromCivil(clock_.Now()) - SecondsFromCivil(start);
    return int(seconds / 3600 / 24);
}

}  // namespace nuv
