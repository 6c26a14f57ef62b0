#include "balloon/BalloonMarkup.h"

#include <gtest/gtest.h>

#include "balloon/WebAddress.h"
#include "support/TestEnv.h"

namespace nuv {
namespace {

struct PictureCase {
    const char* text;
    const char* remaining;
    std::vector<BalloonPictureTag> pictures;
};

TEST(BalloonMarkup, CutsPictureTagsOut) {
    test::MemoryEnv env;
    const PictureCase cases[] = {
        {"a<IMG=.\\PETS\\s.bmp;10,20>b", "ab", {{".\\PETS\\s.bmp", 10, 20}}},
        {"<img src=PETS\\s.bmp ; 3 , 4>", "", {{"PETS\\s.bmp", 3, 4}}},
        {"<Img=PETS\\a.bmp;1,2><iMG=PETS\\b.bmp;5,6>x",
         "x",
         {{"PETS\\a.bmp", 1, 2}, {"PETS\\b.bmp", 5, 6}}},
        // Without ';' the last two ','-fields are the position.
        {"<IMG=PETS\\a,b.bmp,7,-8>", "", {{"PETS\\a,b.bmp", 7, -8}}},
        {"<IMG=PETS\\a.bmp>", "", {{"PETS\\a.bmp", 0, 0}}},
        {"<IMG=PETS\\a.bmp,5>", "", {{"PETS\\a.bmp,5", 0, 0}}},
        // Outside the pets' folder: cut, not drawn.
        {"<IMG=C:\\WINDOWS\\a.bmp;1,1>z", "z", {}},
        {"<IMG=PETS\\..\\DATA\\a.bmp;1,1>", "", {}},
        {"<IMG=\\\\host\\PETS\\a.bmp;1,1>", "", {}},
        {"<IMG=a.bmp;1,1>", "", {}},
        // Malformed: nothing to cut.
        {"<IMG=PETS\\a.bmp;1,1", "<IMG=PETS\\a.bmp;1,1", {}},
        {"x<IMG", "x<IMG", {}},
        {"<IMG>", "", {}},
        {"", "", {}},
    };
    for (const PictureCase& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(ExtractPictureTags(&text), c.pictures) << c.text;
        EXPECT_EQ(text, c.remaining) << c.text;
    }
    EXPECT_TRUE(env.log.Contains(
        "ExtractPictureTags() - 'C:\\WINDOWS\\a.bmp' 그림은 PET 폴더 밖에 있어 그리지 않습니다."));
}

TEST(BalloonMarkup, KeepsPicturesInsideThePetsFolder) {
    for (const char* path :
         {".\\PETS\\a.bmp", "PETS\\a.bmp", "./pets/sub/a.bmp", "Pets\\a b.bmp"}) {
        EXPECT_TRUE(IsPetPicturePath(path)) << path;
    }
    for (const char* path : {"", "a.bmp", ".\\DATA\\a.bmp", "PETS", "PETS\\", "\\PETS\\a.bmp",
                             "/PETS/a.bmp", "C:PETS\\a.bmp", "PETS\\..\\a.bmp", "PETS\\...\\a.bmp",
                             ".\\..\\PETS\\a.bmp", "PETS\\a.bmp:stream"}) {
        EXPECT_FALSE(IsPetPicturePath(path)) << path;
    }
    EXPECT_FALSE(IsPetPicturePath("PETS\\" + std::string(260, 'a')));
}

TEST(BalloonMarkup, ReadsLinkTags) {
    std::size_t end = 0;
    std::string address;
    ASSERT_TRUE(ReadLinkTag("x<link href= www.a.org >y", 1, &end, &address));
    EXPECT_EQ(address, "www.a.org");
    EXPECT_EQ(end, 24u);
    ASSERT_TRUE(ReadLinkTag("<LINK=http://a.org/?q=1>", 0, &end, &address));
    EXPECT_EQ(address, "http://a.org/?q");  // an "=" ends the address
    ASSERT_TRUE(ReadLinkTag("<LINK>", 0, &end, &address));
    EXPECT_EQ(address, "");

    address = "kept";
    EXPECT_FALSE(ReadLinkTag("<LINK=a", 0, &end, &address));
    EXPECT_FALSE(ReadLinkTag("<LIN", 0, &end, &address));
    EXPECT_FALSE(ReadLinkTag("<LINK=a>", 9, &end, &address));
    EXPECT_EQ(address, "kept");
}

TEST(BalloonMarkup, RemovesAndFollowsLinkMarkers) {
    EXPECT_EQ(RemoveLinkMarkers("a<;LNK>b<LNK;>c"), "abc");
    EXPECT_EQ(RemoveLinkMarkers("<;LNK"), "<;LNK");
    EXPECT_EQ(RemoveLinkMarkers("\xB0"), "\xB0");
    int links = 0;
    bool open = false;
    TrackLinkMarkers("<;LNK>a<LNK;>b<;LNK>c", &links, &open);
    EXPECT_EQ(links, 2);
    EXPECT_TRUE(open);
    TrackLinkMarkers("d<LNK;>", &links, &open);
    EXPECT_EQ(links, 2);
    EXPECT_FALSE(open);
}

TEST(WebAddress, OpensOnlyWebAddresses) {
    const std::pair<const char*, const char*> cases[] = {
        {"http://www.example.org/a?b=c", "http://www.example.org/a?b=c"},
        {" HTTPS://example.org ", "HTTPS://example.org"},
        {"www.example.org", "http://www.example.org"},
        {"example.co.kr:8080/path", "http://example.co.kr:8080/path"},
        {"http://", ""},
        {"https:///etc", ""},
        {"ftp://example.org", ""},
        {"file:///C:/WINDOWS/a.exe", ""},
        {"javascript:alert(1)", ""},
        {"C:\\WINDOWS\\NOTEPAD.EXE", ""},
        {"NOTEPAD.EXE /p", ""},
        {"http://a.org\" --flag", ""},
        {"localhost", ""},
        {"1.2.3.4", ""},
        {"www..org", ""},
        {".example.org", ""},
        {"example.org.", ""},
        {"example.org-/a", ""},
        {"www.example.org:", ""},
        {"", ""},
    };
    for (const auto& [address, expected] : cases) {
        EXPECT_EQ(WebAddressOf(address), expected) << address;
    }
}

}  // namespace
}  // namespace nuv
