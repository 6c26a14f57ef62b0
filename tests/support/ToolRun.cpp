#include "support/ToolRun.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace nuv::test {

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

ToolOutput RunPettool(const std::filesystem::path& dir, const std::string& args) {
    ToolOutput result;
#ifdef NUV_PETTOOL
    std::filesystem::path errPath = dir / ".pettool-stderr";
    std::string command =
        "cd '" + dir.string() + "' && '" NUV_PETTOOL "' " + args + " 2>'" + errPath.string() + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        result.out.append(buffer, n);
    }
    int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = ReadFileBytes(errPath);
    for (std::size_t start = 0, end; (end = result.out.find('\n', start)) != std::string::npos;
         start = end + 1) {
        result.lines.push_back(result.out.substr(start, end - start));
    }
    std::filesystem::remove(errPath);
#endif
    return result;
}

}  // namespace nuv::test
