#pragma once
// Texts cross into Windows as UTF-16: the program's code page 949 bytes are converted with the
// system's own table for code page 949, whatever the user's locale is.

#include <string>
#include <string_view>

namespace nuv::win32 {

constexpr unsigned kKoreanCodePage = 949;

// UTF-16 of code page 949 bytes. Invalid bytes become U+FFFD unless `strict` is set, in which
// case the conversion fails: returns false and leaves *out empty.
bool WidenCp949(std::string_view text, std::wstring* out, bool strict = false);
std::wstring Widen(std::string_view text);

// Code page 949 bytes of a UTF-16 text; characters the code page lacks become '?'.
std::string NarrowToCp949(std::wstring_view text);

}  // namespace nuv::win32
