// pettool pack: sources in, a pet root out, read back with the program's readers.

#ifdef NUV_PETTOOL

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "formats/BcfImage.h"
#include "formats/PetFile.h"
#include "formats/PetInfo.h"
#include "pettool/Packer.h"
#include "pettool/PngIo.h"
#include "ports/StdFileSystem.h"
#include "script/AniScript.h"
#include "shape/RegionData.h"
#include "sim/ManualClock.h"
#include "support/TempFolder.h"
#include "support/TinyPet.h"
#include "support/ToolRun.h"

namespace nuv::tool {
namespace {
namespace fs = std::filesystem;

const Pixel kBody = MakePixel(120, 60, 30);

// A frame: pure green around a square whose size depends on the frame number.
Image Frame(int number) {
    Image image(20, 20, kPureGreen);
    int inset = 2 + number % 5;
    for (int y = inset; y < 20 - inset; ++y) {
        for (int x = inset; x < 20 - inset; ++x)
            image.Set(x, y, kBody + uint32_t(number));
    }
    return image;
}

class PackTest : public ::testing::Test {
  public:
    void SetUp() override {
        pet_ = test::TinyPet();
        for (const fs::directory_entry& entry : fs::directory_iterator(dir_))
            fs::remove_all(entry.path());  // a case may set up again
        fs::create_directories(dir_ / "src" / "frames");
        pet_.texts.push_back("120;Look <IMG=.\\PETS\\HEART.BMP,10,10> here;");
        for (int i = 0; i < pet_.frameCount; ++i)
            WritePng("frames/" + std::to_string(i) + ".png", Frame(i));
        WritePng("heart.png", Image(4, 4, MakePixel(255, 0, 0)));
        WritePng("bar.png", Image(80, 16, MakePixel(1, 2, 3)));
        Write("CAT.ani.txt", pet_.Script());
        Write("PET.CFG.txt", "[User Info]\nUserName;u\n\n[Pets Info]\nPsNum;1\nPs(0,CAT,X,True)\n");
        // The name is 나비, written in UTF-8 as sources are.
        Write("CAT.cfg.txt",
              "[Pet Infos]\nPetType;CAT\nPetName;\xEB\x82\x98\xEB\xB9\x84\nPetS0;9000\n");
        Write("CAT.cmc.txt",
              "// number;weight;text; -- a comment line\n"
              "1;10;Go to <LINK=http://example.org/a>our page</LINK>;\n");
        Write("beep.wav", "RIFF");
        Write("pet.manifest",
              "config PET.CFG.txt\npicture bar.png PETBAR00.BCF\nbitmap heart.png HEART.BMP\n"
              "sound beep.wav BEEP.WAV\npet CAT\n script CAT.ani.txt\n frames frames 10\n"
              " state CAT.cfg.txt\n messages CAT.cmc.txt\n");
    }

    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / "src" / name, std::ios::binary) << text;
    }
    void WritePng(const std::string& name, const Image& image) { Write(name, EncodePng(image)); }
    void RenamePet(const std::string& line) {
        std::string manifest = test::ReadFileBytes(dir_ / "src" / "pet.manifest");
        Write("pet.manifest", manifest.replace(manifest.find("pet CAT"), 7, line));
    }

    // Packs the sources; the errors joined by line breaks.
    std::string Pack() {
        Manifest manifest;
        std::vector<std::string> errors;
        if (!ReadManifest((dir_ / "src" / "pet.manifest").string(), &manifest, &errors)) {
            return errors.front();
        }
        Packer packer(manifest, dir_ / "src");
        std::string joined;
        if (!packer.Build() || !packer.Write(dir_ / "out")) {
            for (const std::string& e : packer.errors())
                joined += e + "\n";
        }
        return joined;
    }

    test::TempFolder folder_{"nuv-pack"};
    fs::path dir_ = folder_.path();
    test::TinyPet pet_;
};

TEST_F(PackTest, RoundTripKeepsEveryValueAndPixel) {
    ASSERT_EQ(Pack(), "");
    StdFileSystem files(dir_ / "out");

    CAniScript script;
    ASSERT_TRUE(script.LoadScriptFile(files, ".\\PETS\\CAT.ANI"));
    ASSERT_TRUE(script.ReadAllSections());
    EXPECT_EQ(script.Animations().size(), pet_.animations.size());
    EXPECT_EQ(script.Actions().size(), pet_.actions.size());
    EXPECT_EQ(*script.FindText(120), "Look <IMG=.\\PETS\\HEART.BMP,10,10> here");

    Image sheet = LoadBCFImage(files, ".\\PETS\\CAT.BCF");
    ManualClock clock;
    CRegionData regions;
    ASSERT_TRUE(regions.SetRegionData(files, ".\\PETS\\CAT.RGN", clock));
    EXPECT_EQ(regions.count(), pet_.frameCount);
    EXPECT_EQ(regions.framesPerRow(), 10);
    for (int i = 0; i < pet_.frameCount; ++i) {
        Image frame = Frame(i);
        Region shape = *regions.GetRegionHandle(i);
        int left = i % 10 * 20, top = i / 10 * 20;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                ASSERT_EQ(sheet.At(left + x, top + y), frame.At(x, y)) << i;
                ASSERT_EQ(shape.Contains(x, y), frame.At(x, y) != kPureGreen) << i;
            }
        }
    }

    CPetInfo info;
    ASSERT_TRUE(info.LoadPetStateFile(files, ".\\DATA\\CAT.CFG") && info.SetPetInfosPart());
    EXPECT_EQ(info.GetPetInfos().PetName, "나비");
    EXPECT_EQ(info.GetPetInfos().PetS0, 9000);

    CPetFile messages;
    ASSERT_TRUE(messages.LoadAdMessages(files, ".\\DATA\\CAT.CMC"));
    EXPECT_EQ(messages.AdMessages().size(), 1u);  // the comment line is no message
    ASSERT_NE(messages.PickAdMessage(0), nullptr);
    EXPECT_EQ(*messages.PickAdMessage(0), "Go to <LINK=http://example.org/a>our page</LINK>");

    EXPECT_TRUE(files.FileExists(".\\PETS\\HEART.BMP"));
    EXPECT_TRUE(files.FileExists(".\\PETS\\PETBAR00.BCF"));
    EXPECT_TRUE(files.FileExists(".\\PETSOUND\\BEEP.WAV"));
    EXPECT_TRUE(fs::is_directory(dir_ / "out" / "ETCS"));
}

TEST_F(PackTest, RefusesWhatTheProgramWouldMisread) {
    // Each case adds a text to the script or spoils a source otherwise.
    struct Case {
        const char* name;
        const char* text;
        std::function<void(PackTest&)> spoil;
        const char* expected;
    };
    const Case cases[] = {
        {"count", nullptr,
         [](PackTest& t) {
             std::string script = t.pet_.Script();
             std::size_t at = script.find("AniNum;");
             script.replace(at, script.find(';', at + 7) - at, "AniNum;3");
             t.Write("CAT.ani.txt", script);
         },
         "ANI LIST"},
        {"bracket", "130;a [b];", nullptr, "'[' inside a section"},
        {"comment", "131;see http://x.org;", nullptr, "'//' inside a text"},
        {"common", nullptr, [](PackTest& t) { t.RenamePet("pet PET"); }, "pet name 'PET'"},
        {"device", nullptr, [](PackTest& t) { t.RenamePet("pet Nul"); }, "pet name 'Nul'"},
        {"semicolon", "132;a;b;", nullptr, "';' inside a text"},
        {"codepage", "133;\xF0\x9F\x98\x80;", nullptr, "code page 949 cannot hold"},
        {"size", nullptr, [](PackTest& t) { t.WritePng("frames/3.png", Image(21, 20)); },
         "3.png is 21 x 20"},
        {"type", nullptr, [](PackTest& t) { t.Write("CAT.cfg.txt", "[Pet Infos]\nPetType;DOG\n"); },
         "PetType 'DOG'"},
        {"advert", nullptr, [](PackTest& t) { t.Write("CAT.cmc.txt", "1;10;a;b;\n"); },
         "CAT.cmc.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        if (c.text) pet_.texts.push_back(c.text);
        c.text ? Write("CAT.ani.txt", pet_.Script()) : c.spoil(*this);
        std::string errors = Pack();
        EXPECT_NE(errors.find(c.expected), std::string::npos) << errors;
        EXPECT_NE(errors.find("pet.manifest:"), std::string::npos) << errors;
        EXPECT_FALSE(fs::exists(dir_ / "out"));
    }
}

TEST_F(PackTest, CommentLinesAreNotBlankLines) {
    // A line that is a comment from its first character vanishes with its line break, so a
    // blank line before it still stands alone; "  // x" leaves its blanks and ends no list.
    pet_.texts.insert(pet_.texts.begin() + 2, "");
    pet_.texts.insert(pet_.texts.begin() + 3, "// the name box");
    pet_.texts.insert(pet_.texts.begin() + 4, "\t// indented with a tab");
    Write("CAT.ani.txt", pet_.Script());
    ASSERT_EQ(Pack(), "");
    StdFileSystem files(dir_ / "out");
    CAniScript script;
    ASSERT_TRUE(script.LoadScriptFile(files, ".\\PETS\\CAT.ANI") && script.ReadAllSections());
    EXPECT_NE(script.FindText(801), nullptr);  // the list went on to its last line

    pet_.texts.insert(pet_.texts.begin() + 2, "");  // now two blank lines in a row
    Write("CAT.ani.txt", pet_.Script());
    EXPECT_NE(Pack().find("two blank lines"), std::string::npos);
}

TEST_F(PackTest, LinksSurviveTheCommentCleaning) {
    EXPECT_EQ(RemoveCommentLines("// a;b;c;\r\n1;2;x//y;\r\n  // more\r\n"), "1;2;x//y;\r\n");
    EXPECT_EQ(ProtectLinks("a//b///c"), "a/\t/b/\t/\t/c");
}

}  // namespace
}  // namespace nuv::tool

#endif  // NUV_PETTOOL
