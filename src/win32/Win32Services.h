#pragma once
#include "ports/SystemServices.h"

namespace nuv::win32 {

// Version, internet library, drag setting, sounds, links and the start with the session (the
// Run value of the current user) through the Windows API.
class Win32Services : public ISystemServices {
  public:
    uint32_t GetVersion(OsVersion* version) override;
    bool OpenInternetLibrary() override;
    int GetDragFullWindows() override;
    void SetDragFullWindows(int value) override;
    void PlaySoundFile(const std::string& path) override;
    void OpenUrl(const std::string& url) override;
    bool StartsWithDesktop() override;
    bool SetStartWithDesktop(bool start) override;
};

}  // namespace nuv::win32
