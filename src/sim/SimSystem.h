#pragma once
#include "ports/SystemServices.h"
#include "sim/SimContext.h"

namespace nuv {

// The system services: Windows XP by default, sounds and opened links told as events.
class CSimSystem : public ISystemServices {
  public:
    explicit CSimSystem(CSimContext& sim);

    uint32_t GetVersion(OsVersion* v) override;
    bool OpenInternetLibrary() override { return internet; }
    int GetDragFullWindows() override { return dragFullWindows; }
    void SetDragFullWindows(int value) override { dragFullWindows = value; }
    void PlaySoundFile(const std::string& path) override { sim_.Tell({"sound", {{"file", path}}}); }
    void OpenUrl(const std::string& url) override { sim_.Tell({"open", {{"url", url}}}); }
    bool StartsWithDesktop() override { return startsWithDesktop; }
    bool SetStartWithDesktop(bool start) override {
        if (refuseStartWithDesktop) return false;
        startsWithDesktop = start;
        return true;
    }

    OsVersion version;
    uint32_t versionError = 0;  // the error the version query fails with; 0: none
    bool internet = true;
    int dragFullWindows = 0;
    bool startsWithDesktop = false;
    bool refuseStartWithDesktop = false;  // the system refuses to change it

  private:
    CSimContext& sim_;
};

}  // namespace nuv
