// The start of a pet and a few seconds of its life on the simulated desktop, with some input.
// The input is the pet script, optionally followed by a zero byte and the pet's state file;
// every other file of the pet root is made here, small, under the sample pets' names.

#include <cstdint>
#include <string>
#include <vector>

#include "app/PetMainDlg.h"
#include "formats/BcfImage.h"
#include "formats/BmpDecoder.h"
#include "formats/ComplementedFile.h"
#include "fuzz/FuzzFiles.h"
#include "script/PetIds.h"
#include "sim/SimDesktop.h"

namespace {

using nuv::Image;
using nuv::MakePixel;
using nuv::SimInput;
namespace CommandId = nuv::CommandId;

constexpr int kFrame = 128, kPerRow = 16, kFrames = 205;

const char kCommonConfig[] =
    "[User Info]\r\nUserName;user\r\nUserSex;Male\r\nUserBirthDate;\r\nUserLoginID;id\r\n"
    "UserLoginPasswd;pw\r\nUseremail;\r\nUserIsConnected;\r\nUserOS;\r\nUserPoint;0\r\n"
    "UserLevel;0\r\nUserGold;0\r\nUser1;0\r\nUser2;0\r\nUser3;0\r\nUser4;0\r\nUser5;0\r\n"
    "\r\n[Pets Info]\r\nPsNum;1\r\nPs(0,TORI,X,True)\r\n";

const char kState[] =
    "[Pet Infos]\r\nPetNo;0\r\nPetType;TORI\r\nPetDesc;fuzz\r\nPetName;Tori\r\nPetOnTop;0\r\n"
    "PetOnSound;1\r\nPetStartDate;20260101\r\nPetLastDate;\r\nPetPeedTime;0\r\nPetLevel;0\r\n"
    "PetScore;0\r\nPetGold;0\r\nPetPoint;0\r\nPetS0;3000\r\nPetS1;6000\r\nPetS2;9000\r\n"
    "PetS3;12000\r\n";

const char kAdverts[] =
    "1;10;Visit <LINK=www.example.org>us</LINK><IMG=.\\PETS\\HEART.BMP,5,5>;\r\n"
    "2;10;<IMG=.\\PETS\\STAR.BMP,1,1>two<BR>lines;\r\n";

std::string Bcf(const Image& image) {
    return std::string(nuv::kBcfLeadSize, '\0') + nuv::EncodeBmp24(image);
}

void PutU16(std::string& out, int v) {
    out += char(v & 0xFF);
    out += char(v >> 8 & 0xFF);
}

// One row of frames, each shaped by a single transparent run.
std::string Regions() {
    std::string out;
    for (int v : {kFrames, kPerRow, kFrame, kFrame})
        PutU16(out, v);
    for (int i = 0; i < kFrames; ++i) {
        PutU16(out, 1);
        for (int v : {i % kPerRow * kFrame, i / kPerRow * kFrame, 1 + i % 7})
            PutU16(out, v);
    }
    return out;
}

// The pictures, regions and cursors, written once: the run never changes them.
void PutPictures(nuv::MemoryFileSystem& files) {
    files.Put(".\\PETS\\TORI.BCF", Bcf(Image(kPerRow * kFrame, kFrame, MakePixel(200, 120, 40))));
    files.Put(".\\PETS\\TORI.RGN", Regions());
    Image icons(13, 13 * 20, MakePixel(10, 20, 30));
    icons.Set(0, 0, nuv::kPureGreen);
    files.Put(".\\PETS\\ICONS.BCF", Bcf(icons));
    files.Put(".\\PETS\\OBJECTS.BCF", Bcf(Image(320, 520, MakePixel(250, 250, 250))));
    files.Put(".\\PETS\\PETBAR00.BCF", Bcf(Image(80, 16, MakePixel(255, 255, 0))));
    for (const char* name : {"PETLOAD.BCF", "PETEND.BCF"})
        files.Put(std::string(".\\PETS\\") + name, Bcf(Image(20, 20)));
    for (const char* name :
         {"HEART.BMP", "STAR.BMP", "ACORN.BMP", "FLOWER.BMP", "NOTE.BMP", "LEAF.BMP"}) {
        files.Put(std::string(".\\PETS\\") + name, nuv::EncodeBmp24(Image(8, 8, 0xFF)));
    }
    for (const char* name : {"ACORN.CUR", "FASTTAG.CUR", "TAG.CUR", "STROKE.CUR", "LEAF.CUR"})
        files.Put(std::string(".\\PETS\\") + name, "cursor");
}

// Moves, a drag, the menu, one menu command (chosen by the input), a balloon click and keys.
std::vector<SimInput> Input(std::size_t seed) {
    const int commands[] = {
        CommandId::kCatchAndCarry, CommandId::kCatchAndBounce, CommandId::kStroke,
        CommandId::kTag,           CommandId::kFastTag,        CommandId::kToggleOnTop,
        CommandId::kToggleSound,   CommandId::kRename,         CommandId::kChangePet,
        CommandId::kAbout,         CommandId::kRegistration,   CommandId::kExit};
    int command = commands[seed % (sizeof commands / sizeof *commands)];
    return {{300, SimInput::kCursor, 300, 600},
            {700, SimInput::kLButton, 20, 20},
            {900, SimInput::kCursor, 420, 300},
            {1100, SimInput::kRelease},
            {2500, SimInput::kRButton, 10, 10},
            {3000, SimInput::kCommand, command},
            {3500, SimInput::kSetCursor},
            {4000, SimInput::kCursor, 100, 700},
            {4200, SimInput::kLButton, 30, 40},
            {4300, SimInput::kRelease},
            {5000, SimInput::kBalloonClick, 60, 50},
            {5500, SimInput::kTray, 1},
            {6000, SimInput::kCommand, CommandId::kCatchAndCarry},
            {7000, SimInput::kKey, 0}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool pictures = [] {
        PutPictures(nuv::fuzz::InputFiles());
        return true;
    }();
    (void)pictures;
    std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t split = input.find('\0');
    std::string script = input.substr(0, split);
    std::string state = split == std::string::npos ? kState : input.substr(split + 1);

    nuv::MemoryFileSystem& files = nuv::fuzz::InputFiles();
    files.Put(".\\DATA\\PET.CFG", nuv::Complement(kCommonConfig));
    files.Put(".\\DATA\\TORI.CFG", nuv::Complement(state));
    files.Put(".\\DATA\\TORI.CMC", nuv::Complement(kAdverts));
    files.Put(".\\PETS\\TORI.ANI", nuv::Complement(script));

    nuv::SimOptions options;
    options.seconds = 8;
    options.name = "Fuzz";
    options.events = Input(size);
    options.files = &files;
    nuv::IPetEvents nobody;
    nuv::CSimDesktop desktop(options, &nobody);
    desktop.Run();
    return 0;
}
