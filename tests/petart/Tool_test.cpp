// The generator's files and command line: PNG files, the animation list, the options.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "petart/AnimationBook.h"
#include "petart/Commands.h"
#include "petart/PetSounds.h"
#include "petart/PngFile.h"
#include "support/TempFolder.h"

namespace nuv::art {
namespace {

TEST(PngFiles, WrittenPicturesReadBackTheSame) {
    Image image(5, 3, kPureGreen);
    image.Set(1, 2, MakePixel(12, 34, 56));
    image.Set(4, 0, MakePixel(255, 255, 255));
    test::TempFolder folder("petart-png");
    std::string path = (folder.path() / "round_trip.png").string();
    std::string error;
    ASSERT_TRUE(WritePng(image, path, error)) << error;
    Image back = ReadPng(path, error);
    EXPECT_EQ(back, image);
}

TEST(PngFiles, FailuresSayWhy) {
    std::string error;
    EXPECT_FALSE(WritePng(Image(1, 1), "/nonexistent-folder/x.png", error));
    EXPECT_NE(error.find("cannot create"), std::string::npos);
    EXPECT_TRUE(ReadPng("/nonexistent-folder/x.png", error).empty());
}

TEST(AnimationList, LinesFollowThePetScriptSyntax) {
    CAnimationBook book;
    EXPECT_TRUE(book.Add(20, "b", {3, 4}, "second"));
    EXPECT_TRUE(book.Add(10, "walk", {0, 1, 2, 1}, "slow walk"));
    EXPECT_EQ(book.Text(), "10 ; walk ;  ; 0,1,2,1 ; slow walk\n20 ; b ;  ; 3,4 ; second\n");
    EXPECT_EQ(book.Find(20)->frames.size(), 2u);
    EXPECT_EQ(book.Find(30), nullptr);
}

TEST(AnimationList, RefusesWhatTheScriptReaderWouldCut) {
    CAnimationBook book;
    EXPECT_TRUE(book.Add(1, std::string(19, 'n'), {0}, std::string(49, 'c')));
    EXPECT_FALSE(book.Add(1, "again", {0}, ""));
    EXPECT_FALSE(book.Add(2, std::string(20, 'n'), {0}, ""));
    EXPECT_FALSE(book.Add(3, "x", {0}, std::string(50, 'c')));
    EXPECT_FALSE(book.Add(4, "empty", {}, ""));
    EXPECT_EQ(book.animations().size(), 1u);
    EXPECT_EQ(book.problems().size(), 4u);
}

TEST(AnimationList, SoundsNameTheirListPositionAndFrame) {
    CAnimationBook book;
    book.Add(7, "yawn", {1, 2, 3}, "");
    EXPECT_TRUE(book.SetSound(7, 4, 2));
    EXPECT_EQ(book.Text(), "7 ; yawn ; 4 , 2 ; 1,2,3 ; \n");
    EXPECT_FALSE(book.SetSound(7, 0, 3));  // the animation has no fourth frame
    EXPECT_FALSE(book.SetSound(8, 0, 0));
    EXPECT_EQ(book.problems().size(), 2u);
    EXPECT_EQ(book.Find(7)->soundFrame, 2);
}

TEST(AnimationList, SoundListLinesFollowThePetScriptSyntax) {
    std::string list = SoundListText();
    EXPECT_EQ(list.rfind("0 ; chirp ; CHIRP.WAV ;", 0), 0u);
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), long(PetSounds().size()));
}

TEST(CommandLine, OptionsAndTheirErrors) {
    Options o;
    std::string error;
    ASSERT_TRUE(ParseOptions(
        {"out.png", "--palette", "second", "--scale", "2", "--frames", "3-9", "--per-row", "4"}, o,
        error));
    EXPECT_EQ(std::make_tuple(o.palette, o.scale, o.firstFrame, o.lastFrame, o.perRow),
              std::make_tuple("second", 2, 3, 9, 4));
    EXPECT_EQ(o.paths, std::vector<std::string>{"out.png"});

    Options ids;
    ASSERT_TRUE(ParseOptions({"--ids", "13,14,78"}, ids, error));
    EXPECT_TRUE(ids.byAnimation);
    EXPECT_EQ(ids.ids, (std::vector<int>{13, 14, 78}));

    for (std::vector<std::string> bad : {std::vector<std::string>{"--palette", "pink"},
                                         {"--scale", "0"},
                                         {"--scale", "two"},
                                         {"--frames", "1-2-3"},
                                         {"--ids", "1,,2"},
                                         {"--bogus", "1"},
                                         {"--scale"}}) {
        Options any;
        EXPECT_FALSE(ParseOptions(bad, any, error)) << bad[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(CommandLine, DrawWritesFramesPicturesAndLists) {
    test::TempFolder top("petart-draw");
    std::filesystem::path out = top.path() / "pets" / "tori";  // folders made as needed
    Options o;
    o.paths = {out.string()};
    ASSERT_EQ(RunDraw(o), 0);
    EXPECT_TRUE(std::filesystem::exists(out / "frames" / "000.png"));
    EXPECT_TRUE(std::filesystem::exists(out / "animations.txt"));
    EXPECT_TRUE(std::filesystem::exists(out / "pictures.txt"));
    EXPECT_TRUE(std::filesystem::exists(out / "sounds.txt"));
    EXPECT_TRUE(std::filesystem::exists(out / "objects.png"));
    std::string error;
    EXPECT_EQ(ReadPng((out / "frames" / "000.png").string(), error).width(), 128);
    Options none;
    EXPECT_EQ(RunDraw(none), 2);
}

}  // namespace
}  // namespace nuv::art
