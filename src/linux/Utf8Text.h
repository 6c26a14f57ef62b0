#pragma once
// Texts between the core (code page 949 bytes) and GTK (UTF-8).

#include <string>
#include <string_view>

namespace nuv::gtk {

std::string Utf8(std::string_view cp949);
// The code page 949 bytes of `utf8`; characters the code page cannot hold are left out.
std::string Cp949(std::string_view utf8);

}  // namespace nuv::gtk
