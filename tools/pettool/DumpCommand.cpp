// pettool dump FILE: what the program reads from one of its files, as JSON.

#include <cstdio>

#include "base/Log.h"
#include "host/PosixFileSystem.h"
#include "pettool/Commands.h"
#include "pettool/DumpKinds.h"
#include "ports/FileSystem.h"

namespace nuv::tool {

namespace {

using DumpFunction = int (*)(IFileSystem& files, const std::string& path);

std::string UpperFileName(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    for (char& c : name) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return name;
}

bool EndsWith(const std::string& text, const char* suffix) {
    std::string tail(suffix);
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The dump for the file's kind, by its name in any letter case; null for other files.
DumpFunction DumpForName(const std::string& path) {
    std::string name = UpperFileName(path);
    if (name == "PET.CFG") return DumpCommonConfigFile;
    if (EndsWith(name, ".CFG")) return DumpPetStateFile;
    if (EndsWith(name, ".ANI")) return DumpScriptFile;
    if (EndsWith(name, ".CMC")) return DumpAdMessageFile;
    if (EndsWith(name, ".RGN")) return DumpRegionFile;
    if (EndsWith(name, ".BCF")) return DumpPictureFile;
    return nullptr;
}

}  // namespace

int RunDump(const Args& args) {
    if (args.size() != 1) {
        std::fputs("pettool: dump takes one FILE\n", stderr);
        return 2;
    }
    const std::string& path = args[0];
    DumpFunction dump = DumpForName(path);
    if (!dump) {
        std::fprintf(stderr, "pettool: cannot dump %s: not a .ANI, .CFG, .CMC, .RGN or .BCF file\n",
                     path.c_str());
        return 2;
    }
    PosixFileSystem host(".");
    DeviceNameGuard files(host);
    if (!files.FileExists(path)) {
        std::fprintf(stderr, "pettool: %s: no such file\n", path.c_str());
        return 2;
    }
    return dump(files, path);
}

int FinishDump(Json& out, const LogCapture& log, bool ok) {
    out["log"] = Utf8List(log.messages());
    out["ok"] = ok;
    PrintJson(out);
    return ok ? 0 : 1;
}

}  // namespace nuv::tool
