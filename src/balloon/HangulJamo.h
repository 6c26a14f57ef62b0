#pragma once
// Hangul syllables taken apart into their letters (jamo) and put together again, for the
// typing balloon. Texts are code page 949 bytes; each jamo is a compatibility jamo character.

#include <string>
#include <string_view>

namespace nuv {

// Splits the two-byte character `syllable` into its initial, medial and final jamo (the final
// is empty when the syllable has none). Returns 3 with a final, 2 without, 0 when the
// character is no Hangul syllable (the outputs are then untouched).
int SplitHangulSyllable(std::string_view syllable, std::string* initial, std::string* medial,
                        std::string* final);

// The syllable made of the three jamo (`final` may be empty). Returns 1, or 0 when a jamo is
// not one of its kind (`syllable` is then untouched).
int JoinHangulSyllable(std::string_view initial, std::string_view medial, std::string_view final,
                       std::string* syllable);

}  // namespace nuv
