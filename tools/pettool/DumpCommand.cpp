#include <cstdio>

#include "pettool/Commands.h"

namespace nuv::tool {

int RunDump(const Args& args) {
    std::fputs("pettool: dump is not available yet\n", stderr);
    return 2;
}

}  // namespace nuv::tool
