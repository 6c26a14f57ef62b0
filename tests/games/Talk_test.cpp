// Talk (146) and advertisement talk (149): what is said, the balloon's life and its links.

#include <gtest/gtest.h>

#include <set>

#include "games/GameScene.h"
#include "script/PetIds.h"

namespace nuv::test {
namespace {

TinyPet TalkPet(int s0, int s1, int s2, int s3) {
    TinyPet pet;
    pet.state.s0 = s0, pet.state.s1 = s1, pet.state.s2 = s2, pet.state.s3 = s3;
    pet.Action(ActionId::kTalkNeeds).duration = 1;
    pet.Action(ActionId::kTalkAdvertisement).duration = 1;
    return pet;
}

bool BalloonOrNextAction(const TickState& s) {
    return s.action != ActionId::kTalkNeeds && s.action != ActionId::kTalkAdvertisement;
}

// Starts the pet and, `wait` ms later, the talk `id`; ticks until its balloon opens or another
// action starts.
bool Talk(GameScene& scene, int id, uint64_t wait = 0) {
    if (!scene.Start()) return false;
    if (wait) scene.sim.RunFor(wait);
    scene.StartGame(id);
    scene.TickUntil(
        [&scene](const TickState& s) {
            return BalloonOrNextAction(s) || !scene.Events("balloon").empty();
        },
        20);
    return true;
}

TEST(Talk, TheNeedsChooseWhatThePetSays) {
    struct Case {
        int s0, s1, s2, s3;
        std::set<std::string> said;
    };
    const Case cases[] = {
        {9000, 9000, 9000, 9000, {"All is well"}},     {5000, 9000, 9000, 9000, {"Hungry"}},
        {9000, 5000, 9000, 9000, {"Bored"}},           {9000, 9000, 5000, 9000, {"Tired"}},
        {9000, 9000, 9000, 5000, {"Lonely"}},          {5000, 5000, 5000, 5000, {"Needs"}},
        {5000, 9000, 5000, 9000, {"Hungry", "Tired"}},
    };
    for (const Case& c : cases) {
        GameScene scene(TalkPet(c.s0, c.s1, c.s2, c.s3));
        ASSERT_TRUE(Talk(scene, 146));
        std::vector<SimEvent> balloons = scene.Events("balloon");
        ASSERT_EQ(balloons.size(), 1u) << c.s0 << " " << c.s1 << " " << c.s2 << " " << c.s3;
        EXPECT_EQ(balloons[0]["kind"], 1);
        EXPECT_EQ(c.said.count(balloons[0].texts[0]), 1u) << balloons[0].texts[0];
        EXPECT_EQ(scene.sim.pet().Engine().GetActionId(), ActionId::kTalkNeeds);
    }
}

TEST(Talk, BothLowNeedsAreSpokenOfInTurn) {
    std::set<std::string> said;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        SimOptions options = SimHarness::DefaultOptions();
        options.seed = seed;
        GameScene scene(TalkPet(9000, 5000, 9000, 5000), options);
        ASSERT_TRUE(Talk(scene, 146, seed * 37));  // another tick count for the message draw
        for (const std::string& text : scene.Texts("balloon"))
            said.insert(text);
    }
    EXPECT_EQ(said, (std::set<std::string>{"Bored", "Lonely"}));
}

TEST(Talk, TypingBalloonKeepsTheTalkGoingUntilItCloses) {
    GameScene scene(TalkPet(9000, 9000, 9000, 9000));
    ASSERT_TRUE(Talk(scene, 146));
    ASSERT_TRUE(
        scene.TickUntil([](const TickState& s) { return s.action != ActionId::kTalkNeeds; }, 200));
    std::vector<SimEvent> shown = scene.Events("balloon_shown");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].texts, (std::vector<std::string>{"All is well"}));
    std::vector<SimEvent> closed = scene.Events("balloon_closed");
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0].t, shown[0].t + 5000);
    EXPECT_GE(shown[0].t, scene.Events("balloon")[0].t + 11 * 200);  // one character a tick
    EXPECT_TRUE(scene.Played(34));  // the pet finishes talking while the text stays
    EXPECT_EQ(scene.Actions(), (std::vector<int>{146, 100}));
    EXPECT_EQ(scene.Events("action")[1].t, closed[0].t);
}

TEST(Talk, LongTypedTextReportsTheLinesLeftAfterTheScroll) {
    TinyPet pet = TalkPet(9000, 9000, 9000, 9000);
    pet.messages = {"201;10000;1<BR>2<BR>3<BR>4<BR>5<BR>6<BR>7<BR>8;"};
    GameScene scene(pet);
    ASSERT_TRUE(Talk(scene, 146));
    ASSERT_TRUE(scene.TickUntil(
        [&scene](const TickState&) { return !scene.Events("balloon_shown").empty(); }));
    EXPECT_EQ(scene.Events("balloon_shown")[0].texts,
              (std::vector<std::string>{"2", "3", "4", "5", "6", "7", "8"}));
}

TEST(Talk, EscapeOrEnterClosesTheBalloonAndTheTalkMovesOnAtOnce) {
    for (int key : {0, 1}) {
        GameScene scene(TalkPet(9000, 9000, 9000, 9000));
        ASSERT_TRUE(Talk(scene, 146));
        scene.Tick();
        scene.sim.Input(SimInput::kBalloonKey, key);
        EXPECT_EQ(scene.Events("balloon_closed").size(), 1u) << key;
        EXPECT_TRUE(scene.Events("balloon_shown").empty()) << key;  // closed while typing
        EXPECT_EQ(scene.Actions(), (std::vector<int>{146, 100})) << key;
        EXPECT_EQ(scene.sim.pet().openBalloon(), nullptr);
    }
}

TEST(Talk, NothingToSayMovesOnAtOnce) {
    TinyPet lowNeeds = TalkPet(2500, 2500, 2500, 2500);  // messages 0..0: none
    TinyPet noMessages = TalkPet(9000, 9000, 9000, 9000);
    noMessages.messages.clear();
    TinyPet noAdverts = TalkPet(9000, 9000, 9000, 9000);
    noAdverts.adverts = {"1;0;Never drawn;"};
    struct Case {
        const TinyPet* pet;
        int talk;
    };
    for (const Case& c : {Case{&lowNeeds, 146}, Case{&noMessages, 146}, Case{&noAdverts, 149}}) {
        GameScene scene(*c.pet);
        ASSERT_TRUE(scene.Start());
        scene.StartGame(c.talk);
        scene.Tick();
        EXPECT_TRUE(scene.Events("balloon").empty()) << c.talk;
        EXPECT_EQ(scene.Actions().size(), 2u) << c.talk;
        EXPECT_NE(scene.sim.pet().Engine().GetActionId(), c.talk);
    }
}

TEST(Talk, BalloonOpenFromElsewhereKeepsTheTalkSilent) {
    TinyPet pet = TalkPet(9000, 9000, 9000, 9000);
    pet.state.level = 1;
    pet.state.point = 100;
    pet.Action(ActionId::kTalkNeeds).deltaPoint =
        200;  // reaches the last level: two balloons at once
    GameScene scene(pet);
    ASSERT_TRUE(scene.Start());
    scene.StartGame(ActionId::kTalkNeeds);
    ASSERT_TRUE(
        scene.TickUntil([](const TickState& s) { return s.action != ActionId::kTalkNeeds; }, 100));
    EXPECT_EQ(scene.Texts("balloon"), (std::vector<std::string>{"Level up", "Top level"}));
    EXPECT_EQ(scene.Events("balloon_closed").size(), 2u);
    EXPECT_EQ(scene.Actions(), (std::vector<int>{146, 100}));
}

// The advertisement "Visit <LINK=www.example.org>us</LINK>": kind 0 lines start at x 44,
// y 37 + 18 i, in a 16 px font whose single-byte characters are 8 px wide; "us" spans
// x 92..108 and y 37..53.
TEST(AdvertisementTalk, LinkOpensInTheBrowserFromItsAreaOnly) {
    GameScene scene(TalkPet(9000, 9000, 9000, 9000));
    ASSERT_TRUE(Talk(scene, 149));
    std::vector<SimEvent> balloons = scene.Events("balloon");
    ASSERT_EQ(balloons.size(), 1u);
    EXPECT_EQ(balloons[0]["kind"], 0);
    scene.Tick();
    scene.Tick();
    std::vector<SimEvent> shown = scene.Events("balloon_shown");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].texts, (std::vector<std::string>{"Visit us", "www.example.org"}));

    for (auto [x, y] : {std::pair{91, 45}, {108, 45}, {100, 36}, {100, 53}, {60, 45}}) {
        scene.sim.Input(SimInput::kBalloonClick, x, y);
        EXPECT_TRUE(scene.Events("open").empty()) << x << "," << y;
    }
    for (auto [x, y] : {std::pair{92, 37}, {107, 52}}) {
        scene.sim.Input(SimInput::kBalloonClick, x, y);
    }
    EXPECT_EQ(scene.Texts("open"),
              (std::vector<std::string>{"http://www.example.org", "http://www.example.org"}));
    EXPECT_TRUE(scene.Events("balloon_closed").empty());  // a click never closes it
    EXPECT_EQ(scene.sim.pet().Engine().GetActionId(), ActionId::kTalkAdvertisement);

    scene.sim.Input(SimInput::kBalloonKey, 1);
    EXPECT_EQ(scene.Events("balloon_closed").size(), 1u);
    EXPECT_EQ(scene.Actions(), (std::vector<int>{149, 100}));
}

TEST(Talk, DraggingATalkingPetClosesItsBalloonWithoutAnyOtherAction) {
    TinyPet pet = TalkPet(9000, 9000, 9000, 9000);
    pet.Action(ActionId::kFirst).deltaS0 = 100;  // what the talk would move on to
    GameScene scene(pet);
    ASSERT_TRUE(Talk(scene, 146));
    scene.Tick();
    int before = scene.State().PetS0;
    scene.sim.Input(SimInput::kLButton, 5, 5);
    EXPECT_EQ(scene.Events("balloon_closed").size(), 1u);
    EXPECT_EQ(scene.Actions(), (std::vector<int>{146, 701}));
    EXPECT_EQ(scene.State().PetS0, before);
}

TEST(Talk, MenuOptionDuringATalkClosesTheBalloonAndThePetSaysSomethingNew) {
    GameScene scene(TalkPet(9000, 9000, 9000, 9000));
    ASSERT_TRUE(Talk(scene, 146));
    scene.Tick();
    scene.sim.Input(SimInput::kCommand, CommandId::kToggleSound);  // sound off
    EXPECT_EQ(scene.Events("balloon_closed").size(), 1u);
    EXPECT_EQ(scene.Actions(), (std::vector<int>{146}));
    scene.Tick();
    EXPECT_EQ(scene.Events("balloon").size(), 2u);
}

TEST(Talk, ExitDuringATalkOpensNoBalloonOnTheWayOut) {
    TinyPet pet = TalkPet(9000, 9000, 9000, 9000);
    pet.Action(ActionId::kFirst).deltaPoint =
        60;  // the start gives 60; the action after a talk would level up
    GameScene scene(pet);
    ASSERT_TRUE(Talk(scene, 146));
    scene.Tick();
    scene.sim.Input(SimInput::kCommand, CommandId::kExit);
    EXPECT_TRUE(scene.sim.desktop->Ended());
    EXPECT_EQ(scene.Texts("balloon"), (std::vector<std::string>{"All is well"}));
    EXPECT_EQ(scene.Actions(), (std::vector<int>{146}));
}

}  // namespace
}  // namespace nuv::test
