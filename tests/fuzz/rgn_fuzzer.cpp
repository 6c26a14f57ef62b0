// Region files read through the in-memory file system.

#include <cstdint>
#include <string_view>

#include "base/Log.h"
#include "fuzz/FuzzFiles.h"
#include "shape/RegionData.h"
#include "sim/ManualClock.h"

namespace {

const char kPath[] = ".\\PETS\\FUZZ.RGN";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    nuv::fuzz::InputFiles().Put(kPath, std::string_view(reinterpret_cast<const char*>(data), size));
    nuv::ManualClock clock;
    nuv::CRegionData regions;
    bool ok = regions.SetRegionData(nuv::fuzz::InputFiles(), kPath, clock);
    if (!ok && regions.count() != 0) __builtin_trap();
    const nuv::Rect frame{0, 0, regions.frameWidth(), regions.frameHeight()};
    for (int i = 0; i < regions.count(); ++i) {
        std::optional<nuv::Region> shape = regions.GetRegionHandle(i);
        if (!shape) __builtin_trap();
        // Every shape lies inside its frame.
        if (!shape->IsEmpty() && (*shape - nuv::Region(frame)) != nuv::Region()) __builtin_trap();
    }
    if (regions.GetRegionHandle(regions.count())) __builtin_trap();
    return 0;
}
