#include "formats/BcfImage.h"

#include <gtest/gtest.h>

#include "balloon/BalloonPictureFiles.h"
#include "formats/BmpDecoder.h"
#include "support/TestEnv.h"

namespace nuv {
namespace {

std::string Lead() {
    return std::string(kBcfLeadSize, '\xA7');
}

Image Sample() {
    Image image(4, 3, kPureGreen);
    image.Set(1, 2, MakePixel(10, 20, 30));
    return image;
}

TEST(LoadBCFImage, DecodesTheBitmapBehindTheLeadingBlock) {
    test::MemoryEnv env;
    env.files.Put(".\\PETS\\CAT.BCF", Lead() + EncodeBmp24(Sample()));
    Image image = LoadBCFImage(env.files, ".\\PETS\\CAT.BCF");
    EXPECT_EQ(image, Sample());
    EXPECT_EQ(image.sourceBitsPerPixel(), 24);
    EXPECT_TRUE(env.log.messages().empty());
    // Nothing is written beside the picture.
    EXPECT_FALSE(env.files.Has(".\\PETS\\CAT.BMP"));
}

TEST(LoadBCFImage, MissingOrLockedFile) {
    test::MemoryEnv env;
    EXPECT_TRUE(LoadBCFImage(env.files, ".\\PETS\\NONE.BCF").empty());
    EXPECT_EQ(env.log.messages(),
              std::vector<std::string>{
                  "LoadBCFImage() - .\\PETS\\NONE.BCF 파일을 열 수 없습니다. Error = 2"});
    env.log.Clear();
    env.files.Put(".\\PETS\\CAT.BCF", Lead() + EncodeBmp24(Sample()));
    env.files.SetLocked(".\\PETS\\CAT.BCF", true);
    EXPECT_TRUE(LoadBCFImage(env.files, ".\\PETS\\CAT.BCF").empty());
    EXPECT_TRUE(
        env.log.Contains("LoadBCFImage() - .\\PETS\\CAT.BCF 파일을 열 수 없습니다. Error = 32"));
}

TEST(LoadBCFImage, ShorterThanTheLeadingBlock) {
    test::MemoryEnv env;
    env.files.Put(".\\PETS\\CAT.BCF", std::string(kBcfLeadSize - 1, 'x'));
    EXPECT_TRUE(LoadBCFImage(env.files, ".\\PETS\\CAT.BCF").empty());
    EXPECT_EQ(env.log.messages(),
              std::vector<std::string>{
                  "LoadBCFImage() - .\\PETS\\CAT.BCF 파일의 내용이 정확하지 않습니다. Error = 38"});
}

TEST(LoadBCFImage, BadBitmapNamesTheBmpPath) {
    test::MemoryEnv env;
    env.files.Put(".\\PETS\\CAT.BCF", Lead());
    env.files.Put(".\\PETS\\A.B.BCF", Lead() + EncodeBmp24(Sample()).substr(0, 60));
    EXPECT_TRUE(LoadBCFImage(env.files, ".\\PETS\\CAT.BCF").empty());
    EXPECT_TRUE(LoadBCFImage(env.files, ".\\PETS\\A.B.BCF").empty());
    EXPECT_EQ(
        env.log.messages(),
        (std::vector<std::string>{
            "LoadBCFImage() - 비트맵 파일 .\\PETS\\CAT.BMP를 로드할 수 없습니다. Error = 13",
            "LoadBCFImage() - 비트맵 파일 .\\PETS\\A.B.BMP를 로드할 수 없습니다. Error = 13"}));
    EXPECT_FALSE(env.files.Has(".\\PETS\\CAT.BMP"));
    EXPECT_FALSE(env.files.Has(".\\PETS\\A.B.BMP"));
}

// A balloon's object picture is decoded once per pet; one that cannot be read is tried again.
TEST(LoadBCFImage, BalloonObjectPictureKeptOnceDecoded) {
    test::MemoryEnv env;
    CBalloonPictureFiles pictures(env.files);
    EXPECT_EQ(pictures.LoadObjectPicture(".\\PETS\\CAT.BCF"), nullptr);
    EXPECT_EQ(pictures.LoadObjectPicture(".\\PETS\\CAT.BCF"), nullptr);
    EXPECT_EQ(env.log.messages().size(), 2u);
    env.files.Put(".\\PETS\\CAT.BCF", Lead() + EncodeBmp24(Sample()));
    std::shared_ptr<const Image> first = pictures.LoadObjectPicture(".\\PETS\\CAT.BCF");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(*first, Sample());
    env.files.DeleteFile(".\\PETS\\CAT.BCF");
    EXPECT_EQ(pictures.LoadObjectPicture(".\\PETS\\CAT.BCF"), first);
    EXPECT_EQ(env.log.messages().size(), 2u);
}

}  // namespace
}  // namespace nuv
