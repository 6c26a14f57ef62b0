#pragma once
// Code page 949 (Korean, double-byte): the encoding of every text inside the program.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace nuv::cp949 {

// True for a byte that starts a double-byte character (0x81..0xFE).
bool IsLeadByte(unsigned char byte);

// Length in bytes (1 or 2) of the character starting at text[pos]; a lead byte at
// the very end of the text counts as one byte.
std::size_t CharLength(std::string_view text, std::size_t pos);

// ASCII letters lowered; double-byte characters are kept whole and unchanged.
std::string ToLower(std::string_view text);

// The longest prefix of at most maxBytes bytes that does not split a double-byte character.
std::string CutBytes(std::string_view text, std::size_t maxBytes);

// UTF-16 code of the character at text[pos] (length in *length); 0 when it is not valid.
uint16_t DecodeChar(std::string_view text, std::size_t pos, std::size_t* length);

// The code page 949 bytes of a UTF-16 code; empty when the code page has no such character.
std::string EncodeChar(uint16_t code);

// Whole-text conversions. Bytes that are not valid code page 949 become U+FFFD;
// characters that code page 949 cannot hold make ToCp949 fail (returns false).
std::string ToUtf8(std::string_view text);
bool FromUtf8(std::string_view utf8, std::string* cp949Out);

}  // namespace nuv::cp949
