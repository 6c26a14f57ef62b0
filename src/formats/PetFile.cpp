#include "formats/PetFile.h"

#include <algorithm>

#include "base/Cp949.h"
#include "base/Random.h"
#include "base/TextFunctions.h"
#include "formats/ComplementedFile.h"
#include "ports/Clock.h"

namespace nuv {

namespace {

constexpr std::size_t kAdTextBytes = 254;

// A negative weight would make the draw meaningless: it counts as never chosen.
int64_t DrawWeight(const AdMessage& message) {
    return std::max(message.weight, 0);
}

}  // namespace

CPetFile::~CPetFile() = default;

bool CPetFile::LoadAdMessages(IFileSystem& files, const std::string& path) {
    ClearAdMessages();
    text_ = CleanConfigText(ReadScriptFile(files, path));
    if (text_.empty()) return false;
    for (const std::string& line : SplitLines(text_)) {
        if (line.empty()) break;
        if (CountOf(line, ";") <= 2) continue;
        AdMessage message;
        message.number = TextToInt(GetField(line, 0, ';'));
        message.weight = TextToInt(GetField(line, 1, ';'));
        message.text = cp949::CutBytes(GetField(line, 2, ';'), kAdTextBytes);
        totalWeight_ += DrawWeight(message);
        messages_.push_back(message);
    }
    return true;
}

const std::string* CPetFile::PickAdMessage(uint32_t seed) const {
    if (totalWeight_ <= 0) return nullptr;
    int64_t draw = int64_t(seed % uint64_t(totalWeight_));
    // The draw is 0..total - 1: a message covers `weight` of those values, so its chance is
    // its weight over the total and a message of weight 0 is never drawn.
    int64_t sum = 0;
    for (const AdMessage& message : messages_) {
        sum += DrawWeight(message);
        if (sum > draw) return &message.text;
    }
    return nullptr;
}

void CPetFile::ClearAdMessages() {
    text_.clear();
    totalWeight_ = 0;
    messages_.clear();
}

}  // namespace nuv
