#include "pet/Pet.h"

#include <algorithm>
#include <optional>

#include "balloon/BalloonGeometry.h"
#include "balloon/BalloonWnd.h"
#include "base/Cp949.h"
#include "base/Log.h"
#include "base/TextFunctions.h"
#include "engine/Ground.h"
#include "pet/UserRegistration.h"
#include "ports/BalloonWindows.h"
#include "ports/Dialogs.h"
#include "ports/FileSystem.h"
#include "ports/LoadingWindow.h"
#include "ports/PetWindow.h"
#include "ports/SystemServices.h"
#include "script/PetIds.h"
#include "zoom/Zoom.h"

namespace nuv {
namespace {

const std::string kEmpty;

}  // namespace

CPet::CPet(const PetPorts& ports)
    : ports_(ports),
      clock_(*ports.clock),
      files_(*ports.files),
      balloonPictures_(files_),
      menuIcons_(kMenuIconSlots),
      engine_(*this, *this, *this, *this, ports_) {
    AttachTray(*ports.tray);
    AttachSystem(*ports.system, *ports.cursors, *ports.desktop);
}

CPet::~CPet() {
    destroying_ = true;
    openBalloon_ = nullptr;
    balloons_.clear();  // their windows go without reporting
}

const std::string& CPet::PetName() const {
    int active = FindActivePet();
    return active < 0 ? kEmpty : GetPetsList().entries[active].name;
}

bool CPet::LoadPetConfig() {
    if (FindActivePet() < 0) {
        WriteLog("LoadPetConfig() - 활성중인 PET을 찾을수 없습니다.");
        return false;
    }
    // The name names every file of the pet: it must stay in its folders, and its state file
    // must not be the common one.
    if (!IsPlainFileName(PetName()) || IsSameKey(PetName(), "PET")) {
        WriteLogF("LoadPetConfig() - '%s'은(는) PET 파일의 이름으로 쓸 수 없습니다.",
                  PetName().c_str());
        return false;
    }
    std::string path = JoinPath(".\\DATA\\", PetName(), ".CFG");
    WriteLogF("[ Pet Config File Read : '%s' ]", path.c_str());
    if (LoadPetStateFile(files_, path) && SetPetInfosPart()) return true;
    WriteLog("LoadPetConfig() - 활성중인 PET의 CFG를  읽을수 없습니다.");
    return false;
}

bool CPet::SavePetFiles() {
    bool ok = SavePetConfig(files_) && SaveConfigData(files_, clock_, engine_.actionStart());
    ports_.events->OnEvent({"save", {{"ok", ok}}});
    return ok;
}

void CPet::SetTopMost(bool on) {
    ports_.window->SetTopMost(on);
}

// What the user typed, without the field separator (whatever the dialog let through) and cut to
// the saved field; empty on Cancel.
std::string CPet::TypedPetName(const std::string& caption, const std::string& question) {
    auto answer = ports_.dialogs->InputBox(caption, question);
    if (!answer) return {};
    return cp949::CutBytes(WithoutFieldSeparators(*answer), kPetNameBytes);
}

void CPet::RenamePet() {
    std::string name =
        TypedPetName(TextOf(TextId::kRenameCaption), TextOf(TextId::kRenameQuestion));
    if (!name.empty()) GetPetInfos().PetName = name;
}

void CPet::ShowPetChangeNotice() {
    if (GetPetsList().entries.size() > 1) return;
    ports_.dialogs->MessageBox(TextOf(TextId::kPetChangeCaption), TextOf(TextId::kPetChangeNotice),
                               IDialogs::kExclamation, true);
}

bool CPet::ChooseOtherPet() {
    const std::vector<PetEntry>& pets = GetPetsList().entries;
    std::vector<std::string> names;
    for (const PetEntry& pet : pets)
        names.push_back(pet.name);
    auto choice = ports_.dialogs->ChooseFromList(TextOf(TextId::kPetChangeNotice), names);
    if (!choice || *choice < 0 || *choice >= int(pets.size())) return false;
    if (*choice == FindActivePet()) return false;  // the pet that runs already
    MakeActivePet(*choice);
    return true;
}

void CPet::MakeActivePet(int index) {
    std::vector<PetEntry>& pets = GetPetsList().entries;
    for (std::size_t i = 0; i < pets.size(); ++i)
        pets[i].active = int(i) == index ? "True" : "False";
}

void CPet::RegisterUser() {
    ports_.dialogs->RegisterUser(GetUserInfo());
    RemoveFieldSeparators(GetUserInfo());
}

void CPet::PlayPetSound(int index) {
    if (GetPetInfos().PetOnSound == 0) return;
    if (index < 0 || index >= int(Sounds().size())) return;
    ports_.system->PlaySoundFile(JoinPath(".\\PETSOUND\\", Sounds()[index].file, ""));
}

CBalloonWnd* CPet::OpenBalloon(int kind, const std::string& text) {
    openBalloon_ = MakeBalloon(kind, text);
    return openBalloon_;
}

CBalloonWnd* CPet::MakeBalloon(int kind, const std::string& text) {
    auto balloon = std::make_unique<CBalloonWnd>(*this, kind, Objects().objectImage,
                                                 ports_.balloons->CreateBalloonWindow(),
                                                 *ports_.text, balloonPictures_, zoom_);
    balloon->SetText(text);
    if (!balloon->Create()) return nullptr;
    Rect pet = engine_.GetPetRect();
    // With several monitors the balloon stays on the pet's; on one it may reach past its edge.
    const Monitors& monitors = ports_.desktop->GetMonitors();
    std::optional<Rect> area;
    if (monitors.size() > 1) {
        Monitor m = MonitorAt(monitors, Anchor(pet));
        area = ZoomUp(Rect{m.left, m.top, m.right, m.ground}, zoom_);
    }
    const Rect* keepInside = area ? &*area : nullptr;
    Point at = balloon->PlaceBeside(pet, keepInside);  // in screen pixels
    ports_.events->OnEvent({"balloon", {{"kind", kind}, {"text", text}, {"x", at.x}, {"y", at.y}}});
    ports_.window->BringToTop();
    balloon->ShowBeside(pet, keepInside);
    if (balloon->IsTextComplete()) {
        ports_.events->OnEvent(
            {"balloon_shown",
             {{"lines", balloon->GetShownLines()}, {"links", balloon->GetAddresses()}}});
    }
    balloons_.push_back(std::move(balloon));
    return balloons_.back().get();
}

void CPet::CloseBalloon() {
    // Whoever closes the balloon decides what comes next: a talk does not move on by itself.
    closingBalloon_ = true;
    if (openBalloon_) openBalloon_->Close();
    closingBalloon_ = false;
    openBalloon_ = nullptr;
}

void CPet::OnTextShown(CBalloonWnd& balloon) {
    ports_.events->OnEvent(
        {"balloon_shown", {{"lines", balloon.GetShownLines()}, {"links", balloon.GetAddresses()}}});
    engine_.OnTextShown();
}

void CPet::OnBalloonClosed(CBalloonWnd& balloon) {
    if (destroying_) return;
    ports_.events->OnEvent({"balloon_closed"});
    // The level-up opens two balloons in a row: only the open one is forgotten.
    bool wasOpen = &balloon == openBalloon_;
    if (wasOpen) openBalloon_ = nullptr;
    auto it = std::find_if(balloons_.begin(), balloons_.end(),
                           [&balloon](const auto& b) { return b.get() == &balloon; });
    if (it != balloons_.end()) balloons_.erase(it);  // the balloon's last act: it may go now
    if (wasOpen && !closingBalloon_) engine_.OnBalloonClosed();
}

void CPet::OpenLink(const std::string& url) {
    ports_.system->OpenUrl(url);
}

}  // namespace nuv
