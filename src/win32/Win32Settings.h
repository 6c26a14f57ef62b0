#pragma once
#include <optional>
#include <string>

#include "ports/Settings.h"

namespace nuv::win32 {

// The program's own settings as text values of the current user's key Software\NuvPET (one
// value per setting, named as it), apart from the pet's files.
class Win32Settings : public ISettings {
  public:
    // `subKey` under HKEY_CURRENT_USER; another than the program's only for tests.
    explicit Win32Settings(std::wstring subKey = L"Software\\NuvPET")
        : subKey_(std::move(subKey)) {}

    // The value of `key`; none when there is none, it is no text or it is not ASCII.
    std::optional<std::string> GetString(const std::string& key) override;
    // Stores `value` (ASCII) under `key`; false, with a log line, when it cannot be stored.
    bool SetString(const std::string& key, const std::string& value) override;

  private:
    std::wstring subKey_;
};

}  // namespace nuv::win32
