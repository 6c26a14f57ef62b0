#include "shape/RegionData.h"

#include <gtest/gtest.h>

#include <tuple>

#include "sim/SimLoadingWindow.h"
#include "support/PictureFiles.h"
#include "support/TestEnv.h"

namespace nuv {
namespace {

using test::MakeRgn;
using test::RgnRun;

const char kPath[] = ".\\PETS\\CAT.RGN";

Region Shape(std::initializer_list<Rect> rects) {
    Region region;
    for (const Rect& r : rects)
        region |= r;
    return region;
}

Region FrameShape(const CRegionData& data, int frame) {
    std::optional<Region> region = data.GetRegionHandle(frame);
    EXPECT_TRUE(region) << frame;
    return region ? *region : Region();
}

class RegionFile : public ::testing::Test {
  protected:
    bool Load() { return data.SetRegionData(env.files, kPath, env.clock); }

    test::MemoryEnv env;
    CRegionData data;
};

TEST_F(RegionFile, RunsCutHolesInEachFrame) {
    // Two frames a row of 4 x 3 pixels: frame 1 starts at column 4, frame 2 at row 3.
    env.files.Put(kPath, MakeRgn(3, 2, 4, 3, {{}, {{5, 1, 2}}, {{0, 5, 4}, {1, 3, 1}}}));
    ASSERT_TRUE(Load());
    EXPECT_EQ(std::make_tuple(data.count(), data.framesPerRow(), data.frameWidth(),
                              data.frameHeight(), data.runCount(2)),
              std::make_tuple(3, 2, 4, 3, 2));
    EXPECT_EQ(FrameShape(data, 0), Region(Rect{0, 0, 4, 3}));
    EXPECT_EQ(FrameShape(data, 1), Shape({{0, 0, 4, 1}, {0, 1, 1, 2}, {3, 1, 4, 2}, {0, 2, 4, 3}}));
    EXPECT_EQ(FrameShape(data, 2), Shape({{0, 0, 1, 1}, {2, 0, 4, 1}, {0, 1, 4, 2}}));
    EXPECT_FALSE(data.GetRegionHandle(3));
    EXPECT_FALSE(data.GetRegionHandle(-1));
    EXPECT_TRUE(env.log.messages().empty());
}

TEST_F(RegionFile, OverlapsWrapsAndRunsOutsideTheFrame) {
    env.files.Put(kPath, MakeRgn(2, 2, 4, 2,
                                 {{{1, 0, 2},
                                   {1, 0, 2},      // twice over: visible again
                                   {2, 1, 9}},     // past the right edge: clipped
                                  {{2, 0, 2},      // left of frame 1's column: wraps away
                                   {4, 7, 1}}}));  // row 7 folds to row 1
    ASSERT_TRUE(Load());
    EXPECT_EQ(FrameShape(data, 0), Shape({{0, 0, 4, 1}, {0, 1, 2, 2}}));
    EXPECT_EQ(FrameShape(data, 1), Shape({{0, 0, 4, 1}, {1, 1, 4, 2}}));
    // The end of a run at the top of the 16-bit range does not wrap back into the frame.
    env.files.Put(kPath, MakeRgn(1, 1, 4, 1, {{{65535, 0, 6}}}));
    ASSERT_TRUE(Load());
    EXPECT_EQ(FrameShape(data, 0), Region(Rect{0, 0, 4, 1}));
}

TEST_F(RegionFile, EmptyFileHeaderAndEmptyRecords) {
    env.files.Put(kPath, MakeRgn(0, 0, 0, 0, {}));
    EXPECT_TRUE(Load());
    EXPECT_EQ(data.count(), 0);
    EXPECT_FALSE(data.GetRegionHandle(0));
    // Anything after the last record is ignored.
    env.files.Put(kPath, MakeRgn(1, 1, 5, 2, {{}}) + "trailing");
    EXPECT_TRUE(Load());
    EXPECT_EQ(FrameShape(data, 0).Area(), 10);
    EXPECT_TRUE(env.log.messages().empty());
}

struct FailureCase {
    std::string file;
    const char* message;
};

TEST_F(RegionFile, EachFailureLogsAndEmptiesTheTable) {
    const std::string good = MakeRgn(2, 2, 4, 4, {{{0, 0, 1}}, {{4, 0, 1}, {5, 1, 1}}});
    const FailureCase cases[] = {
        {good.substr(0, 7), "SetRegionData() - RGN 파일의 헤더부를 읽지 못했습니다. Error = 38"},
        {good.substr(0, 9), "SetRegionData() - 리전 데이터 수를 읽는데 실패했습니다. Error = 38"},
        {good.substr(0, 16), "SetRegionData() - 리전 데이터 수를 읽는데 실패했습니다. Error = 38"},
        {good.substr(0, 15), "SetRegionData() - 리전 데이터를 읽는데 실패했습니다. Error = 38"},
        {good.substr(0, good.size() - 1),
         "SetRegionData() - 리전 데이터를 읽는데 실패했습니다. Error = 38"},
        {MakeRgn(1, 0, 4, 4, {{}}),
         "SetRegionData() - RGN 파일의 헤더부가 올바르지 않습니다. K = 0, FH = 4"},
        {MakeRgn(1, 1, 4, 0, {{}}),
         "SetRegionData() - RGN 파일의 헤더부가 올바르지 않습니다. K = 1, FH = 0"},
    };
    for (const FailureCase& c : cases) {
        env.log.Clear();
        env.files.Put(kPath, good);
        ASSERT_TRUE(Load());
        env.files.Put(kPath, c.file);
        EXPECT_FALSE(Load()) << c.message;
        EXPECT_EQ(env.log.messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(data.count(), 0);
        EXPECT_EQ(data.frameWidth(), 0);
        EXPECT_FALSE(data.GetRegionHandle(0));
    }
}

TEST_F(RegionFile, NoPathAndUnreadableFile) {
    EXPECT_FALSE(data.SetRegionData(env.files, "", env.clock));
    EXPECT_FALSE(Load());
    env.files.Put(kPath, MakeRgn(1, 1, 1, 1, {{}}));
    env.files.SetLocked(kPath, true);
    EXPECT_FALSE(Load());
    EXPECT_EQ(env.log.messages(), (std::vector<std::string>{
                                      "SetRegionData() - 파일명이 지정되지 않았습니다.",
                                      "SetRegionData() - RGN 파일을 열 수 없습니다. Error = 2",
                                      "SetRegionData() - RGN 파일을 열 수 없습니다. Error = 32"}));
}

TEST_F(RegionFile, LoadingWindowFollowsEachFrame) {
    CSimContext sim;
    sim.clock.SetTicks(0xFFFFFF00u);  // the tick count wraps during the load
    env.files.Put(kPath, MakeRgn(3, 3, 2, 2, {{{0, 0, 1}, {0, 1, 1}}, {}, {}}));
    CSimLoadingWindow window(sim);
    window.msPerReport = 700;
    ASSERT_TRUE(data.SetRegionData(env.files, kPath, sim.clock, window));
    EXPECT_EQ(window.calls,
              (std::vector<std::string>{"open 3", "0s 0% 1", "0s 33% 2", "1s 66% 3", "close"}));
    window.calls.clear();
    env.files.Put(kPath, MakeRgn(3, 3, 2, 2, {{}}));
    EXPECT_FALSE(data.SetRegionData(env.files, kPath, sim.clock, window));
    EXPECT_EQ(window.calls, (std::vector<std::string>{"open 3", "0s 0% 1", "close"}));
}

}  // namespace
}  // namespace nuv
