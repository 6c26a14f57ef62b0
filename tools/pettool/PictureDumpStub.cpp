#include <cstdio>

#include "pettool/Commands.h"

namespace nuv::tool {

int DumpRegionFile(const std::string& path) {
    std::fputs("pettool: pictures are not supported yet\n", stderr);
    return 2;
}

int DumpPictureFile(const std::string& path) {
    std::fputs("pettool: pictures are not supported yet\n", stderr);
    return 2;
}

}  // namespace nuv::tool
