#include "pet/Pet.h"

#include "balloon/BalloonGeometry.h"
#include "balloon/BalloonWnd.h"
#include "base/Cp949.h"
#include "base/Log.h"
#include "base/TextFunctions.h"
#include "pet/ObjectWnd.h"
#include "pet/UserRegistration.h"
#include "ports/BalloonWindows.h"
#include "ports/Dialogs.h"
#include "ports/FileSystem.h"
#include "ports/LoadingWindow.h"
#include "ports/PetWindow.h"
#include "ports/SystemServices.h"
#include "script/PetIds.h"

namespace nuv {
namespace {

const std::string kEmpty;

// The ports a shell may leave out, given as do-nothing objects.
PetPorts WithDoNothingPorts(PetPorts ports) {
    static IPetEvents noEvents;
    if (!ports.events) ports.events = &noEvents;
    if (!ports.loading) ports.loading = &NoLoadingWindow();
    return ports;
}

}  // namespace

CPet::CPet(const PetPorts& ports)
    : ports_(WithDoNothingPorts(ports)),
      clock_(*ports.clock),
      files_(*ports.files),
      balloonPictures_(files_),
      menuIcons_(kMenuIconSlots) {
    AttachTray(ports.tray);
    AttachSystem(ports.system, ports.cursors, ports.desktop);
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
    bool ok = SavePetConfig(files_) && SaveConfigData(files_, clock_, actionStart_);
    ports_.events->OnSaved(ok);
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

int CPet::GetActionId() const {
    return curAction_ ? curAction_->id : -1;
}

CBalloonWnd* CPet::OpenBalloon(int kind, const std::string& text) {
    openBalloon_ = MakeBalloon(kind, text);
    return openBalloon_;
}

CBalloonWnd* CPet::MakeBalloon(int kind, const std::string& text) {
    if (!ports_.balloons || !ports_.text) return nullptr;
    auto balloon = std::make_unique<CBalloonWnd>(*this, kind, Objects().objectImage,
                                                 ports_.balloons->CreateBalloonWindow(),
                                                 *ports_.text, balloonPictures_);
    balloon->SetText(text);
    if (!balloon->Create()) return nullptr;
    Rect pet = GetPetRect();
    ports_.events->OnBalloonOpened(kind, text, BalloonPlacement(kind, pet));
    ports_.window->BringToTop();
    balloon->ShowBeside(pet);
    if (balloon->IsTextComplete()) {
        ports_.events->OnBalloonShown(balloon->GetShownLines(), balloon->GetAddresses());
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

void CPet::OpenLink(const std::string& url) {
    ports_.system->OpenUrl(url);
}

}  // namespace nuv
