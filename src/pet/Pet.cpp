#include "pet/Pet.h"

#include "pet/ObjectWnd.h"
#include "ports/Balloons.h"
#include "ports/Dialogs.h"
#include "ports/PetWindow.h"
#include "store/Cp949.h"
#include "store/FileSystem.h"
#include "store/Log.h"

namespace nuv {
namespace {

const std::string kEmpty;

}  // namespace

CPet::CPet(const PetPorts& ports) : ports_(ports), menuIcons_(kMenuIconSlots) {
    AttachTray(ports.tray);
    AttachSystem(ports.system, ports.cursors, ports.desktop);
}

CPet::~CPet() {
    destroying_ = true;
    CloseBalloon();
}

const std::string& CPet::TextOf(int id) const {
    const std::string* text = FindText(id);
    return text ? *text : kEmpty;
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
    std::string path = JoinPath(".\\DATA\\", PetName(), ".CFG");
    WriteLogF("[ Pet Config File Read : '%s' ]", path.c_str());
    if (LoadPetStateFile(path) && SetPetInfosPart()) return true;
    WriteLog("LoadPetConfig() - 활성중인 PET의 CFG를  읽을수 없습니다.");
    return false;
}

bool CPet::SavePetFiles() {
    bool ok = SavePetConfig() && SaveConfigData(actionStart_);
    if (ports_.events) ports_.events->OnSaved(ok);
    return ok;
}

void CPet::SetTopMost(bool on) { ports_.window->SetTopMost(on); }

void CPet::RenamePet() {
    auto answer = ports_.dialogs->InputBox(TextOf(208), TextOf(209));
    if (answer && !answer->empty()) GetPetInfos().PetName = cp949::CutBytes(*answer, kPetNameBytes);
}

void CPet::ShowPetChangeNotice() {
    if (GetPetsList().entries.size() > 1) return;
    ports_.dialogs->MessageBox(TextOf(210), TextOf(211), IDialogs::kExclamation,
                               true);
}

bool CPet::ChooseOtherPet() {
    const std::vector<PetEntry>& pets = GetPetsList().entries;
    std::vector<std::string> names;
    for (const PetEntry& pet : pets) names.push_back(pet.name);
    auto choice = ports_.dialogs->ChooseFromList(TextOf(211), names);
    if (!choice || *choice < 0 || *choice >= int(pets.size())) return false;
    for (std::size_t i = 0; i < pets.size(); ++i) {
        GetPetsList().entries[i].active = int(i) == *choice ? "True" : "False";
    }
    return true;
}

void CPet::RegisterUser() { ports_.dialogs->RegisterUser(GetUserInfo()); }

void CPet::PlayPetSound(int index) {
    if (GetPetInfos().PetOnSound == 0) return;
    if (index < 0 || index >= int(Sounds().size())) return;
    ports_.system->PlaySoundFile(JoinPath(".\\PETSOUND\\", Sounds()[index].file, ""));
}

int CPet::GetActionId() const { return curAction_ ? curAction_->id : -1; }

IBalloon* CPet::OpenBalloon(int kind, const std::string& text) {
    Rect pet = GetPetRect();
    int centre = (pet.left + pet.right) / 2;
    Point position = kind == 2 ? Point{centre - 91, pet.top - 170}
                               : Point{centre - 130, pet.bottom - 260};
    IBalloon* balloon = ports_.balloons->OpenBalloon(*this, kind, text, position);
    ports_.window->BringToTop();
    return balloon;
}

void CPet::CloseBalloon() {
    if (openBalloon_) openBalloon_->DestroyWindow();
    openBalloon_ = nullptr;
}

}  // namespace nuv
