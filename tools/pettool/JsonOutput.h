#pragma once
// JSON output of pettool: UTF-8 texts converted from code page 949, keys in insertion order.

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace nuv::tool {

using Json = nlohmann::ordered_json;

// A code page 949 text as UTF-8 (invalid bytes become U+FFFD).
std::string Utf8(std::string_view cp949Text);
Json Utf8List(const std::vector<std::string>& cp949Texts);
// Prints one JSON object on one line to standard output.
void PrintJson(const Json& value);

}  // namespace nuv::tool
