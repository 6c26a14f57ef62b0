#pragma once
// What a pet author must fix although the pet starts.

#include <string>
#include <vector>

namespace nuv {

class CPet;

// Warnings about a pet whose start-up succeeded (texts in code page 949).
std::vector<std::string> CheckPet(const CPet& pet);

}  // namespace nuv
