#include "petart/Commands.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "petart/ContactSheet.h"
#include "petart/FrameCheck.h"
#include "petart/PetAnimator.h"
#include "petart/PetSounds.h"
#include "petart/Pictures.h"
#include "petart/PngFile.h"

namespace nuv::art {
namespace {

bool ParseNumber(const std::string& text, int& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || v < -1000000 || v > 1000000) return false;
    value = int(v);
    return true;
}

bool ParseList(const std::string& text, std::vector<int>& values) {
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t comma = std::min(text.find(',', pos), text.size());
        int v = 0;
        if (!ParseNumber(text.substr(pos, comma - pos), v)) return false;
        values.push_back(v);
        pos = comma + 1;
    }
    return !values.empty();
}

// The folder and any missing folders above it.
bool MakeFolder(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return !ec && std::filesystem::is_directory(path, ec);
}

// The pet with all its frames and animations in the palette of the options.
struct DrawnPet {
    explicit DrawnPet(const Palette& p) : palette(p), sheet(p) {
        CPetAnimator animator(sheet, book);
        BuildPetAnimations(animator);
        AddPetSounds(book);
    }
    Palette palette;
    CFrameSheet sheet;
    CAnimationBook book;
};

bool Save(const Image& image, const std::string& path) {
    std::string error;
    if (WritePng(image, path, error)) return true;
    std::fprintf(stderr, "petart: %s\n", error.c_str());
    return false;
}

bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (file) return true;
    std::fprintf(stderr, "petart: cannot write %s\n", path.c_str());
    return false;
}

int ReportFrames(const DrawnPet& pet, bool quiet) {
    int bad = 0;
    for (size_t i = 0; i < pet.sheet.frames().size(); ++i) {
        FrameReport r = CheckFrame(pet.sheet.frames()[i], pet.palette.outline);
        std::vector<std::string> problems = FrameProblems(r);
        if (!problems.empty()) ++bad;
        auto gap = pet.sheet.enclosedGaps().find(int(i));
        if (gap != pet.sheet.enclosedGaps().end() && !quiet) {
            problems.push_back("closed gap of " + std::to_string(gap->second) + " pixels filled");
        }
        if (problems.empty()) continue;
        std::string text;
        for (const std::string& p : problems)
            text += (text.empty() ? "" : ", ") + p;
        std::printf("frame %zu: %s\n", i, text.c_str());
    }
    for (const std::string& p : pet.book.problems()) {
        std::printf("%s\n", p.c_str());
        ++bad;
    }
    return bad;
}

}  // namespace

bool ParseOptions(const std::vector<std::string>& args, Options& o, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool hasValue = i + 1 < args.size();
        if (arg.rfind("--", 0) == 0 && arg != "--animations" && !hasValue) {
            error = "option " + arg + " needs a value";
            return false;
        }
        if (arg == "--palette") {
            o.palette = args[++i];
            Palette unused;
            if (!PaletteByName(o.palette, unused)) {
                error = "unknown palette '" + o.palette + "'";
                return false;
            }
        } else if (arg == "--scale") {
            if (!ParseNumber(args[++i], o.scale) || o.scale < 1 || o.scale > 8) {
                error = "--scale takes 1 to 8";
                return false;
            }
        } else if (arg == "--per-row") {
            if (!ParseNumber(args[++i], o.perRow) || o.perRow < 1 || o.perRow > 64) {
                error = "--per-row takes 1 to 64";
                return false;
            }
        } else if (arg == "--frames") {
            std::vector<int> range;
            std::string text = args[++i];
            std::replace(text.begin(), text.end(), '-', ',');
            if (!ParseList(text, range) || range.size() > 2) {
                error = "--frames takes A or A-B";
                return false;
            }
            o.firstFrame = range[0];
            o.lastFrame = range.back();
        } else if (arg == "--animations") {
            o.byAnimation = true;
        } else if (arg == "--ids") {
            if (!ParseList(args[++i], o.ids)) {
                error = "--ids takes numbers separated by commas";
                return false;
            }
            o.byAnimation = true;
        } else if (arg.rfind("--", 0) == 0) {
            error = "unknown option " + arg;
            return false;
        } else {
            o.paths.push_back(arg);
        }
    }
    return true;
}

int RunDraw(const Options& o) {
    if (o.paths.size() != 1) {
        std::fprintf(stderr, "petart: draw needs one output folder\n");
        return 2;
    }
    Palette palette;
    PaletteByName(o.palette, palette);
    DrawnPet pet(palette);
    const std::string out = o.paths[0];
    if (!MakeFolder(out) || !MakeFolder(out + "/frames")) {
        std::fprintf(stderr, "petart: cannot make the folder %s\n", out.c_str());
        return 1;
    }
    for (size_t i = 0; i < pet.sheet.frames().size(); ++i) {
        char name[48];
        std::snprintf(name, sizeof name, "/frames/%03zu.png", i);
        if (!Save(pet.sheet.frames()[i], out + name)) return 1;
    }
    for (const NamedPicture& picture : DrawPictures(palette)) {
        if (!Save(picture.image, out + "/" + picture.name)) return 1;
    }
    if (!WriteText(out + "/animations.txt", pet.book.Text()) ||
        !WriteText(out + "/sounds.txt", SoundListText()) ||
        !WriteText(out + "/pictures.txt", PictureGuide())) {
        return 1;
    }
    std::printf("%zu frames, %zu animations\n", pet.sheet.frames().size(),
                pet.book.animations().size());
    return ReportFrames(pet, true) == 0 ? 0 : 1;
}

int RunContact(const Options& o) {
    if (o.paths.size() != 1) {
        std::fprintf(stderr, "petart: contact needs one output file\n");
        return 2;
    }
    Palette palette;
    PaletteByName(o.palette, palette);
    DrawnPet pet(palette);
    const std::vector<Image>& all = pet.sheet.frames();
    Image contact;
    if (o.byAnimation) {
        contact = AnimationContactSheet(all, pet.book, o.perRow, o.ids);
    } else {
        size_t first = std::min<size_t>(size_t(std::max(o.firstFrame, 0)), all.size());
        size_t last = std::min<size_t>(size_t(std::max(o.lastFrame, 0)) + 1, all.size());
        contact = FrameContactSheet(
            std::vector<Image>(all.begin() + first, all.begin() + std::max(first, last)), o.perRow,
            int(first));
    }
    return Save(ScaledImage(contact, o.scale), o.paths[0]) ? 0 : 1;
}

int RunZoom(const Options& o) {
    if (o.paths.size() != 2) {
        std::fprintf(stderr, "petart: zoom needs an input and an output file\n");
        return 2;
    }
    std::string error;
    Image image = ReadPng(o.paths[0], error);
    if (image.empty()) {
        std::fprintf(stderr, "petart: %s\n", error.c_str());
        return 1;
    }
    return Save(ScaledImage(image, o.scale), o.paths[1]) ? 0 : 1;
}

int RunCheck(const Options& o) {
    Palette palette;
    PaletteByName(o.palette, palette);
    DrawnPet pet(palette);
    int bad = ReportFrames(pet, false);
    std::printf("%zu frames, %zu animations, %d with problems\n", pet.sheet.frames().size(),
                pet.book.animations().size(), bad);
    return bad == 0 ? 0 : 1;
}

}  // namespace nuv::art
