#include "base/Cp949.h"
#include "base/Log.h"
#include "engine/Ground.h"
#include "formats/BcfImage.h"
#include "pet/Pet.h"
#include "ports/Clock.h"
#include "ports/Dialogs.h"
#include "ports/FileSystem.h"
#include "ports/LoadingWindow.h"
#include "ports/PetWindow.h"
#include "ports/SystemServices.h"
#include "script/PetIds.h"

namespace nuv {

bool CPet::InitPet(bool run) {
    WriteLog("\r\n\r\nNUV Pet Start...\r\n");
    engine_.Reset(ports_.randomSeed ? *ports_.randomSeed : uint32_t(clock_.CalendarTime()));

    if (!ReadCommonConfig() || !ReadPetFiles() || !PreparePet()) return false;
    if (!run) return true;

    // Both ways: the window may still be top-most from the pet that ran before.
    SetTopMost(GetPetInfos().PetOnTop != 0);
    engine_.StartAction(ActionId::kFirst, true, true);
    ports_.window->StartTimer(kTimerTick, 120);
    ports_.hook->InitHooksDll();
    return true;
}

bool CPet::ReadCommonConfig() {
    std::string path = JoinPath(".\\DATA\\", "PET.CFG", "");
    WriteLogF("[ Common Config File Read : '%s' ]", path.c_str());
    if (!LoadCommonConfigFile(files_, path)) {
        WriteLog("InitPet() - CFG 파일의 내용을 읽는데 실패했습니다.");
        return false;
    }
    if (!SetUserInfoPart() || !SetPetsInfoPart()) return false;

    GetUserInfo().UserIsConnected = IsInternetAvailable() == 1 ? "True" : "False";
    GetUserInfo().UserOS = cp949::CutBytes(GetWindowType(), kUserOSBytes);
    int active = FindActivePet();
    if (active < 0) {
        WriteLog("InitPet() - 활성중인 PET을 찾을 수 없습니다.");
        return false;
    }
    WriteLogF("[ Active Pet Number : '%d' ]", active);
    return LoadPetConfig();
}

bool CPet::ReadPetFiles() {
    std::string path = JoinPath(".\\PETS\\", PetName(), ".ANI");
    WriteLogF("[ Animation File Read : '%s' ]", path.c_str());
    if (!LoadScriptFile(files_, path)) {
        WriteLog("InitPet() - ANI 파일을 읽는데 실패했습니다.");
        return false;
    }
    if (!ReadAllSections()) return false;
    if (!FindAction(ActionId::kFirst)) {
        WriteLog("InitPet() - ANI 파일에 첫 동작(100)이 없습니다.");
        return false;
    }

    PetInfos& infos = GetPetInfos();
    if (infos.PetName.empty()) {
        WriteLog("[ Registration New Pet Name ]");
        std::string name =
            TypedPetName(TextOf(TextId::kNameBoxCaption), TextOf(TextId::kNameBoxQuestion));
        if (name.empty()) {
            WriteLog("InitPet() - 시작할 PET의 이름을 지정하지 않았습니다.");
            return false;
        }
        infos.PetName = name;
    }
    if (infos.PetStartDate.empty()) {
        LocalTime today = clock_.Now();
        infos.PetStartDate = StrFormat("%04d%02d%02d", today.year, today.month, today.day);
    }

    path = JoinPath(".\\PETS\\", PetName(), ".RGN");
    WriteLogF("[ Window Region Data File Read : '%s' ]", path.c_str());
    if (!SetRegionData(files_, path, clock_, *ports_.loading)) return false;

    path = JoinPath(".\\PETS\\", PetName(), ".BCF");
    WriteLogF("[ Pet Image File Read : '%s' ]", path.c_str());
    sheet_ = LoadBCFImage(files_, path);
    if (sheet_.empty()) {
        WriteLog("InitPet() - PET 이미지 파일을 읽는데 실패했습니다.");
        return false;
    }
    Size frame = GetFrameSize();
    if (!FitsIn(frame, sheet_)) {
        WriteLogF("InitPet() - 프레임 크기 %dx%d는 PET 이미지(%dx%d)에 들어가지 않습니다.",
                  frame.width, frame.height, sheet_.width(), sheet_.height());
        return false;
    }

    path = JoinPath(".\\DATA\\", PetName(), ".CMC");
    if (!LoadAdMessages(files_, path)) {
        WriteLogF("InitPet() - %s 파일에서 광고 메시지를 읽을 수 없습니다.", path.c_str());
        return false;
    }
    return true;
}

Image CPet::ReadSheetAgain() const {
    std::string path = JoinPath(".\\PETS\\", PetName(), ".BCF");
    Image sheet = LoadBCFImage(files_, path);
    if (sheet.empty() || sheet.width() != sheetSize_.width || sheet.height() != sheetSize_.height) {
        WriteLogF("CPet::ReadSheetAgain() - %s 그림을 다시 읽지 못해 크기를 바꾸지 않습니다.",
                  path.c_str());
        return Image();
    }
    return sheet;
}

bool CPet::PreparePet() {
    WriteLog("[ Create Memory Device Context ]");
    if (uint32_t error = ports_.window->PrepareSheet(sheet_)) {
        WriteLogF("InitPet() - 메모리 DC를 생성하지 못했습니다. Error = %u", error);
        return false;
    }
    // The window holds the sheet now: the pet keeps its size only.
    sheetSize_ = {sheet_.width(), sheet_.height()};
    sheet_ = Image();
    Size frame = GetFrameSize();
    Monitor desktop = Primary();
    ports_.window->MoveResize(desktop.left + (desktop.right - desktop.left) / 4 - frame.width / 2,
                              desktop.ground - frame.height + kGroundMargin, frame.width,
                              frame.height);

    MakeMenuIcons();
    return true;
}

}  // namespace nuv
