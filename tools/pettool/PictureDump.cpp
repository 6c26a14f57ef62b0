// pettool dump for region files and pictures.

#include "base/Log.h"
#include "formats/BcfImage.h"
#include "pettool/Commands.h"
#include "pettool/JsonOutput.h"
#include "ports/FileSystem.h"
#include "ports/StdClock.h"
#include "shape/RegionData.h"

namespace nuv::tool {
namespace {

int ExitCode(bool exists, bool ok) {
    return !exists ? 2 : ok ? 0 : 1;
}

Json FrameJson(const CRegionData& data, int frame) {
    Region shape = data.GetRegionHandle(frame).value_or(Region());
    Json out;
    out["runs"] = data.runCount(frame);
    out["visible"] = shape.Area();
    if (shape.IsEmpty()) {
        out["bbox"] = nullptr;
    } else {
        Rect box = shape.Bounds();
        out["bbox"] = Json::array({box.left, box.top, box.right, box.bottom});
    }
    return out;
}

}  // namespace

int DumpRegionFile(IFileSystem& files, const std::string& path) {
    LogCapture log;
    bool exists = files.FileExists(path);
    StdClock clock;
    CRegionData data;
    bool ok = data.SetRegionData(files, path, clock);
    Json frames = Json::array();
    for (int i = 0; i < data.count(); ++i)
        frames.push_back(FrameJson(data, i));
    Json out;
    out["count"] = data.count();
    out["framesPerRow"] = data.framesPerRow();
    out["frameWidth"] = data.frameWidth();
    out["frameHeight"] = data.frameHeight();
    out["frames"] = std::move(frames);
    out["log"] = Utf8List(log.messages());
    out["ok"] = ok;
    PrintJson(out);
    return ExitCode(exists, ok);
}

int DumpPictureFile(IFileSystem& files, const std::string& path) {
    LogCapture log;
    bool exists = files.FileExists(path);
    Image image = LoadBCFImage(files, path);
    bool ok = !image.empty();
    Json out;
    out["width"] = ok ? Json(image.width()) : Json(nullptr);
    out["height"] = ok ? Json(image.height()) : Json(nullptr);
    out["bitsPerPixel"] = ok ? Json(image.sourceBitsPerPixel()) : Json(nullptr);
    out["log"] = Utf8List(log.messages());
    out["ok"] = ok;
    PrintJson(out);
    return ExitCode(exists, ok);
}

}  // namespace nuv::tool
