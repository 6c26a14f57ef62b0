// What `pettool check` tells a pet author about a pet that starts.

#include <gtest/gtest.h>

#include <algorithm>

#include "formats/ComplementedFile.h"
#include "pet/PetCheck.h"
#include "script/PetIds.h"
#include "support/SimHarness.h"

namespace nuv::test {
namespace {

std::vector<std::string> Warnings(const TinyPet& pet, const std::vector<std::string>& files = {}) {
    SimHarness sim(pet);
    for (const std::string& file : files)
        sim.env.files.Put(file, "BM");
    EXPECT_TRUE(sim.Start());
    return CheckPet(sim.pet());
}

bool Has(const std::vector<std::string>& warnings, const std::string& text) {
    return std::any_of(warnings.begin(), warnings.end(),
                       [&](const std::string& w) { return w.find(text) != std::string::npos; });
}

// The tiny pet has every text but 312 and 313, whose menu items have built-in captions.
TEST(PetCheck, ACompletePetHasNoWarningAboutTextsOrActions) {
    std::vector<std::string> warnings = Warnings(TinyPet());
    EXPECT_FALSE(Has(warnings, "text ")) << warnings.front();
    EXPECT_FALSE(Has(warnings, "is missing"));
}

TEST(PetCheck, MissingTextsAndActionsAreNamed) {
    TinyPet pet = TinyPet();
    pet.texts.erase(std::remove(pet.texts.begin(), pet.texts.end(), "207;Level up;"),
                    pet.texts.end());
    pet.actions.erase(std::remove_if(pet.actions.begin(), pet.actions.end(),
                                     [](const TinyAction& a) {
                                         return a.id == ActionId::kDropped ||
                                                a.id == ActionId::kStrokeReward;
                                     }),
                      pet.actions.end());
    std::vector<std::string> warnings = Warnings(pet);
    EXPECT_TRUE(Has(warnings, "text 207 (level up) is missing"));
    EXPECT_TRUE(Has(warnings, "action 702 is missing"));
    // The menu offers stroking (230): its reward 630 is missing too.
    EXPECT_TRUE(Has(warnings, "action 630 is missing"));
}

// Records 3 and 4 show one object in two states: they must be of one size.
TEST(PetCheck, ObjectRecordsThreeAndFourOfDifferentSizesAreNamed) {
    for (std::string record : {"4;40,30;", "4;40,31;", "4;41,30;"}) {
        TinyPet pet;
        SimHarness sim(pet);
        std::string script = pet.Script();
        script.replace(script.find("4;40,30;"), 8, record);
        sim.env.files.Put(".\\PETS\\CAT.ANI", Complement(script));
        ASSERT_TRUE(sim.Start());
        EXPECT_EQ(Has(CheckPet(sim.pet()), "object records 3 and 4 differ in size"),
                  record != "4;40,30;")
            << record;
    }
}

TEST(PetCheck, PicturesAndLinksOfBalloonTextsMustWork) {
    TinyPet pet = TinyPet();
    pet.texts.push_back("120;a <IMG=.\\PETS\\HEART.BMP,1,2> b;");
    pet.texts.push_back("121;a <IMG=.\\PETS\\NONE.BMP,1,2> b;");
    pet.messages.push_back("202;0;a <IMG=C:\\WINDOWS\\X.BMP,1,2> b;");
    pet.adverts.push_back("2;1;<LINK=file:c:\\x>x</LINK> <LINK=www.example.org>y</LINK>;");
    std::vector<std::string> warnings = Warnings(pet, {".\\PETS\\HEART.BMP"});
    EXPECT_FALSE(Has(warnings, "HEART.BMP"));
    EXPECT_TRUE(Has(warnings, "text 121 shows .\\PETS\\NONE.BMP, which does not exist"));
    EXPECT_TRUE(Has(warnings, "message 202 shows a picture outside .\\PETS\\"));
    EXPECT_TRUE(Has(warnings, "advertisement 2 links to 'file:c:\\x'"));
    EXPECT_FALSE(Has(warnings, "www.example.org"));
}

}  // namespace
}  // namespace nuv::test
