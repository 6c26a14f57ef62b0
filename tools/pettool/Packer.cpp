#include "pettool/Packer.h"

#include <fstream>
#include <iterator>
#include <map>

#include "base/Cp949.h"
#include "base/Log.h"
#include "base/TextFunctions.h"
#include "formats/BmpDecoder.h"
#include "formats/ComplementedFile.h"
#include "formats/PetConfig.h"
#include "formats/PetFile.h"
#include "formats/PetInfo.h"
#include "pettool/PngIo.h"
#include "ports/FileLog.h"
#include "script/AniScript.h"

namespace nuv::tool {
namespace fs = std::filesystem;

namespace {

bool FitsName(const std::string& name, std::size_t bytes) {
    return !name.empty() && name.size() <= bytes &&
           name.find_first_of("\\/:*?\"<>| ") == std::string::npos && IsPlainFileName(name);
}

}  // namespace

Packer::Packer(const Manifest& manifest, fs::path sourceDir)
    : manifest_(manifest), sourceDir_(std::move(sourceDir)) {}

void Packer::Error(const std::string& where, const std::string& message) {
    errors_.push_back(where + message);
}

std::string Packer::Where(const ManifestFile& file) const {
    return manifest_.path + ":" + std::to_string(file.line) + ": " + file.source + ": ";
}

std::optional<std::string> Packer::ReadBytes(const ManifestFile& file) {
    std::ifstream in(sourceDir_ / file.source, std::ios::binary);
    if (!in) {
        Error(Where(file), "cannot open the file");
        return std::nullopt;
    }
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::optional<std::string> Packer::ReadText(const ManifestFile& file) {
    std::optional<std::string> bytes = ReadBytes(file);
    if (!bytes) return std::nullopt;
    std::string text = *bytes;
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    // Lines end in CR LF inside the program.
    std::string crlf;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) crlf += '\r';
        crlf += text[i];
    }
    std::string out;
    if (cp949::FromUtf8(crlf, &out)) return out;
    int line = 1;
    std::size_t start = 0;
    while (start <= crlf.size()) {
        std::size_t end = crlf.find('\n', start);
        if (end == std::string::npos) end = crlf.size();
        std::string ignored;
        if (!cp949::FromUtf8(crlf.substr(start, end - start), &ignored)) break;
        start = end + 1;
        ++line;
    }
    Error(Where(file),
          "line " + std::to_string(line) + ": text that code page 949 cannot hold (or not UTF-8)");
    return std::nullopt;
}

std::optional<Image> Packer::ReadPng(const std::string& source, const std::string& where) {
    std::ifstream in(sourceDir_ / source, std::ios::binary);
    if (!in) {
        Error(where, "cannot open " + source);
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string reason;
    std::optional<Image> image = DecodePng(bytes, &reason);
    if (!image) Error(where, source + ": " + reason);
    return image;
}

bool Packer::Build() {
    LogSinkScope noLogFile(nullptr);  // the readers write no log beside the pet
    LogCapture quiet;                 // the readers' own messages become errors where they matter
    PackConfig();
    PackPictures();
    CopyFiles(manifest_.cursors, ".\\PETS\\");
    CopyFiles(manifest_.sounds, ".\\PETSOUND\\");
    for (const ManifestPet& pet : manifest_.pets)
        PackPet(pet);
    return errors_.empty();
}

void Packer::PackConfig() {
    std::optional<std::string> text = ReadText(manifest_.config);
    if (!text) return;
    out_.Put(".\\DATA\\PET.CFG", Complement(*text));
    LogCapture log;
    CPetConfig config;
    if (!config.LoadCommonConfigFile(out_, ".\\DATA\\PET.CFG") || !config.SetUserInfoPart() ||
        !config.SetPetsInfoPart()) {
        for (const std::string& m : log.messages())
            Error(Where(manifest_.config), cp949::ToUtf8(m));
        return;
    }
    const PetsList& pets = config.GetPetsList();
    if (int(pets.entries.size()) != pets.PsNum) {
        Error(Where(manifest_.config), "PsNum says " + std::to_string(pets.PsNum) + " pets but " +
                                           std::to_string(pets.entries.size()) + " are listed");
    }
    if (config.FindActivePet() < 0) Error(Where(manifest_.config), "no pet is marked active");
    for (const PetEntry& entry : pets.entries) {
        bool packed = false;
        for (const ManifestPet& pet : manifest_.pets)
            packed |= IsSameKey(pet.name, entry.name);
        if (!packed) Error(Where(manifest_.config), "pet " + entry.name + " has no 'pet' entry");
    }
}

void Packer::PackPictures() {
    for (const ManifestFile& file : manifest_.pictures) {
        if (std::optional<Image> image = ReadPng(file.source, Where(file))) {
            out_.Put(".\\PETS\\" + file.target, MakeBcf(*image));
        }
    }
    for (const ManifestFile& file : manifest_.bitmaps) {
        if (std::optional<Image> image = ReadPng(file.source, Where(file))) {
            out_.Put(".\\PETS\\" + file.target, EncodeBmp24(*image));
        }
    }
}

void Packer::CopyFiles(const std::vector<ManifestFile>& files, const char* folder) {
    for (const ManifestFile& file : files) {
        if (std::optional<std::string> bytes = ReadBytes(file)) {
            out_.Put(folder + file.target, *bytes);
        }
    }
}

void Packer::PackPet(const ManifestPet& pet) {
    // The program refuses a pet named as a device or as the common file PET.CFG.
    if (!FitsName(pet.name, kPetTypeBytes) || IsSameKey(pet.name, "PET")) {
        Error(manifest_.path + ":" + std::to_string(pet.line) + ": ",
              "pet name '" + pet.name +
                  "' must be 1 to 9 bytes without blanks or path signs, neither PET nor a device");
        return;
    }
    if (PackScript(pet)) {
        CAniScript script;
        script.LoadScriptFile(out_, ".\\PETS\\" + pet.name + ".ANI");
        script.ReadAllSections();
        PackFrames(pet, script.GetFrameSize());
    }
    PackState(pet);
    PackMessages(pet);
}

bool Packer::PackScript(const ManifestPet& pet) {
    std::optional<std::string> text = ReadText(pet.script);
    if (!text) return false;
    for (const std::string& problem : CheckScriptText(*text))
        Error(Where(pet.script), problem);
    std::string path = ".\\PETS\\" + pet.name + ".ANI";
    out_.Put(path, Complement(*text));
    LogCapture log;
    CAniScript script;
    if (!script.LoadScriptFile(out_, path) || !script.ReadAllSections()) {
        for (const std::string& m : log.messages())
            Error(Where(pet.script), cp949::ToUtf8(m));
        return false;
    }
    const CursorSet& cursors = script.Cursors();
    int listed = CountOf(GetCategory(script.ScriptBuffer(), "[RES_CURSOR]"), "\r\n");
    if (cursors.cursorCount != listed) {
        Error(Where(pet.script), "[RES_CURSOR] announces " + std::to_string(cursors.cursorCount) +
                                     " cursors but lists " + std::to_string(listed));
    }
    return true;
}

void Packer::PackFrames(const ManifestPet& pet, Size frame) {
    std::map<int, std::string> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(sourceDir_ / pet.frames.source, ec)) {
        std::string stem = entry.path().stem().string();
        if (entry.path().extension() != ".png" || stem.empty() ||
            stem.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        files[std::atoi(stem.c_str())] =
            (fs::path(pet.frames.source) / entry.path().filename()).string();
    }
    if (ec || files.empty()) {
        Error(Where(pet.frames), "no frames (0.png, 1.png, ...) in the folder");
        return;
    }
    int count = int(files.size());
    if (files.rbegin()->first != count - 1) {
        Error(Where(pet.frames), "frames must be numbered 0 to " + std::to_string(count - 1));
        return;
    }
    int perRow = pet.framesPerRow;
    int rows = (count + perRow - 1) / perRow;
    Image sheet(perRow * frame.width, rows * frame.height, kPureGreen);
    for (const auto& [number, source] : files) {
        std::optional<Image> image = ReadPng(source, Where(pet.frames));
        if (!image) continue;
        if (image->width() != frame.width || image->height() != frame.height) {
            Error(Where(pet.frames), source + " is " + std::to_string(image->width()) + " x " +
                                         std::to_string(image->height()) + ", not the frame size " +
                                         std::to_string(frame.width) + " x " +
                                         std::to_string(frame.height) + " of [CONFIG]");
            continue;
        }
        int left = number % perRow * frame.width, top = number / perRow * frame.height;
        for (int y = 0; y < frame.height; ++y) {
            for (int x = 0; x < frame.width; ++x)
                sheet.Set(left + x, top + y, image->At(x, y));
        }
    }
    if (sheet.width() > 65535 || sheet.height() > 65535 || count > 65535) {
        Error(Where(pet.frames), "the picture sheet is too large for a region file");
        return;
    }
    out_.Put(".\\PETS\\" + pet.name + ".BCF", MakeBcf(sheet));
    out_.Put(".\\PETS\\" + pet.name + ".RGN", MakeRegionFile(sheet, count, perRow, frame));
}

void Packer::PackState(const ManifestPet& pet) {
    std::optional<std::string> text = ReadText(pet.state);
    if (!text) return;
    std::string path = ".\\DATA\\" + pet.name + ".CFG";
    out_.Put(path, Complement(*text));
    LogCapture log;
    CPetInfo info;
    if (!info.LoadPetStateFile(out_, path) || !info.SetPetInfosPart()) {
        for (const std::string& m : log.messages())
            Error(Where(pet.state), cp949::ToUtf8(m));
        return;
    }
    if (info.GetPetInfos().PetType != pet.name) {
        Error(Where(pet.state), "PetType '" + info.GetPetInfos().PetType +
                                    "' must be the pet's name '" + pet.name + "'");
    }
}

void Packer::PackMessages(const ManifestPet& pet) {
    std::optional<std::string> text = ReadText(pet.messages);
    if (!text) return;
    for (const std::string& problem : CheckMessageText(*text))
        Error(Where(pet.messages), problem);
    // Every other "//" belongs to a text (a link), so comment lines go before the protection.
    std::string path = ".\\DATA\\" + pet.name + ".CMC";
    out_.Put(path, Complement(ProtectLinks(RemoveCommentLines(*text))));
    LogCapture log;
    CPetFile messages;
    if (!messages.LoadAdMessages(out_, path)) {
        for (const std::string& m : log.messages())
            Error(Where(pet.messages), cp949::ToUtf8(m));
    }
}

bool Packer::Write(const fs::path& root) {
    std::error_code ec;
    for (const char* folder : {"PETS", "DATA", "ETCS", "PETSOUND"}) {
        fs::create_directories(root / folder, ec);
        if (ec) {
            errors_.push_back((root / folder).string() + ": " + ec.message());
            return false;
        }
    }
    for (const std::string& path : out_.Paths()) {
        fs::path target = root / fs::path(path);
        std::ofstream file(target, std::ios::binary | std::ios::trunc);
        std::string data = out_.Get(path);
        file.write(data.data(), std::streamsize(data.size()));
        if (!file) {
            errors_.push_back(target.string() + ": cannot write");
            return false;
        }
    }
    return true;
}

}  // namespace nuv::tool
