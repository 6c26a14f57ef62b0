#include "win32/Win32Settings.h"

#include "base/Log.h"
#include "win32/WinApi.h"

namespace nuv::win32 {
namespace {

constexpr size_t kMaxValueChars = 1024;

bool IsAscii(const std::string& text) {
    for (unsigned char c : text) {
        if (c < 0x20 || c > 0x7E) return false;
    }
    return true;
}

std::wstring AsciiToWide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

}  // namespace

std::optional<std::string> Win32Settings::GetString(const std::string& key) {
    if (!IsAscii(key)) return std::nullopt;
    wchar_t value[kMaxValueChars] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, subKey_.c_str(), AsciiToWide(key).c_str(), RRF_RT_REG_SZ,
                     nullptr, value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string text;
    for (const wchar_t* c = value; *c; ++c) {
        if (*c < 0x20 || *c > 0x7E) return std::nullopt;
        text += char(*c);
    }
    return text;
}

bool Win32Settings::SetString(const std::string& key, const std::string& value) {
    LONG rc = ERROR_INVALID_PARAMETER;
    if (!key.empty() && IsAscii(key) && IsAscii(value) && value.size() < kMaxValueChars) {
        HKEY handle = nullptr;
        rc = RegCreateKeyExW(HKEY_CURRENT_USER, subKey_.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                             nullptr, &handle, nullptr);
        if (rc == ERROR_SUCCESS) {
            std::wstring wide = AsciiToWide(value);
            rc = RegSetValueExW(handle, AsciiToWide(key).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(wide.c_str()),
                                DWORD((wide.size() + 1) * sizeof(wchar_t)));
            RegCloseKey(handle);
        }
    }
    if (rc != ERROR_SUCCESS) {
        WriteLogF("Win32Settings::SetString() - '%s' 설정을 쓰지 못했습니다. Error = %ld",
                  key.c_str(), long(rc));
    }
    return rc == ERROR_SUCCESS;
}

}  // namespace nuv::win32
