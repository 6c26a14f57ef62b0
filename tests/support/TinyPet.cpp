#include "support/TinyPet.h"

#include <algorithm>

#include "base/Log.h"
#include "formats/BmpDecoder.h"
#include "formats/ComplementedFile.h"
#include "script/PetIds.h"
#include "support/PictureFiles.h"

namespace nuv::test {
namespace {

std::string Join(const std::vector<int>& numbers) {
    std::string out;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i) out += ',';
        out += std::to_string(numbers[i]);
    }
    return out;
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

std::string Bcf(const Image& image) {
    return std::string(1024, '\0') + EncodeBmp24(image);
}

void Put(IFileSystem& files, const std::string& path, std::string_view data) {
    files.WriteFile(path, data, false);
}

// Frame counts the movement tables need.
int FramesOf(int id) {
    if (id >= 21 && id <= 24) return 7;
    return id == 78 ? 12 : id == 66 ? 15 : id == 36 ? 4 : 2;
}

}  // namespace

TinyPet::TinyPet() {
    for (int id = 1; id <= 140; ++id) {
        std::vector<int> frames;
        for (int f = 0; f < FramesOf(id); ++f)
            frames.push_back((id * 3 + f) % frameCount);
        animations[id] = frames;
    }
    SetAction({ActionId::kFirst, {10000, 10000, 10000}, 0, 0, 0, 0, 0, 1, {1, 2}});
    for (int id : {140, 141, 142, 143, 144, 145, 146, 149, 200, 300, 301, 410, 420, 430,
                   440, 510, 520, 530, 540, 550, 610, 620, 630, 640, 701, 702, 705}) {
        SetAction({id, {0, 0, 0}, 0, 0, 0, 0, 0, 10, {3}});
    }
    Action(ActionId::kWalkLeft).animations = {15};
    Action(ActionId::kWalkRight).animations = {16};
    Action(ActionId::kRunLeft).animations = {17};
    Action(ActionId::kRunRight).animations = {18};
    Action(ActionId::kGlide).animations = {36};
    Action(ActionId::kTalkNeeds).animations = {30};
    Action(ActionId::kTalkAdvertisement).animations = {30};
    Action(ActionId::kOuting).animations = {84};
    for (int id : {ActionId::kCatchCursor, ActionId::kCatchAndCarry, ActionId::kCatchAndBounce})
        Action(id).animations = {70, 71};
    Action(ActionId::kStroke).animations = {50};
    Action(ActionId::kTag).animations = {108};
    Action(ActionId::kFastTag).animations = {108};
    Action(ActionId::kDragged).animations = {5};
    Action(ActionId::kDropped).animations = {6};
    Action(ActionId::kThrown).animations = {7};
    Action(ActionId::kDragged).duration = 0;
    menu = {"1;910;Games;0;-1;0;0;0;",   "2;210;Catch;1;-1;0;0;0;", "3;230;Stroke;2;-1;0;0;0;",
            "4;911;;-1;-1;0;0;0;",       "5;999;;-1;-1;0;0;0;",     "6;901;Status;3;-1;0;0;0;",
            "7;902;Options;4;-1;0;0;0;", "8;903;Exit;5;-1;0;0;0;"};
    texts = {"101;Tiny;",         "201;Save failed;",
             "204;Name;",         "205;Name it;",
             "206;Top level;",    "207;Level up;",
             "208;Rename;",       "209;New name;",
             "210;One pet;",      "211;Pets;",
             "301;%s;",           "302;Food ;",
             "303;Fun  ;",        "304;Rest ;",
             "305;Love ;",        "306;Level %d;",
             "307;%d days;",      "308;On top;",
             "309;Sound;",        "310;Rename...;",
             "311;Change...;",    "401;Caught %d %d;",
             "402;Walked %d %d;", "403;Stroked %d %d;",
             "404;Tagged %d %d;", "405;Fast %d %d %d %d %d;",
             "801;Tiny pet;"};
    messages = {"201;10000;All is well;", "251;10000;Hungry;", "261;10000;Bored;",
                "271;10000;Tired;",       "281;10000;Lonely;", "291;10000;Needs;"};
    adverts = {"1;10;Visit <LINK=www.example.org>us</LINK>;"};
}

TinyAction& TinyPet::Action(int id) {
    for (TinyAction& action : actions) {
        if (action.id == id) return action;
    }
    actions.push_back({id, {0, 0, 0}, 0, 0, 0, 0, 0, 1, {1}});
    return actions.back();
}

void TinyPet::SetAction(TinyAction action) {
    Action(action.id) = std::move(action);
}

std::string TinyPet::Script() const {
    std::string s = "[HEADER]\r\nVersion;1;\r\nType;" + name + ";\r\nDesc;tiny;\r\n";
    s += StrFormat("[CONFIG]\r\nSize;%d,%d;\r\nLevels;%d;\r\nLevelPoints;%s;\r\n", frameWidth,
                   frameHeight, int(thresholds.size()), Join(thresholds).c_str());
    s += StrFormat("AniNum;%d;\r\nActNum;%d;\r\nListA;;\r\nListB;;\r\nStatMax;%d;\r\n",
                   int(animations.size()), int(actions.size()), statMax);
    s += "[ANILIST]\r\n";
    for (const auto& [id, frames] : animations) {
        s += StrFormat("%d;a%d;;%s;\r\n", id, id, Join(frames).c_str());
    }
    s += "[ACTLIST]\r\n";
    for (const TinyAction& a : actions) {
        std::vector<int> weights = a.weights;
        weights.resize(thresholds.size(), 0);
        std::string w;
        for (int weight : weights)
            w += std::to_string(weight) + ";";
        s += StrFormat("%d;x%d;%s%d;%d;%d;%d;%d;%d;%s\r\n", a.id, a.id, w.c_str(), a.deltaS0,
                       a.deltaS1, a.deltaS2, a.deltaS3, a.deltaPoint, a.duration,
                       Join(a.animations).c_str());
    }
    s += "[MNULIST]\r\n" + Lines(menu);
    s += "[RES_ICON]\r\nImage;ICON.BCF;\r\nSize;13,13;\r\n";
    s += StrFormat("[RES_CURSOR]\r\nCount;%d;\r\n", int(cursors.size()));
    for (std::size_t i = 0; i < cursors.size(); ++i) {
        s += StrFormat("%d;0;%s\r\n", int(i), cursors[i].c_str());
    }
    s += "[RES_OBJECT]\r\nImage;OBJ.BCF;\r\n";
    for (int i = 0; i < 5; ++i)
        s += StrFormat("%d;40,30;%d,0;0;o%d;\r\n", i, 40 * i, i);
    s += "[RES_SOUND]\r\n0;beep;BEEP.WAV;x\r\n";
    s += "[RES_TEXT]\r\n" + Lines(texts);
    s += "[RES_MESSAGE]\r\n" + Lines(messages);
    return s;
}

void TinyPet::Install(IFileSystem& files) const {
    std::string config =
        "[User Info]\r\nUserName;user\r\nUserSex;Male\r\nUserBirthDate;\r\nUserLoginID;id\r\n"
        "UserLoginPasswd;pw\r\nUseremail;\r\nUserIsConnected;\r\nUserOS;\r\nUserPoint;0\r\n"
        "UserLevel;0\r\nUserGold;0\r\nUser1;0\r\nUser2;0\r\nUser3;0\r\nUser4;0\r\nUser5;0\r\n"
        "\r\n[Pets Info]\r\n";
    config += StrFormat("PsNum;%d\r\nPs(0,%s,X,True)\r\n", int(otherPets.size()) + 1, name.c_str());
    for (std::size_t i = 0; i < otherPets.size(); ++i) {
        config += StrFormat("Ps(%d,%s,X,False)\r\n", int(i) + 1, otherPets[i].c_str());
    }
    Put(files, ".\\DATA\\PET.CFG", Complement(config));

    const TinyState& t = state;
    std::string pet = StrFormat(
        "[Pet Infos]\r\nPetNo;0\r\nPetType;%s\r\nPetDesc;tiny\r\nPetName;%s\r\nPetOnTop;%d\r\n"
        "PetOnSound;%d\r\nPetStartDate;%s\r\nPetLastDate;\r\nPetPeedTime;0\r\nPetLevel;%d\r\n"
        "PetScore;0\r\nPetGold;0\r\nPetPoint;%d\r\nPetS0;%d\r\nPetS1;%d\r\nPetS2;%d\r\n"
        "PetS3;%d\r\n",
        t.type.c_str(), t.name.c_str(), t.onTop, t.onSound, t.startDate.c_str(), t.level, t.point,
        t.s0, t.s1, t.s2, t.s3);
    Put(files, ".\\DATA\\" + name + ".CFG", Complement(pet));
    Put(files, ".\\DATA\\" + name + ".CMC", Complement(Lines(adverts)));
    Put(files, ".\\PETS\\" + name + ".ANI", Complement(Script()));

    std::vector<std::vector<RgnRun>> frames;
    for (int i = 0; i < frameCount; ++i) {
        uint16_t x = uint16_t(i % framesPerRow * frameWidth),
                 y = uint16_t(i / framesPerRow * frameHeight);
        frames.push_back({{x, y, uint16_t(1 + i % 5)}});
    }
    Put(files, ".\\PETS\\" + name + ".RGN",
        MakeRgn(uint16_t(frameCount), uint16_t(framesPerRow), uint16_t(frameWidth),
                uint16_t(frameHeight), frames));
    int rows = (frameCount + framesPerRow - 1) / framesPerRow;
    Put(files, ".\\PETS\\" + name + ".BCF",
        Bcf(Image(framesPerRow * frameWidth, rows * frameHeight, MakePixel(200, 120, 40))));

    Image icons(13, 13 * 20, MakePixel(10, 20, 30));
    for (int y = 0; y < icons.height(); y += 13)
        icons.Set(0, y, kPureGreen);
    Put(files, ".\\PETS\\ICON.BCF", Bcf(icons));
    Image bar(80, 16, MakePixel(255, 255, 0));
    for (int x = 16; x < 80; ++x) {
        const Pixel colours[] = {MakePixel(255, 255, 255), MakePixel(0, 200, 0),
                                 MakePixel(255, 255, 0), MakePixel(200, 0, 0)};
        for (int y = 0; y < 16; ++y)
            bar.Set(x, y, colours[x / 16 - 1]);
    }
    Put(files, ".\\PETS\\PETBAR00.BCF", Bcf(bar));
    Image objects(300, 520, MakePixel(250, 250, 250));
    for (int x = 0; x < 40; ++x)
        objects.Set(x, 0, kPureGreen);
    Put(files, ".\\PETS\\OBJ.BCF", Bcf(objects));
    Put(files, ".\\PETS\\PETLOAD.BCF", Bcf(Image(20, 20)));
    Put(files, ".\\PETS\\PETEND.BCF", Bcf(Image(20, 20)));
    for (const std::string& cursor : cursors)
        Put(files, ".\\PETS\\" + cursor, "cursor");
    Put(files, ".\\PETSOUND\\BEEP.WAV", "RIFF");
}

}  // namespace nuv::test
