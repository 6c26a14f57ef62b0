#pragma once
// The commands of pettool. Each takes the arguments after its name and returns the exit code.

#include <string>
#include <vector>

namespace nuv {
class IFileSystem;
}

namespace nuv::tool {

using Args = std::vector<std::string>;

int RunComplement(const Args& args);  // decode and encode: both complement every byte
int RunTopng(const Args& args);       // a BCF picture as a PNG file
int RunDump(const Args& args);
int RunSim(const Args& args);
int RunCheck(const Args& args);
int RunPack(const Args& args);
int RunContact(const Args& args);  // the frames or the other pictures of a pet on one PNG

// The dumps of the picture files, called by dump with a path that exists.
int DumpRegionFile(IFileSystem& files, const std::string& path);   // .RGN
int DumpPictureFile(IFileSystem& files, const std::string& path);  // .BCF

}  // namespace nuv::tool
