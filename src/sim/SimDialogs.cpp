#include "sim/SimDialogs.h"

#include "base/Cp949.h"
#include "base/TextFunctions.h"

namespace nuv {

std::optional<std::string> CSimDialogs::InputBox(const std::string&, const std::string&) {
    if (!name_) return std::nullopt;
    std::string name;
    if (!cp949::FromUtf8(*name_, &name)) return std::nullopt;
    return WithoutFieldSeparators(name);  // typed into a box that takes no ';'
}

std::optional<int> CSimDialogs::ChooseFromList(const std::string&,
                                               const std::vector<std::string>&) {
    if (choices.empty()) return std::nullopt;
    int choice = choices.front();
    choices.pop_front();
    return choice;
}

}  // namespace nuv
