#include "balloon/HangulJamo.h"

#include <cstdint>

#include "base/Cp949.h"

namespace nuv {
namespace {

constexpr uint16_t kFirstSyllable = 0xAC00;
constexpr int kSyllableCount = 11172;
constexpr int kMedialCount = 21;
constexpr int kFinalCount = 28;

// Compatibility jamo in the order of the syllable decomposition.
constexpr uint16_t kInitials[] = {0x3131, 0x3132, 0x3134, 0x3137, 0x3138, 0x3139, 0x3141,
                                  0x3142, 0x3143, 0x3145, 0x3146, 0x3147, 0x3148, 0x3149,
                                  0x314A, 0x314B, 0x314C, 0x314D, 0x314E};
constexpr uint16_t kMedials[] = {0x314F, 0x3150, 0x3151, 0x3152, 0x3153, 0x3154, 0x3155,
                                 0x3156, 0x3157, 0x3158, 0x3159, 0x315A, 0x315B, 0x315C,
                                 0x315D, 0x315E, 0x315F, 0x3160, 0x3161, 0x3162, 0x3163};
constexpr uint16_t kFinals[] = {0,      0x3131, 0x3132, 0x3133, 0x3134, 0x3135, 0x3136,
                                0x3137, 0x3139, 0x313A, 0x313B, 0x313C, 0x313D, 0x313E,
                                0x313F, 0x3140, 0x3141, 0x3142, 0x3144, 0x3145, 0x3146,
                                0x3147, 0x3148, 0x314A, 0x314B, 0x314C, 0x314D, 0x314E};

std::string JamoText(uint16_t code) {
    return code == 0 ? std::string() : cp949::EncodeChar(code);
}

// Index of the jamo `text` in `table`, or -1.
template <std::size_t N>
int FindJamo(const uint16_t (&table)[N], std::string_view text) {
    for (std::size_t i = 0; i < N; ++i) {
        if (JamoText(table[i]) == text) return int(i);
    }
    return -1;
}

}  // namespace

int SplitHangulSyllable(std::string_view syllable, std::string* initial, std::string* medial,
                        std::string* final) {
    if (syllable.size() != 2) return 0;
    std::size_t length = 0;
    int index = int(cp949::DecodeChar(syllable, 0, &length)) - kFirstSyllable;
    if (length != 2 || index < 0 || index >= kSyllableCount) return 0;
    int finalIndex = index % kFinalCount;
    *initial = JamoText(kInitials[index / (kMedialCount * kFinalCount)]);
    *medial = JamoText(kMedials[index % (kMedialCount * kFinalCount) / kFinalCount]);
    *final = JamoText(kFinals[finalIndex]);
    return finalIndex != 0 ? 3 : 2;
}

int JoinHangulSyllable(std::string_view initial, std::string_view medial, std::string_view final,
                       std::string* syllable) {
    int i = FindJamo(kInitials, initial);
    int m = FindJamo(kMedials, medial);
    int f = FindJamo(kFinals, final);
    if (i < 0 || m < 0 || f < 0) return 0;
    *syllable =
        cp949::EncodeChar(uint16_t(kFirstSyllable + (i * kMedialCount + m) * kFinalCount + f));
    return 1;
}

}  // namespace nuv
