// pettool contact: every frame of a pet, or its other pictures, on one PNG file.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>

#include "balloon/BalloonGeometry.h"
#include "base/Log.h"
#include "formats/BcfImage.h"
#include "formats/PetConfig.h"
#include "host/PosixFileSystem.h"
#include "pet/MenuModel.h"
#include "pettool/Commands.h"
#include "pettool/ContactSheet.h"
#include "pettool/JsonOutput.h"
#include "pettool/PngIo.h"
#include "ports/FileLog.h"
#include "ports/StdClock.h"
#include "script/AniScript.h"
#include "shape/RegionData.h"

namespace nuv::tool {
namespace {

constexpr int kMenuIcons = 20;
const Pixel kMenuColour = MakePixel(212, 208, 200);

struct ContactArgs {
    std::string root, out, pet;
    int perRow = 16;
    int scale = 1;
    bool pictures = false;
};

bool ParseCount(const std::string& text, int lo, int hi, int* value) {
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < lo || v > hi) return false;
    *value = int(v);
    return true;
}

bool ParseContactArgs(const Args& args, ContactArgs* out, std::string* error) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool hasValue = i + 1 < args.size();
        if (arg == "--pictures") {
            out->pictures = true;
        } else if (arg == "--pet" && hasValue) {
            out->pet = args[++i];
        } else if (arg == "--per-row" && hasValue) {
            if (!ParseCount(args[++i], 1, 64, &out->perRow))
                return *error = "--per-row takes 1 to 64", false;
        } else if (arg == "--scale" && hasValue) {
            if (!ParseCount(args[++i], 1, 8, &out->scale))
                return *error = "--scale takes 1 to 8", false;
        } else if (!arg.empty() && arg[0] != '-') {
            paths.push_back(arg);
        } else {
            return *error = "unknown or incomplete argument '" + arg + "'", false;
        }
    }
    if (paths.size() != 2) return *error = "needs ROOT and OUT.png", false;
    out->root = paths[0];
    out->out = paths[1];
    return true;
}

// The active pet of PET.CFG.
std::string ActivePet(IFileSystem& files) {
    CPetConfig config;
    if (!config.LoadCommonConfigFile(files, ".\\DATA\\PET.CFG") || !config.SetUserInfoPart() ||
        !config.SetPetsInfoPart() || config.FindActivePet() < 0) {
        return {};
    }
    return config.GetPetsList().entries[std::size_t(config.FindActivePet())].name;
}

bool Frames(IFileSystem& files, const std::string& pet, const ContactArgs& args, Image* sheet) {
    StdClock clock;
    CRegionData regions;
    Image pictures = LoadBCFImage(files, JoinPath(".\\PETS\\", pet, ".BCF"));
    if (pictures.empty() ||
        !regions.SetRegionData(files, JoinPath(".\\PETS\\", pet, ".RGN"), clock)) {
        return false;
    }
    int width = args.perRow * (regions.frameWidth() + 8) + 8;
    *sheet = LayOut(CutFrames(pictures, regions), width, true);
    return true;
}

// Four gauges as the status menu draws them: 9000, 6000, 3000 and 0 of 10000.
Image Gauges(const Image& bar) {
    Image gauges(10 * 17, 4 * 20, kMenuColour);
    for (int row = 0; row < 4; ++row) {
        int units = 9 - 3 * row;
        for (int k = 0; k < 10; ++k) {
            int source = k >= units ? 16 : units >= 8 ? 32 : units < 5 ? 64 : 0;
            Image cell = CutPicture(bar, {source, 0, source + 16, 16});
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    bool corner = (x == 0 || x == 15) && (y == 0 || y == 15);
                    gauges.Set(17 * k + x, 20 * row + y, corner ? kMenuColour : cell.At(x, y));
                }
            }
        }
    }
    return gauges;
}

Image StackedVertically(const std::vector<Image>& parts) {
    int width = 0, height = 0;
    for (const Image& part : parts) {
        width = std::max(width, part.width());
        height += part.height();
    }
    Image out(width, height, MakePixel(250, 250, 250));
    int top = 0;
    for (const Image& part : parts) {
        for (int y = 0; y < part.height(); ++y) {
            for (int x = 0; x < part.width(); ++x)
                out.Set(x, top + y, part.At(x, y));
        }
        top += part.height();
    }
    return out;
}

// The piece of `size` at (left, top) of `picture`; nothing when the picture cannot hold a
// piece of that size (the sizes come from the script). A piece may leave the picture.
std::optional<Rect> PieceOf(const Image& picture, int left, int top, Size size) {
    if (!FitsIn(size, picture) || int64_t(left) + size.width > INT32_MAX ||
        int64_t(top) + size.height > INT32_MAX) {
        return std::nullopt;
    }
    return Rect{left, top, left + size.width, top + size.height};
}

// The balloons, the object pictures, the menu icons with their numbers, the gauges, the
// loading and the goodbye pictures.
bool Pictures(IFileSystem& files, const std::string& pet, Image* sheet) {
    CAniScript script;
    if (!script.LoadScriptFile(files, JoinPath(".\\PETS\\", pet, ".ANI")) ||
        !script.ReadAllSections()) {
        return false;
    }
    Image objects = LoadBCFImage(files, JoinPath(".\\PETS\\", script.Objects().objectImage, ""));
    std::vector<Image> scene = {CutPicture(objects, BalloonPiece(kTypingBalloon)),
                                CutPicture(objects, BalloonPiece(kMessageBalloon))};
    for (const ObjEntry& o : script.Objects().records) {
        std::optional<Rect> rect = PieceOf(objects, o.left, o.top, {o.width, o.height});
        if (!rect) {
            std::fprintf(stderr, "pettool contact: object %d (%dx%d) is larger than its picture\n",
                         o.id, o.width, o.height);
            continue;
        }
        if (*rect == BalloonPiece(kTypingBalloon) || *rect == BalloonPiece(kMessageBalloon)) {
            continue;
        }
        Image piece = CutPicture(objects, *rect);
        scene.push_back(Scaled(piece, piece.height() < 64 ? 2 : 1));
    }
    const IconSet& set = script.Icons();
    Image iconImage = LoadBCFImage(files, JoinPath(".\\PETS\\", set.iconImage, ""));
    std::vector<Image> icons;
    const Size iconSize{set.iconWidth, set.iconHeight};
    bool sane = iconSize.width <= kMaxMenuIconSide && iconSize.height <= kMaxMenuIconSide;
    if (!sane || (!iconImage.empty() && !FitsIn(iconSize, iconImage))) {
        std::fprintf(stderr, "pettool contact: menu icons of %dx%d do not fit their picture\n",
                     iconSize.width, iconSize.height);
    } else {
        for (int i = 0; i < kMenuIcons && iconSize.width > 0 && iconSize.height > 0; ++i) {
            Rect rect{0, i * iconSize.height, iconSize.width, (i + 1) * iconSize.height};
            icons.push_back(Scaled(CutPicture(iconImage, rect), 3));
        }
    }
    std::vector<Image> screens = {Scaled(Gauges(LoadBCFImage(files, ".\\PETS\\PETBAR00.BCF")), 2),
                                  LoadBCFImage(files, ".\\PETS\\PETLOAD.BCF"),
                                  LoadBCFImage(files, ".\\PETS\\PETEND.BCF")};
    const int width = 960;
    *sheet = StackedVertically(
        {LayOut(scene, width, false), LayOut(icons, width, true), LayOut(screens, width, false)});
    return true;
}

}  // namespace

int RunContact(const Args& arguments) {
    ContactArgs args;
    std::string error;
    if (!ParseContactArgs(arguments, &args, &error)) {
        std::fprintf(stderr,
                     "pettool contact: %s\nusage: pettool contact ROOT OUT.png [--pet NAME] "
                     "[--per-row N] [--scale N] [--pictures]\n",
                     error.c_str());
        return 2;
    }
    PosixFileSystem host(args.root);
    DeviceNameGuard files(host);
    StdClock clock;
    FileLog fileLog(files, clock);
    std::optional<LogSinkScope> logged(std::in_place, &fileLog);
    LogCapture log;
    std::string pet = args.pet.empty() ? ActivePet(files) : args.pet;
    Image sheet;
    bool ok = !pet.empty() &&
              (args.pictures ? Pictures(files, pet, &sheet) : Frames(files, pet, args, &sheet));
    logged.reset();
    if (!ok) {
        for (const std::string& line : log.messages())
            std::fprintf(stderr, "%s\n", Utf8(line).c_str());
        std::fprintf(stderr, "pettool contact: cannot read the pet%s%s of %s\n",
                     pet.empty() ? "" : " ", pet.c_str(), args.root.c_str());
        return 1;
    }
    std::string png = EncodePng(Scaled(sheet, args.scale));
    std::ofstream file(args.out, std::ios::binary | std::ios::trunc);
    file.write(png.data(), std::streamsize(png.size()));
    if (png.empty() || !file) {
        std::fprintf(stderr, "pettool contact: cannot write %s\n", args.out.c_str());
        return 1;
    }
    return 0;
}

}  // namespace nuv::tool
