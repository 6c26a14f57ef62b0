#include "linux/Utf8Text.h"

#include "base/Cp949.h"

namespace nuv::gtk {

std::string Utf8(std::string_view cp949) {
    return cp949::ToUtf8(cp949);
}

std::string Cp949(std::string_view utf8) {
    std::string out;
    if (cp949::FromUtf8(utf8, &out)) return out;
    // Character by character, dropping what the code page has no place for.
    out.clear();
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = 1;
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0xF0)
            n = 4;
        else if (c >= 0xE0)
            n = 3;
        else if (c >= 0xC0)
            n = 2;
        std::string piece;
        if (cp949::FromUtf8(utf8.substr(i, n), &piece)) out += piece;
        i += n;
    }
    return out;
}

}  // namespace nuv::gtk
