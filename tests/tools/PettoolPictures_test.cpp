// pettool's picture commands, run as the built program on files in a scratch folder.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include "support/TempFolder.h"
#include "support/ToolRun.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "formats/BcfImage.h"
#include "formats/BmpDecoder.h"
#include "support/PictureFiles.h"

#ifdef NUV_PETTOOL

namespace nuv {
namespace {

namespace fs = std::filesystem;

class PettoolPictures : public ::testing::Test {
  protected:
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) { return test::ReadFileBytes(dir_ / name); }
    test::ToolOutput Run(const std::string& args) { return test::RunPettool(dir_, args); }

    test::TempFolder folder_{"nuv-pictures"};
    fs::path dir_ = folder_.path();
};

uint32_t BigEndian(const std::string& bytes, std::size_t at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v = v << 8 | uint8_t(bytes[at + i]);
    return v;
}

TEST_F(PettoolPictures, TopngWritesThePicture) {
    Write("CAT.BCF", std::string(kBcfLeadSize, '\0') + EncodeBmp24(Image(7, 5, kPureGreen)));
    EXPECT_EQ(Run("topng cat.bcf out.png").exitCode, 0);
    std::string png = Read("out.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(BigEndian(png, 16), 7u);  // IHDR width and height
    EXPECT_EQ(BigEndian(png, 20), 5u);

    Write("BAD.BCF", std::string(kBcfLeadSize + 10, '\0'));
    EXPECT_EQ(Run("topng BAD.BCF bad.png").exitCode, 1);
    EXPECT_FALSE(fs::exists(dir_ / "bad.png"));
    EXPECT_EQ(Run("topng NONE.BCF none.png").exitCode, 2);
    EXPECT_EQ(Run("topng CAT.BCF").exitCode, 2);
}

// `dump` hands .RGN and .BCF files to the picture dumps.
TEST_F(PettoolPictures, DumpRegionAndPictureFiles) {
    Write("CAT.RGN", test::MakeRgn(2, 2, 4, 2, {{{0, 0, 4}, {0, 1, 4}}, {{5, 1, 2}}}));
    test::ToolOutput rgn = Run("dump CAT.RGN");
    if (rgn.exitCode == 2 && rgn.out.empty()) GTEST_SKIP() << "dump does not reach region files";
    EXPECT_EQ(rgn.exitCode, 0);
    EXPECT_EQ(rgn.out,
              R"({"count":2,"framesPerRow":2,"frameWidth":4,"frameHeight":2,"frames":[)"
              R"({"runs":2,"visible":0,"bbox":null},{"runs":1,"visible":6,"bbox":[0,0,4,2]}],)"
              R"("log":[],"ok":true})"
              "\n");
    Write("CUT.RGN", test::MakeRgn(2, 2, 4, 2, {{}}));
    test::ToolOutput cut = Run("dump CUT.RGN");
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_NE(cut.out.find(R"("count":0)"), std::string::npos);
    // pettool prints UTF-8.
    EXPECT_NE(cut.out.find(u8"리전 데이터 수를 읽는데 실패했습니다. Error = 38"),
              std::string::npos);
    EXPECT_EQ(Run("dump NONE.RGN").exitCode, 2);

    test::BmpRecipe recipe(40, 3, -2, 8);
    recipe.palette = {kPureGreen};
    recipe.colorsUsed = 1;
    recipe.bits = test::PackRows({{0, 0, 0}, {0, 0, 0}}, 8);
    Write("PETLOAD.BCF", std::string(kBcfLeadSize, 'x') + test::MakeBmp(recipe));
    test::ToolOutput bcf = Run("dump PETLOAD.BCF");
    EXPECT_EQ(bcf.exitCode, 0);
    EXPECT_EQ(bcf.out, R"({"width":3,"height":2,"bitsPerPixel":8,"log":[],"ok":true})"
                       "\n");
    Write("SHORT.BCF", "BM");
    test::ToolOutput bad = Run("dump SHORT.BCF");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out,
              R"({"width":null,"height":null,"bitsPerPixel":null,"log":["LoadBCFImage() - )"
              u8R"(SHORT.BCF 파일의 내용이 정확하지 않습니다. Error = 38"],"ok":false})"
              "\n");
}

}  // namespace
}  // namespace nuv

#endif  // NUV_PETTOOL
