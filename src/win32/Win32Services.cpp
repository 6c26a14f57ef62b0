#include "win32/Win32Services.h"

#include <cstring>
#include <cwchar>
#include <string>

#include "base/Log.h"
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

// The program's full file name, however long; empty when the system cannot tell it.
std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, &path[0], DWORD(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return path.substr(0, length);
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}

std::wstring CurrentFolder() {
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0) return {};
    std::wstring folder(size, L'\0');
    DWORD length = GetCurrentDirectoryW(size, &folder[0]);
    return length > 0 && length < size ? folder.substr(0, length) : std::wstring();
}

// `text` as one argument of a command line: in double quotes, with the backslashes before a
// quote (its own or the closing one) doubled and its own quotes escaped.
std::wstring QuotedArgument(const std::wstring& text) {
    std::wstring out = L"\"";
    std::size_t backslashes = 0;  // those just written
    for (wchar_t c : text) {
        if (c == L'"') out.append(backslashes + 1, L'\\');
        backslashes = c == L'\\' ? backslashes + 1 : 0;
        out += c;
    }
    return out.append(backslashes, L'\\') + L"\"";
}

// The program on the pet root it runs in now: it makes the root its working folder at the
// start. Empty when either is unknown.
std::wstring RunCommand(const std::wstring& program, const std::wstring& folder) {
    if (program.empty() || folder.empty()) return {};
    return QuotedArgument(program) + L" " + QuotedArgument(folder);
}

// The value earlier versions wrote for the same program and root: through "start /d", which
// showed a console window at log-on.
std::wstring ConsoleRunCommand(const std::wstring& program, const std::wstring& folder) {
    if (program.empty() || folder.empty()) return {};
    return L"cmd.exe /c start \"\" /d \"" + folder + L"\" \"" + program + L"\"";
}

// The Run value as it stands; empty when there is none (or it is no text).
std::wstring RunValue() {
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, kRunValue, RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS) {
        return {};
    }
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    size = DWORD(value.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, kRunValue, RRF_RT_REG_SZ, nullptr, &value[0],
                     &size) != ERROR_SUCCESS) {
        return {};
    }
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

LONG WriteRunValue(HKEY key, bool start) {
    if (!start) {
        LONG rc = RegDeleteValueW(key, kRunValue);
        return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
    }
    std::wstring command = RunCommand(ProgramPath(), CurrentFolder());
    if (command.empty()) return ERROR_BAD_PATHNAME;
    return RegSetValueExW(key, kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                          DWORD((command.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

bool Win32Services::StartsWithDesktop() {
    std::wstring value = RunValue(), program = ProgramPath(), folder = CurrentFolder();
    if (value.empty()) return false;
    if (value == RunCommand(program, folder)) return true;
    if (value != ConsoleRunCommand(program, folder)) return false;
    SetStartWithDesktop(true);  // the same choice, from now on without the console window
    return true;
}

bool Win32Services::SetStartWithDesktop(bool start) {
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr);
    if (rc == ERROR_SUCCESS) {
        rc = WriteRunValue(key, start);
        RegCloseKey(key);
    }
    if (rc != ERROR_SUCCESS) {
        WriteLogF("Win32Services::SetStartWithDesktop() - Run 값을 %s 못했습니다. Error = %ld",
                  start ? "쓰지" : "지우지", long(rc));
    }
    return rc == ERROR_SUCCESS;
}

void Win32Services::OpenUrl(const std::string& url) {
    // The user's default browser opens the address.
    ShellExecuteW(nullptr, L"open", Widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace nuv::win32
