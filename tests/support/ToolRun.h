#pragma once
// Runs the built pettool as a program, for the tests of its commands.

#include <filesystem>
#include <string>
#include <vector>

namespace nuv::test {

struct ToolOutput {
    int exitCode = -1;
    std::string out;                 // standard output
    std::string err;                 // standard error
    std::vector<std::string> lines;  // of the standard output
};

// Runs `pettool ARGS` (ARGS as a shell would split them) in the folder `dir`.
ToolOutput RunPettool(const std::filesystem::path& dir, const std::string& args);
std::string ReadFileBytes(const std::filesystem::path& path);

}  // namespace nuv::test
