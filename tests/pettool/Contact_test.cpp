// pettool contact: the frames of a pet root as the desktop shows them, and its other pictures.

#ifdef NUV_PETTOOL

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "formats/ComplementedFile.h"
#include "pettool/Commands.h"
#include "pettool/ContactSheet.h"
#include "pettool/Packer.h"
#include "pettool/PngIo.h"
#include "sim/ManualClock.h"
#include "sim/MemoryFileSystem.h"
#include "support/TempFolder.h"
#include "support/TinyPet.h"

namespace nuv::tool {
namespace {
namespace fs = std::filesystem;

const Pixel kBody = MakePixel(120, 60, 30);

TEST(ContactSheet, FramesShowWhatTheirRegionsLeaveVisible) {
    // Two 4 x 3 frames side by side: the first all body but one green corner, the second green.
    Image sheet(8, 3, kPureGreen);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x)
            sheet.Set(x, y, kBody);
    }
    sheet.Set(3, 2, kPureGreen);
    MemoryFileSystem files;
    files.Put(".\\PETS\\A.RGN", MakeRegionFile(sheet, 2, 2, {4, 3}));
    ManualClock clock;
    CRegionData regions;
    ASSERT_TRUE(regions.SetRegionData(files, ".\\PETS\\A.RGN", clock));

    std::vector<Image> frames = CutFrames(sheet, regions);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].At(0, 0), kBody);
    EXPECT_NE(frames[0].At(3, 2), kBody);  // the green corner: left out, shown as the backdrop
    EXPECT_NE(frames[0].At(3, 2), kPureGreen);
    for (int x = 0; x < 4; ++x)
        EXPECT_NE(frames[1].At(x, 1), kPureGreen);
}

TEST(ContactSheet, PicturesWrapIntoRowsUnderTheirNumbers) {
    std::vector<Image> pictures(5, Image(40, 30, kBody));
    Image one = LayOut(pictures, 1000, true);
    Image rows = LayOut(pictures, 110, true);  // two pictures a row
    EXPECT_GT(one.width(), 5 * 40);
    EXPECT_LT(rows.width(), 110);
    EXPECT_GT(rows.height(), 3 * 30);
    EXPECT_LT(one.height(), 2 * (30 + 14));  // one row: picture and label
    // Each picture lies whole in the sheet, in order, with its label above it.
    int bodies = 0;
    for (int y = 0; y < rows.height(); ++y) {
        for (int x = 0; x < rows.width(); ++x)
            bodies += rows.At(x, y) == kBody;
    }
    EXPECT_EQ(bodies, 5 * 40 * 30);
    Image wide = LayOut({Image(300, 10, kBody)}, 100, false);  // wider than a row: its own
    EXPECT_GE(wide.width(), 300);
}

TEST(ContactSheet, GreenIsTransparentAndPiecesMayLeaveThePicture) {
    Image picture(4, 4, kBody);
    picture.Set(1, 1, kPureGreen);
    Image piece = CutPicture(picture, {1, 1, 6, 3});
    ASSERT_EQ(piece.width(), 5);
    EXPECT_NE(piece.At(0, 0), kPureGreen);
    EXPECT_EQ(piece.At(1, 0), kBody);
    EXPECT_NE(piece.At(4, 0), kBody);  // beyond the picture
    EXPECT_EQ(Scaled(piece, 3).width(), 15);
}

class ContactCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        MemoryFileSystem files;
        test::TinyPet().Install(files);
        for (const std::string& path : files.Paths()) {
            fs::create_directories((root_ / path).parent_path());
            std::ofstream(root_ / path, std::ios::binary) << files.Get(path);
        }
    }

    Image Read(const std::string& name) {
        std::ifstream in(root_ / name, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return DecodePng(bytes).value_or(Image());
    }
    test::TempFolder folder_{"nuv-contact"};
    fs::path root_ = folder_.path();
};

TEST_F(ContactCommandTest, DrawsTheActivePetsFramesOrItsPictures) {
    std::string out = (root_ / "frames.png").string();
    ASSERT_EQ(RunContact({root_.string(), out, "--per-row", "5"}), 0);
    Image frames = Read("frames.png");
    EXPECT_GT(frames.width(), 5 * 20);
    EXPECT_LT(frames.width(), 6 * 20 + 60);
    EXPECT_GT(frames.height(), 8 * 20);  // 40 frames of 20 x 20, five a row

    ASSERT_EQ(RunContact({root_.string(), (root_ / "pictures.png").string(), "--pictures"}), 0);
    EXPECT_GT(Read("pictures.png").width(), 233);  // at least the balloon

    EXPECT_EQ(RunContact({root_.string(), out, "--pet", "DOG"}), 1);
    EXPECT_EQ(RunContact({root_.string()}), 2);
    EXPECT_EQ(RunContact({root_.string(), out, "--scale", "9"}), 2);
}

TEST_F(ContactCommandTest, PiecesNoPictureCanHoldAreLeftOut) {
    fs::path path = root_ / "PETS" / "CAT.ANI";
    std::ifstream in(path, std::ios::binary);
    std::string script = Complement(
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    in.close();
    const std::pair<std::string, std::string> changes[] = {
        {"Size;13,13;", "Size;2147483647,2147483647;"},
        {"4;40,30;160,0;", "4;2147483647,30;2147483647,0;"}};
    for (const auto& [from, to] : changes)
        script.replace(script.find(from), from.size(), to);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << Complement(script);

    ASSERT_EQ(RunContact({root_.string(), (root_ / "pictures.png").string(), "--pictures"}), 0);
    EXPECT_GT(Read("pictures.png").width(), 233);  // the balloon is still there
}

}  // namespace
}  // namespace nuv::tool

#endif  // NUV_PETTOOL
