#pragma once
// The advertisement messages of a pet, .\DATA\<name>.CMC, drawn by weight.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace nuv {

class IFileSystem;

struct AdMessage {
    int number = 0;
    int weight = 0;    // relative frequency
    std::string text;  // balloon markup allowed
};

class CPetFile {
  public:
    CPetFile() = default;
    virtual ~CPetFile();

    // Empties the list, then reads the complemented file: one "number;weight;text;" per line
    // up to the first empty line; lines with fewer than three ';' are skipped. False when the
    // file gives no text.
    bool LoadAdMessages(IFileSystem& files, const std::string& path);
    // A message drawn with a chance proportional to its weight, or null when there is none.
    const std::string* PickAdMessage(uint32_t draw) const;
    void ClearAdMessages();

    const std::vector<AdMessage>& AdMessages() const { return messages_; }
    // The sum of the weights; negative weights count as 0.
    int64_t TotalWeight() const { return totalWeight_; }
    const std::string& MessageText() const { return text_; }

  private:
    std::string text_;
    int64_t totalWeight_ = 0;
    std::vector<AdMessage> messages_;
};

}  // namespace nuv
