#include <cstdio>
#include <fstream>
#include <iterator>

#include "formats/ComplementedFile.h"
#include "pettool/Commands.h"

namespace nuv::tool {

int RunComplement(const Args& args) {
    if (args.size() != 1) {
        std::fputs("pettool: decode and encode take one FILE\n", stderr);
        return 1;
    }
    std::ifstream in(args[0], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "pettool: cannot open %s\n", args[0].c_str());
        return 1;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string out = Complement(bytes);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace nuv::tool
