// pettool topng: the picture of a BCF file as an 8-bit RGB PNG file.

#include <cstdio>
#include <vector>

#include "base/Log.h"
#include "formats/BcfImage.h"
#include "host/PosixFileSystem.h"
#include "pettool/Commands.h"
#include "pettool/JsonOutput.h"
#include "pettool/PngIo.h"
#include "ports/FileSystem.h"

namespace nuv::tool {

int RunTopng(const Args& args) {
    if (args.size() != 2) {
        std::fputs("usage: pettool topng FILE.BCF OUT.png\n", stderr);
        return 2;
    }
    PosixFileSystem host(".");
    DeviceNameGuard files(host);
    if (!files.FileExists(args[0])) {
        std::fprintf(stderr, "pettool: %s does not exist\n", args[0].c_str());
        return 2;
    }
    LogCapture log;
    Image image = LoadBCFImage(files, args[0]);
    for (const std::string& message : log.messages()) {
        std::fprintf(stderr, "%s\n", Utf8(message).c_str());
    }
    if (image.empty()) return 1;
    std::string png = EncodePng(image);
    FileWriteResult written =
        png.empty() ? FileWriteResult() : files.WriteFile(args[1], png, false);
    if (!written.ok()) {
        std::fprintf(stderr, "pettool: cannot write %s (error %u)\n", args[1].c_str(),
                     written.error);
        return 1;
    }
    return 0;
}

}  // namespace nuv::tool
