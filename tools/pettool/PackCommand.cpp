// pettool pack SRC OUT: a pet's sources into a runnable pet root.

#include <cstdio>
#include <filesystem>

#include "pettool/Commands.h"
#include "pettool/Packer.h"

namespace nuv::tool {
namespace fs = std::filesystem;

int RunPack(const Args& args) {
    if (args.size() != 2) {
        std::fputs("usage: pettool pack SRC OUT  (SRC: a folder holding pet.manifest, or the manifest)\n",
                   stderr);
        return 2;
    }
    fs::path source = args[0];
    std::error_code ec;
    fs::path manifestPath = fs::is_directory(source, ec) ? source / "pet.manifest" : source;
    Manifest manifest;
    std::vector<std::string> errors;
    if (!ReadManifest(manifestPath.string(), &manifest, &errors)) {
        for (const std::string& e : errors) std::fprintf(stderr, "%s\n", e.c_str());
        return 1;
    }
    Packer packer(manifest, manifestPath.parent_path());
    if (!packer.Build() || !packer.Write(args[1])) {
        for (const std::string& e : packer.errors()) std::fprintf(stderr, "%s\n", e.c_str());
        std::fprintf(stderr, "pettool pack: %zu problem(s); nothing usable was written\n",
                     packer.errors().size());
        return 1;
    }
    return 0;
}

}  // namespace nuv::tool
