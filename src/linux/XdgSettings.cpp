#include "linux/XdgSettings.h"

#include <glib.h>
#include <glib/gstdio.h>

#include <sstream>

#include "base/Log.h"
#include "linux/Utf8Text.h"

namespace nuv::gtk {
namespace {

bool IsPrintableAscii(const std::string& text) {
    for (unsigned char c : text) {
        if (c < 0x20 || c > 0x7E) return false;
    }
    return true;
}

bool IsKey(const std::string& key) {
    return !key.empty() && IsPrintableAscii(key) && key.find('=') == std::string::npos &&
           key.front() != '#' && key.front() != ' ' && key.back() != ' ';
}

std::string ReadText(const std::string& path) {
    gchar* text = nullptr;
    gsize length = 0;
    if (!g_file_get_contents(path.c_str(), &text, &length, nullptr)) return {};
    std::string result(text, length);
    g_free(text);
    return result;
}

}  // namespace

std::string XdgSettings::DefaultPath() {
    gchar* path = g_build_filename(g_get_user_config_dir(), "nuvpet", "settings", nullptr);
    std::string result = path;
    g_free(path);
    return result;
}

std::optional<std::string> XdgSettings::GetString(const std::string& key) {
    if (!IsKey(key)) return std::nullopt;
    std::istringstream lines(ReadText(path_));
    std::optional<std::string> found;
    for (std::string line; std::getline(lines, line);) {
        if (line.compare(0, key.size() + 1, key + "=") == 0) found = line.substr(key.size() + 1);
    }
    return found;
}

bool XdgSettings::SetString(const std::string& key, const std::string& value) {
    if (!IsKey(key) || !IsPrintableAscii(value)) {
        WriteLogF("XdgSettings::SetString() - '%s' 설정의 이름이나 값이 올바르지 않습니다.",
                  key.c_str());
        return false;
    }
    std::istringstream lines(ReadText(path_));
    std::string text;
    for (std::string line; std::getline(lines, line);) {
        if (line.compare(0, key.size() + 1, key + "=") != 0) text += line + "\n";
    }
    text += key + "=" + value + "\n";
    gchar* folder = g_path_get_dirname(path_.c_str());
    g_mkdir_with_parents(folder, 0700);
    g_free(folder);
    GError* error = nullptr;
    if (!g_file_set_contents(path_.c_str(), text.c_str(), gssize(text.size()), &error)) {
        WriteLogF("XdgSettings::SetString() - '%s'을 쓸 수 없습니다: %s", path_.c_str(),
                  error ? Cp949(error->message).c_str() : "");
        if (error) g_error_free(error);
        return false;
    }
    return true;
}

}  // namespace nuv::gtk
