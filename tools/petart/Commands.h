#pragma once
// The commands of petart. Each returns the process exit code.

#include <string>
#include <vector>

namespace nuv::art {

struct Options {
    std::string palette = "first";
    int scale = 1;
    int perRow = 10;
    int firstFrame = 0;
    int lastFrame = 1 << 30;
    bool byAnimation = false;
    std::vector<int> ids;
    std::vector<std::string> paths;  // the arguments that are not options
};

// False with a reason in `error` for an unknown option or a bad value.
bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error);

int RunDraw(const Options& options);
int RunContact(const Options& options);
int RunCheck(const Options& options);
int RunZoom(const Options& options);

}  // namespace nuv::art
