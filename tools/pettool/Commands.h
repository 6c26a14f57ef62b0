#pragma once
// The commands of pettool. Each takes the arguments after its name and returns the exit code.

#include <string>
#include <vector>

namespace nuv::tool {

using Args = std::vector<std::string>;

int RunComplement(const Args& args);  // decode and encode: both complement every byte
int RunTopng(const Args& args);       // a BCF picture as a PNG file
int RunDump(const Args& args);
int DumpRegionFile(const std::string& path);
int DumpPictureFile(const std::string& path);

}  // namespace nuv::tool
