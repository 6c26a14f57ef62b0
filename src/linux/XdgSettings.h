#pragma once
#include <optional>
#include <string>

#include "ports/Settings.h"

namespace nuv::gtk {

// The program's own settings as key=value lines of $XDG_CONFIG_HOME/nuvpet/settings (by default
// ~/.config/nuvpet/settings), apart from the pet's files. The file is replaced whole at each
// change, never left half written; lines it does not know are kept.
class XdgSettings : public ISettings {
  public:
    // The file; another than the program's only for tests.
    explicit XdgSettings(std::string path = DefaultPath()) : path_(std::move(path)) {}
    static std::string DefaultPath();

    // The value of `key`; none when there is none or the file cannot be read.
    std::optional<std::string> GetString(const std::string& key) override;
    // Stores `value` (printable ASCII) under `key`; false, with a log line, when it cannot.
    bool SetString(const std::string& key, const std::string& value) override;

  private:
    std::string path_;
};

}  // namespace nuv::gtk
