#include "pettool/JsonOutput.h"

#include <cstdio>

#include "base/Cp949.h"

namespace nuv::tool {

std::string Utf8(std::string_view cp949Text) {
    return cp949::ToUtf8(cp949Text);
}

Json Utf8List(const std::vector<std::string>& cp949Texts) {
    Json list = Json::array();
    for (const std::string& text : cp949Texts)
        list.push_back(Utf8(text));
    return list;
}

void PrintJson(const Json& value) {
    std::string text = value.dump(-1, ' ', false, Json::error_handler_t::replace);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

}  // namespace nuv::tool
