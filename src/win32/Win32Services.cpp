#include "win32/Win32Services.h"

#include <cstring>
#include <string>

#include "win32/WideText.h"
#include "win32/WinApi.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <wininet.h>

namespace nuv::win32 {
namespace {

// The version structure in its first, 148-byte form.
static_assert(sizeof(OSVERSIONINFOA) == 148, "the version structure has 148 bytes");

}  // namespace

uint32_t Win32Services::GetVersion(OsVersion* version) {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info)) return GetLastError();
#pragma GCC diagnostic pop
    switch (info.dwPlatformId) {
        case VER_PLATFORM_WIN32s:
            version->platform = OsVersion::kWin32s;
            break;
        case VER_PLATFORM_WIN32_WINDOWS:
            version->platform = OsVersion::kWindows9x;
            break;
        case VER_PLATFORM_WIN32_NT:
            version->platform = OsVersion::kWindowsNt;
            break;
        default:
            version->platform = OsVersion::kOther;
            break;
    }
    version->major = info.dwMajorVersion;
    version->minor = info.dwMinorVersion;
    version->servicePack.assign(info.szCSDVersion, strnlen(info.szCSDVersion, 128));
    return 0;
}

bool Win32Services::OpenInternetLibrary() {
    HINTERNET internet =
        InternetOpenW(L"INTERNETOPENTEST", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!internet) return false;
    InternetCloseHandle(internet);
    return true;
}

int Win32Services::GetDragFullWindows() {
    BOOL on = FALSE;
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &on, 0);
    return on ? 1 : 0;
}

void Win32Services::SetDragFullWindows(int value) {
    // Not written to the user's profile: it lasts until the user logs off.
    SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, UINT(value), nullptr, 0);
}

void Win32Services::PlaySoundFile(const std::string& path) {
    sndPlaySoundW(Widen(path).c_str(), SND_ASYNC);
}

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRunValue[] = L"NuvPET";

// The program started in the pet root it runs in now ("start /d" sets the working folder).
std::wstring RunCommand() {
    wchar_t program[MAX_PATH] = {}, folder[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    GetCurrentDirectoryW(MAX_PATH, folder);
    return std::wstring(L"cmd.exe /c start \"\" /d \"") + folder + L"\" \"" + program + L"\"";
}

}  // namespace

bool Win32Services::StartsWithDesktop() {
    wchar_t value[1024] = {};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, kRunValue, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS) {
        return false;
    }
    return RunCommand() == value;
}

bool Win32Services::SetStartWithDesktop(bool start) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    LONG rc;
    if (start) {
        std::wstring command = RunCommand();
        rc = RegSetValueExW(key, kRunValue, 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(command.c_str()),
                            DWORD((command.size() + 1) * sizeof(wchar_t)));
    } else {
        rc = RegDeleteValueW(key, kRunValue);
        if (rc == ERROR_FILE_NOT_FOUND) rc = ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

void Win32Services::OpenUrl(const std::string& url) {
    // The user's default browser opens the address.
    ShellExecuteW(nullptr, L"open", Widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace nuv::win32
