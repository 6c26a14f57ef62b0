#include "shape/RegionData.h"

#include <algorithm>
#include <new>

#include "base/Log.h"
#include "ports/Clock.h"
#include "ports/FileSystem.h"

namespace nuv {

// Unsigned 16-bit little-endian numbers from the bytes of a file.
class CRegionData::Reader {
  public:
    explicit Reader(const std::string& bytes) : bytes_(bytes) {}
    std::size_t left() const { return bytes_.size() - pos_; }
    bool Read(uint16_t* value) {
        if (left() < 2) return false;
        *value = uint16_t(uint8_t(bytes_[pos_]) | uint8_t(bytes_[pos_ + 1]) << 8);
        pos_ += 2;
        return true;
    }
    uint16_t Next() {
        uint16_t value = 0;
        Read(&value);
        return value;
    }

  private:
    const std::string& bytes_;
    std::size_t pos_ = 0;
};

void CRegionData::Clear() {
    regions_.clear();
    regions_.shrink_to_fit();
    runCounts_.clear();
    count_ = framesPerRow_ = frameWidth_ = frameHeight_ = 0;
}

bool CRegionData::SetRegionData(IFileSystem& files, const std::string& path, IClock& clock,
                                ILoadingWindow& window) {
    Clear();
    if (path.empty()) {
        WriteLog("SetRegionData() - 파일명이 지정되지 않았습니다.");
        return false;
    }
    FileReadResult file = files.ReadFile(path);
    if (file.status == FileReadResult::kOpenFailed) {
        WriteLogF("SetRegionData() - RGN 파일을 열 수 없습니다. Error = %u", file.error);
        return false;
    }
    // A file that simply ends reads as the end of the file; a failed read keeps its own code.
    uint32_t shortReadError =
        file.status == FileReadResult::kReadFailed ? file.error : uint32_t(kErrorHandleEof);
    Reader in(file.data);
    if (!ReadHeader(in, shortReadError)) {
        Clear();
        return false;
    }
    try {
        regions_.reserve(count_);
        runCounts_.reserve(count_);
    } catch (const std::bad_alloc&) {
        WriteLogF("SetRegionData() - 리전 데이터 공간을 확보하지 못했습니다. Error = %u",
                  uint32_t(kErrorNotEnoughMemory));
        Clear();
        return false;
    }
    window.Open(count_);
    bool ok = ReadFrames(in, clock, window, shortReadError);
    window.Close();
    if (!ok) Clear();
    return ok;
}

bool CRegionData::ReadHeader(Reader& in, uint32_t shortReadError) {
    if (in.left() < 8) {
        WriteLogF("SetRegionData() - RGN 파일의 헤더부를 읽지 못했습니다. Error = %u",
                  shortReadError);
        return false;
    }
    count_ = in.Next();
    framesPerRow_ = in.Next();
    frameWidth_ = in.Next();
    frameHeight_ = in.Next();
    // Frames are placed by dividing by both; a file without frames needs neither.
    if (count_ > 0 && (framesPerRow_ == 0 || frameHeight_ == 0)) {
        WriteLogF("SetRegionData() - RGN 파일의 헤더부가 올바르지 않습니다. K = %d, FH = %d",
                  framesPerRow_, frameHeight_);
        return false;
    }
    return true;
}

bool CRegionData::ReadFrames(Reader& in, IClock& clock, ILoadingWindow& window,
                             uint32_t shortReadError) {
    uint32_t start = clock.TickCount();
    XorRuns holes;
    for (int i = 0; i < count_; ++i) {
        uint16_t runs = 0;
        if (!in.Read(&runs)) {
            WriteLogF("SetRegionData() - 리전 데이터 수를 읽는데 실패했습니다. Error = %u",
                      shortReadError);
            return false;
        }
        if (in.left() < std::size_t(runs) * 6) {
            WriteLogF("SetRegionData() - 리전 데이터를 읽는데 실패했습니다. Error = %u",
                      shortReadError);
            return false;
        }
        runCounts_.push_back(runs);
        regions_.push_back(ReadFrame(in, i, runs, holes));
        uint32_t elapsed = clock.TickCount() - start;
        window.Report(int(elapsed / 1000), int(int64_t(100) * i / count_), i + 1);
    }
    return true;
}

Region CRegionData::ReadFrame(Reader& in, int frame, int runs, XorRuns& holes) {
    // Runs are in sheet coordinates: the column start wraps like the file's 16-bit numbers,
    // rows fold into the frame's height. Only the part inside the frame matters.
    uint32_t columnStart = uint32_t(frame % framesPerRow_) * uint32_t(frameWidth_);
    for (int r = 0; r < runs; ++r) {
        uint16_t column = in.Next(), row = in.Next(), length = in.Next();
        int x = int((column - columnStart) & 0xFFFFu);
        int y = row % frameHeight_;
        holes.Add(y, x, std::min(x + int(length), frameWidth_));
    }
    return holes.Build(Rect{0, 0, frameWidth_, frameHeight_});
}

std::optional<Region> CRegionData::GetRegionHandle(int frame) const {
    const Region* shape = FrameShape(frame);
    if (!shape) return std::nullopt;
    return *shape;
}

const Region* CRegionData::FrameShape(int frame) const {
    if (frame < 0 || frame >= int(regions_.size())) return nullptr;
    return &regions_[frame];
}

int CRegionData::runCount(int frame) const {
    if (frame < 0 || frame >= int(runCounts_.size())) return 0;
    return runCounts_[frame];
}

}  // namespace nuv
