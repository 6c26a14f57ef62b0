#pragma once
// The system cursors and the mouse hook: each replacement of the cursors is told as a "cursor"
// event with the file or resource, their restoring as one with none.

#include "ports/SystemServices.h"
#include "sim/SimContext.h"

namespace nuv {

class CSimCursors : public ISystemCursors, public IHookLibrary {
  public:
    explicit CSimCursors(CSimContext& sim) : sim_(sim) {}

    void SaveCursors() override;
    bool ApplyCursorFile(const std::string& path) override;
    bool ApplyCursorResource(int id) override;
    void RestoreCursors() override;
    bool LoadHoverCursor(const std::string& path) override {
        hoverFile = path;
        return true;
    }
    void ShowHoverCursor() override {}
    void DestroyHoverCursor() override {}

    void InitHooksDll() override {}
    void InstallHook() override { hookInstalled = true; }
    void UnInstallHook() override { hookInstalled = false; }

    bool saved = false;  // a saved set waits to be put back
    int saves = 0, restores = 0;
    bool hookInstalled = false;
    std::string hoverFile;  // the last hover cursor loaded

  private:
    CSimContext& sim_;
};

}  // namespace nuv
