// The popup menu's model: which records show, the submenus the program makes, gauges and icons.

#include <gtest/gtest.h>

#include "support/SimHarness.h"

namespace nuv::test {
namespace {

const Pixel kMenuColor = MakePixel(212, 208, 200);
const Pixel kMiddle = MakePixel(255, 255, 0), kEmpty = MakePixel(255, 255, 255),
            kHigh = MakePixel(0, 200, 0), kLow = MakePixel(200, 0, 0);

// The captions (or "-" for separators) of a list of items.
std::vector<std::string> Captions(const std::vector<MenuItem>& items) {
    std::vector<std::string> out;
    for (const MenuItem& item : items) {
        out.push_back(item.kind == MenuItem::kSeparator ? "-"
                      : item.kind == MenuItem::kGauge   ? "gauge" + std::to_string(item.gauge)
                                                        : item.text);
    }
    return out;
}

class PopupMenu : public ::testing::Test {
  protected:
    void Start(TinyPet pet = TinyPet()) {
        sim.reset();
        sim = std::make_unique<SimHarness>(pet);
        ASSERT_TRUE(sim->Start());
    }
    PetInfos& state() { return sim->pet().GetPetInfos(); }
    MenuModel Menu() { return sim->pet().BuildPopupMenu(); }

    std::unique_ptr<SimHarness> sim;
};

TEST_F(PopupMenu, FollowsTheScriptWithSubmenusSeparatorsAndIcons) {
    Start();
    MenuModel menu = Menu();
    EXPECT_EQ(Captions(menu.items),
              (std::vector<std::string>{"Games", "-", "Status", "Options", "Exit"}));
    EXPECT_EQ(Captions(menu.items[0].items), (std::vector<std::string>{"Catch", "Stroke"}));
    EXPECT_EQ(menu.items[0].items[0].command, 210);
    EXPECT_EQ(menu.items[0].items[1].iconIndex, 2);
    EXPECT_EQ(menu.items[4].command, 903);
    EXPECT_TRUE(menu.items[4].enabled);
}

TEST_F(PopupMenu, RecordsShowWithinTheirBoundsOfStatSumAndPoints) {
    TinyPet pet;
    pet.menu = {"1;100;Always;-1;-1;-5;99;-7;", "2;101;Low sum;-1;0;2999;0;10;",
                "3;102;Exact;-1;3000;3000;5;5;", "4;103;Too few points;-1;0;9999;6;10;",
                "5;104;Too many points;-1;0;9999;0;4;"};
    Start(pet);
    state().PetS0 = 1000, state().PetS1 = 2000, state().PetS2 = 0, state().PetS3 = 0;
    state().PetPoint = 5;
    EXPECT_EQ(Captions(Menu().items), (std::vector<std::string>{"Always", "Exact"}));

    // Every record hidden: the menu is tracked empty.
    pet.menu = {"1;101;Low sum;-1;0;10;0;10;"};
    Start(pet);
    sim->Input(SimInput::kRButton, 5, 5);
    EXPECT_EQ(sim->report.Count("menu"), 1);
    EXPECT_TRUE(sim->report.lastMenuItems.empty());
}

TEST_F(PopupMenu, ASeparatorInsideASubmenuGoesToTheTopMenu) {
    TinyPet pet;
    pet.menu = {"1;910;Sub;-1;-1;0;0;0;",     "2;210;In;-1;-1;0;0;0;", "3;999;;-1;-1;0;0;0;",
                "4;220;Also in;-1;-1;0;0;0;", "5;911;;-1;-1;0;0;0;",   "6;230;Out;-1;-1;0;0;0;"};
    Start(pet);
    MenuModel menu = Menu();
    EXPECT_EQ(Captions(menu.items), (std::vector<std::string>{"Sub", "-", "Out"}));
    EXPECT_EQ(Captions(menu.items[0].items), (std::vector<std::string>{"In", "Also in"}));
}

TEST_F(PopupMenu, BeyondTenSubmenusTheItemsJoinTheTopMenu) {
    TinyPet pet;
    pet.menu.clear();
    for (int i = 0; i < 12; ++i) {
        pet.menu.push_back(StrFormat("%d;910;S%d;-1;-1;0;0;0;", 3 * i, i));
        pet.menu.push_back(StrFormat("%d;%d;I%d;-1;-1;0;0;0;", 3 * i + 1, 1000 + i, i));
        pet.menu.push_back(StrFormat("%d;911;;-1;-1;0;0;0;", 3 * i + 2));
    }
    Start(pet);
    MenuModel menu = Menu();
    ASSERT_EQ(menu.items.size(), 12u);
    EXPECT_EQ(menu.items[9].text, "S9");
    EXPECT_EQ(Captions(menu.items[9].items), (std::vector<std::string>{"I9"}));
    EXPECT_EQ(menu.items[10].text, "I10");
    EXPECT_EQ(menu.items[11].text, "I11");
}

TEST_F(PopupMenu, TheStatusSubmenuShowsNameGaugesLevelAndAge) {
    Start();
    state().PetLevel = 1;
    state().PetStartDate = "20251225";  // the simulated clock starts on 2026-01-01 at noon
    MenuModel menu = Menu();
    const MenuItem& status = menu.items[2];
    EXPECT_EQ(Captions(status.items),
              (std::vector<std::string>{"Nabi", "-", "gauge0", "gauge1", "gauge2", "gauge3", "-",
                                        "Level 2", "7 days"}));
    for (const MenuItem& item : status.items) {
        if (item.kind == MenuItem::kSeparator) continue;
        EXPECT_FALSE(item.enabled);
        EXPECT_EQ(item.command, 0);
    }
    state().PetStartDate = "20260101";
    EXPECT_EQ(Menu().items[2].items[8].text, "0 days");
    state().PetStartDate = "202512311300";  // 23 hours ago
    EXPECT_EQ(Menu().items[2].items[8].text, "0 days");
    state().PetStartDate = "2025123112";  // a day ago to the hour: no minutes given
    EXPECT_EQ(Menu().items[2].items[8].text, "1 days");
    state().PetStartDate = "";
    EXPECT_EQ(Menu().items[2].items[8].text.back(), 's');
}

TEST_F(PopupMenu, StatusTextsFillOnlyTheirOwnConversions) {
    TinyPet pet;
    for (std::string& text : pet.texts) {
        if (text.rfind("301;", 0) == 0) text = "301;%s %n %x %d %s %%;";
        if (text.rfind("306;", 0) == 0) text = "306;%s%d%d;";
        if (text.rfind("307;", 0) == 0) text = "307;" + std::string(120, 'x') + "%d;";
    }
    Start(pet);
    MenuModel menu = Menu();
    const MenuItem& status = menu.items[2];
    EXPECT_EQ(status.items[0].text, "Nabi %n %x %d %s %");
    EXPECT_EQ(status.items[7].text, "%s1%d");
    EXPECT_EQ(status.items[8].text.size(), 99u);  // a status line holds at most 99 bytes
}

TEST_F(PopupMenu, GaugesShowAFullCellForEachThousand) {
    Start();
    struct Case {
        int value, full;
        Pixel color;
    };
    const Case cases[] = {
        {7999, 7, kMiddle}, {8000, 8, kHigh},   {4999, 4, kLow},    {5000, 5, kMiddle},
        {0, 0, kLow},       {10000, 10, kHigh}, {11000, 11, kHigh}, {2147483647, 12, kHigh},
        {-3000, 0, kLow}};
    for (const Case& c : cases) {
        state().PetS2 = c.value;
        GaugePicture gauge = sim->pet().DrawGauge(2, "Rest");
        EXPECT_EQ(gauge.labelWidth, 24);  // four single-byte characters of a 12-pixel font
        ASSERT_EQ((Size{gauge.picture.width(), gauge.picture.height()}), (Size{220, 16}));
        for (int k = 0; k < 12; ++k) {
            int x = gauge.labelWidth + 17 * k;
            if (x + 1 >= 220) break;  // cells past the picture are cut off
            // Ten cells at least, one for each thousand beyond.
            Pixel expected = k < c.full ? c.color : k < 10 ? kEmpty : kMenuColor;
            EXPECT_EQ(gauge.picture.At(x + 1, 1), expected) << c.value << " cell " << k;
            if (x + 15 < 220) {
                EXPECT_EQ(gauge.picture.At(x + 15, 8), expected);  // last column
            }
            EXPECT_EQ(gauge.picture.At(x, 0), kMenuColor);       // corners in the menu colour
            EXPECT_EQ(gauge.picture.At(x + 16, 8), kMenuColor);  // the gap
        }
        EXPECT_EQ(gauge.picture.At(0, 8), kMenuColor);  // the label is the shell's to draw
    }
}

TEST_F(PopupMenu, GaugesWithoutTheBarImageShowOnlyTheMenuColour) {
    Start();
    sim->env.files.DeleteFile(".\\PETS\\PETBAR00.BCF");
    GaugePicture gauge = sim->pet().DrawGauge(0, "Food");
    EXPECT_EQ(gauge.picture, Image(220, 16, kMenuColor));
    sim->Input(SimInput::kRButton, 1, 1);  // the menu still opens
    EXPECT_EQ(sim->report.Count("menu"), 1);
}

TEST_F(PopupMenu, TheOptionsSubmenuReflectsTheSwitchesAndThePets) {
    TinyPet pet;
    pet.state.onTop = 1;
    pet.state.onSound = 0;
    Start(pet);
    MenuModel menu = Menu();
    const std::vector<MenuItem>& options = menu.items[3].items;
    EXPECT_EQ(Captions(options),
              (std::vector<std::string>{"On top", "Sound", "컴퓨터를 켜면 함께 시작", "-",
                                        "Rename...", "Change...", "정보...", "사용자 등록...", "-",
                                        "크기 자동", "크기 1배", "크기 2배", "크기 3배"}));
    std::vector<int> commands, checked;
    for (const MenuItem& item : options) {
        commands.push_back(item.command);
        checked.push_back(item.checked);
    }
    EXPECT_EQ(commands, (std::vector<int>{9021, 9022, 9027, 0, 9023, 9024, 9025, 9026, 0, 9028,
                                          9029, 9030, 9031}));
    // On top as stored, and the zoom Auto when nothing is stored.
    EXPECT_EQ(checked, (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_FALSE(options[5].enabled);  // one pet only

    pet.otherPets = {"DOG"};
    pet.texts.push_back("312;About the pet;");
    pet.texts.push_back("313;Register;");
    pet.texts.push_back("314;Start with the desktop;");
    pet.texts.push_back("317;Twice as large;");
    Start(pet);
    sim->desktop->system().SetStartWithDesktop(true);
    MenuModel twoPets = Menu();
    const std::vector<MenuItem>& two = twoPets.items[3].items;
    EXPECT_EQ(two[2].text, "Start with the desktop");
    EXPECT_TRUE(two[2].checked);
    EXPECT_TRUE(two[5].enabled);
    EXPECT_EQ(two[6].text, "About the pet");
    EXPECT_EQ(two[7].text, "Register");
    EXPECT_EQ(two[11].text, "Twice as large");
}

TEST_F(PopupMenu, MenuIconsAreCutFromTheIconImage) {
    TinyPet pet;
    pet.menu.push_back("9;904;Far icon;25;-1;0;0;0;");  // outside 0..19: no icon
    Start(pet);
    const std::vector<Image>& icons = sim->pet().MenuIcons();
    ASSERT_EQ(icons.size(), 20u);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(icons[i].empty(), i > 5) << i;
    // Pure green is transparent: the menu colour shows through.
    EXPECT_EQ(icons[3].At(0, 0), kMenuColor);
    EXPECT_EQ(icons[3].At(1, 0), MakePixel(10, 20, 30));
    EXPECT_EQ(icons[3].At(0, 1), MakePixel(10, 20, 30));
    EXPECT_EQ(icons[3].width(), 13);
    EXPECT_EQ(sim->pet().MakeMenuIcon(19, 13, 13).At(0, 0), kMenuColor);
}

TEST_F(PopupMenu, ExtremeCountersDoNotUpsetTheBounds) {
    TinyPet pet;
    pet.menu = {"1;100;Huge;-1;0;2147483647;0;10;"};
    Start(pet);
    // A sum of 2^32 is not 0.
    state().PetS0 = state().PetS1 = 2147483647;
    state().PetS2 = state().PetS3 = 1;
    EXPECT_TRUE(Menu().items.empty());
    state().PetS0 = state().PetS1 = state().PetS2 = state().PetS3 = 1;
    EXPECT_EQ(Menu().items.size(), 1u);
}

}  // namespace
}  // namespace nuv::test
