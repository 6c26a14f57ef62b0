#include "base/Paths.h"

namespace nuv {
namespace {

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name, std::string_view extension) {
    std::string path;
    path.reserve(folder.size() + name.size() + extension.size());
    path.append(folder).append(name).append(extension);
    return path;
}

bool IsDeviceName(std::string_view name) {
    // Windows ignores the extension and the blanks before it.
    std::string base(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    for (char& c : base)
        c = UpperAscii(c);
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

bool NamesDevice(std::string_view path) {
    if (!path.empty() && path[0] == '/') return false;
    std::size_t start = 0;
    while (true) {
        std::size_t end = path.find_first_of("\\/", start);
        if (IsDeviceName(path.substr(start, end == std::string_view::npos ? end : end - start)))
            return true;
        if (end == std::string_view::npos) return false;
        start = end + 1;
    }
}

bool IsPlainFileName(std::string_view name) {
    return name.find_first_of("\\/:") == std::string_view::npos && name != "." && name != ".." &&
           !IsDeviceName(name);
}

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
    std::size_t dot = path.rfind('.');
    std::string out(path.substr(0, dot == std::string_view::npos ? path.size() : dot));
    return out.append(extension);
}

}  // namespace nuv
