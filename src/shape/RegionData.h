#pragma once
// The shapes of a pet's frames, read from its .RGN file.
//
// The file holds, as unsigned 16-bit little-endian numbers: the frame count N, the frames per
// row K, the frame width FW and height FH, then one record per frame: a run count R and R runs
// of (X, Y, LEN) in the coordinates of the whole picture sheet. Each run lists transparent
// pixels: it is XOR-ed into the frame's rectangle, so a pixel covered twice is visible again.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ports/LoadingWindow.h"
#include "shape/Region.h"
#include "shape/XorRuns.h"

namespace nuv {

class IClock;
class IFileSystem;

class CRegionData {
  public:
    virtual ~CRegionData() = default;

    // Reads the region file at `path`, replacing the current table. Returns false, with one
    // log line and an empty table, when the file is missing, cut short or malformed.
    bool SetRegionData(IFileSystem& files, const std::string& path, IClock& clock,
                       ILoadingWindow& window = NoLoadingWindow());
    // A copy of the shape of `frame` in frame coordinates, or nothing when out of range.
    std::optional<Region> GetRegionHandle(int frame) const;
    // The table's own shape of `frame`, held until the table is read again, or null when out
    // of range.
    const Region* FrameShape(int frame) const;

    int count() const { return count_; }
    int framesPerRow() const { return framesPerRow_; }
    int frameWidth() const { return frameWidth_; }
    int frameHeight() const { return frameHeight_; }
    // The number of runs in the file's record of `frame` (0 when out of range).
    int runCount(int frame) const;

  private:
    class Reader;
    void Clear();
    bool ReadHeader(Reader& in, uint32_t shortReadError);
    bool ReadFrames(Reader& in, IClock& clock, ILoadingWindow& window, uint32_t shortReadError);
    Region ReadFrame(Reader& in, int frame, int runs, XorRuns& holes);

    std::vector<Region> regions_;
    std::vector<uint16_t> runCounts_;
    int count_ = 0;
    int framesPerRow_ = 0;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
};

}  // namespace nuv
