#pragma once
#include <map>
#include <optional>
#include <string>

#include "ports/Settings.h"

namespace nuv {

// The program's settings in memory, for one run.
class CSimSettings : public ISettings {
  public:
    std::optional<std::string> GetString(const std::string& key) override {
        auto it = values.find(key);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    bool SetString(const std::string& key, const std::string& value) override {
        values[key] = value;
        return true;
    }

    std::map<std::string, std::string> values;
};

}  // namespace nuv
