#include "pet/SystemInfo.h"

#include "base/Cp949.h"
#include "base/Log.h"

namespace nuv {

CSystemInfo::~CSystemInfo() {
    RestoreSystemCursors();
}

void CSystemInfo::AttachSystem(ISystemServices& system, ISystemCursors& cursors,
                               IDesktop& desktop) {
    system_ = &system;
    cursors_ = &cursors;
    desktop_ = &desktop;
}

std::string WindowsVersionName(const OsVersion& v) {
    switch (v.platform) {
        case OsVersion::kWin32s:
            return "Window 3.1 Win32s";
        case OsVersion::kWindows9x:
            if (v.minor == 0) {
                return cp949::ToLower(v.servicePack) == " c" ? "Windows 95 OSR2" : "Windows 95";
            }
            if (v.minor == 10) {
                return cp949::ToLower(v.servicePack) == " a" ? "Windows 98 SE" : "Windows 98";
            }
            if (v.minor == 90) return "Windows ME";
            return {};
        case OsVersion::kWindowsNt:
            if (v.major == 3 || v.major == 4)
                return StrFormat("Windows NT %u.%u", v.major, v.minor);
            if (v.major == 5 && v.minor == 0) return "Windows 2000";
            if (v.major == 5 && v.minor == 1) return "Windows XP";
            if (v.major == 5 && v.minor == 2) return "Windows .NET Server";
            return {};
        default:
            return {};
    }
}

std::string CSystemInfo::GetWindowType() {
    OsVersion version;
    if (uint32_t error = system_->GetVersion(&version)) {
        WriteLogF("GetWindowType() - 시스템으로부터 OS 버전을 얻어오지 못했습니다. Error = %u",
                  error);
        return {};
    }
    return WindowsVersionName(version);
}

int CSystemInfo::IsInternetAvailable() {
    return system_->OpenInternetLibrary() ? 1 : 0;
}
int CSystemInfo::GetDragFullWindows() {
    return system_->GetDragFullWindows();
}
void CSystemInfo::SetDragFullWindows(int value) {
    system_->SetDragFullWindows(value);
}
const Monitors& CSystemInfo::GetMonitors() {
    return desktop_->GetMonitors();
}

void CSystemInfo::SaveCursorsOnce() {
    if (cursorsSaved_) return;
    cursors_->SaveCursors();
    cursorsSaved_ = true;
}

void CSystemInfo::SetCursorFromResource(int id) {
    SaveCursorsOnce();
    cursors_->ApplyCursorResource(id);
}

void CSystemInfo::SetCursorFromFile(const std::string& path) {
    SaveCursorsOnce();
    cursors_->ApplyCursorFile(path);
}

void CSystemInfo::RestoreSystemCursors() {
    if (!cursorsSaved_) return;
    cursors_->RestoreCursors();
    cursorsSaved_ = false;
}

}  // namespace nuv
