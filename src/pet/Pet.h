#pragma once
// The pet: its data (script, state, shapes, messages), files, balloons, menu and services.

#include <memory>
#include <string>
#include <vector>

#include "balloon/BalloonOwner.h"
#include "balloon/BalloonPictureFiles.h"
#include "engine/PetEngine.h"
#include "engine/PetServices.h"
#include "formats/Image.h"
#include "formats/PetConfig.h"
#include "formats/PetFile.h"
#include "formats/PetInfo.h"
#include "pet/MenuModel.h"
#include "pet/SystemInfo.h"
#include "pet/TrayIcon.h"
#include "ports/PetPorts.h"
#include "script/AniScript.h"
#include "shape/RegionData.h"

namespace nuv {

constexpr int kMenuIconSlots = 20;

class CPet : public CAniScript,
             public CPetConfig,
             public CTrayIcon,
             public CRegionData,
             public CSystemInfo,
             public CPetInfo,
             public CPetFile,
             public IBalloonOwner,
             public IPetServices {
  public:
    explicit CPet(const PetPorts& ports);
    ~CPet() override;
    CPet(const CPet&) = delete;
    CPet& operator=(const CPet&) = delete;

    // Reads every file of the active pet, places the window and starts it. With `run` false
    // it stops once the window is placed and the menu icons are made (a check of the pet).
    bool InitPet(bool run = true);
    bool LoadPetConfig();
    bool SavePetFiles() override;
    void SetTopMost(bool on);
    void RenamePet();
    void ShowPetChangeNotice();
    // Lets the user choose another pet; true when one was chosen and saved as the active one.
    bool ChooseOtherPet();
    // Marks entry `index` of PET.CFG's pet list active and every other one inactive.
    void MakeActivePet(int index);
    void RegisterUser();
    void PlayPetSound(int index) override;
    const std::string& PetName() const;

    // Balloons.
    // Opens a balloon of `kind` (0 link, 1 typing, 2 message) beside the pet; null when it
    // cannot be made. It becomes the open balloon and lives until it closes itself.
    CBalloonWnd* OpenBalloon(int kind, const std::string& text) override;
    CBalloonWnd* openBalloon() const override { return openBalloon_; }
    void CloseBalloon();
    // IBalloonOwner
    void OnTextShown(CBalloonWnd& balloon) override;
    void OnBalloonClosed(CBalloonWnd& balloon) override;
    void OpenLink(const std::string& url) override;

    // The zoom the pet is drawn at (1 to 3), which its balloons follow, and the zoom setting
    // the menu shows (0 Auto, else the zoom).
    void SetZoom(int zoom, int setting) {
        zoom_ = zoom;
        zoomSetting_ = setting;
    }
    int zoom() const { return zoom_; }
    // The picture sheet read again (the window keeps only its zoomed copy), for a change of
    // the zoom; empty, with a log line, when it can no longer be read or changed its size.
    Image ReadSheetAgain() const;

    CPetEngine& Engine() { return engine_; }
    const CPetEngine& Engine() const { return engine_; }

    // The popup menu.
    MenuModel BuildPopupMenu();
    void ShowPopupMenu(Point screen);
    GaugePicture DrawGauge(int number, const std::string& label) const;
    GaugePicture DrawGauge(int number, const std::string& label, const Image& bar) const;
    Image MakeMenuIcon(int index, int width, int height) const;
    // Icon `index` of an icon image: its band of rows, pure green shown in the menu colour;
    // empty for sides outside 1..kMaxMenuIconSide.
    Image CutMenuIcon(const Image& iconImage, int index, int width, int height) const;
    const std::vector<Image>& MenuIcons() const { return menuIcons_; }
    int AgeInDays() const;

    // The picture sheet while the pet starts; empty once the window holds it.
    const Image& Sheet() const { return sheet_; }
    // The picture sheet's size, kept once the window holds it.
    Size SheetSize() const override { return sheetSize_; }
    // IPetServices, answered by the parts of the pet that hold them.
    const std::string* PickAdMessage(uint32_t draw) const override {
        return CPetFile::PickAdMessage(draw);
    }
    void SetCursorFromResource(int id) override { CSystemInfo::SetCursorFromResource(id); }
    void SetCursorFromFile(const std::string& path) override {
        CSystemInfo::SetCursorFromFile(path);
    }
    void RestoreSystemCursors() override { CSystemInfo::RestoreSystemCursors(); }
    // The file system the pet reads and writes its files on.
    IFileSystem& files() const { return files_; }

  private:
    // InitPet in three stages.
    bool ReadCommonConfig();
    bool ReadPetFiles();
    bool PreparePet();
    std::string TypedPetName(const std::string& caption, const std::string& question);

    // The menu icons of the script's menu records, when the icon image holds icons of its size.
    void MakeMenuIcons();
    // The submenus the program makes.
    std::vector<MenuItem> StatusItems(MenuModel& menu) const;
    std::vector<MenuItem> OptionItems() const;

    // The primary monitor, where the pet first appears.
    Monitor Primary() const {
        const Monitors& monitors = ports_.desktop->GetMonitors();
        return monitors.empty() ? Monitor{} : monitors.front();
    }
    CBalloonWnd* MakeBalloon(int kind, const std::string& text);

    PetPorts ports_;
    IClock& clock_;
    IFileSystem& files_;
    CBalloonPictureFiles balloonPictures_;
    std::vector<std::unique_ptr<CBalloonWnd>> balloons_;
    CBalloonWnd* openBalloon_ = nullptr;
    bool closingBalloon_ = false;  // the pet itself closes the open balloon
    std::vector<Image> menuIcons_;
    Image sheet_;
    Size sheetSize_;
    bool destroying_ = false;
    int zoom_ = 1;
    int zoomSetting_ = 0;
    CPetEngine engine_;  // last: it plays the pet's data through the ports above
};

}  // namespace nuv
