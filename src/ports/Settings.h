#pragma once
// The program's own settings, kept apart from the pet's files: the Windows shell keeps them
// under the user's registry key, the Linux shell in $XDG_CONFIG_HOME/nuvpet/, the simulated
// desktop in memory.

#include <optional>
#include <string>

namespace nuv {

// The keys the core uses and their values (ASCII).
namespace SettingKey {
constexpr char kZoom[] = "Zoom";  // "auto", "1", "2" or "3"
}  // namespace SettingKey

class ISettings {
  public:
    virtual ~ISettings() = default;
    // The value stored under `key` (ASCII); none when nothing is stored or it cannot be read.
    virtual std::optional<std::string> GetString(const std::string& key) = 0;
    // Stores `value` under `key`; false when it could not be stored.
    virtual bool SetString(const std::string& key, const std::string& value) = 0;
};

}  // namespace nuv
