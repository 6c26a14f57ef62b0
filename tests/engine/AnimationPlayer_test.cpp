// The animation player: frames, sequences, the end of an action, sounds and bad script data.

#include <gtest/gtest.h>

#include "formats/ComplementedFile.h"
#include "script/PetIds.h"
#include "support/SimHarness.h"

namespace nuv::test {
namespace {

// The (animation, frame) of each tick of timer 2 up to `ms`.
std::vector<std::pair<int, int>> Frames(const SimHarness& sim) {
    std::vector<std::pair<int, int>> frames;
    for (const SimEvent& e : sim.report.Named("tick")) {
        frames.push_back({int(e["anim"]), int(e["frame"])});
    }
    return frames;
}

std::vector<uint64_t> ActionTimes(const SimHarness& sim, int id) {
    std::vector<uint64_t> times;
    for (const SimEvent& e : sim.report.Named("action")) {
        if (e["id"] == id) times.push_back(e.t);
    }
    return times;
}

// Installs the pet with its script changed by `edit` (text in, text out).
template <typename Edit>
void EditScript(SimHarness& sim, const TinyPet& pet, Edit edit) {
    sim.env.files.Put(".\\PETS\\" + pet.name + ".ANI", Complement(edit(pet.Script())));
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    std::size_t at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(AnimationPlayer, PlaysEachFrameOfEachAnimationInTurn) {
    TinyPet pet;
    pet.Action(ActionId::kFirst).animations = {1, 2};
    pet.Action(ActionId::kFirst).duration = 1;
    SimHarness sim(pet, SimHarness::DefaultOptions(true));
    ASSERT_TRUE(sim.Start());
    sim.RunUntil(1200);
    // Two animations of two frames: the fifth tick completes the list and stands at its
    // first frame (time not up yet: the list plays on from there); the ninth completes it
    // again and, the time being up, starts the next action.
    std::vector<std::pair<int, int>> expected = {{1, 0}, {1, 1}, {2, 0}, {2, 1},  {1, 0},
                                                 {1, 1}, {2, 0}, {2, 1}, {1, -1}, {1, 0}};
    EXPECT_EQ(Frames(sim), expected);
    EXPECT_EQ(ActionTimes(sim, 100), (std::vector<uint64_t>{0, 1080}));
    // Frames become visible only on ticks that install a region: not on the completing ones.
    EXPECT_EQ(sim.desktop->ShapeChanges(), 8);
}

TEST(AnimationPlayer, AOneFrameActionEndsAtTheFirstTickWhoseTimeIsUp) {
    TinyPet pet;
    pet.animations[1] = {4};
    pet.Action(ActionId::kFirst).animations = {1};
    pet.Action(ActionId::kFirst).duration = 1;
    SimHarness sim(pet);
    ASSERT_TRUE(sim.Start());
    sim.RunUntil(3000);
    EXPECT_EQ(ActionTimes(sim, 100), (std::vector<uint64_t>{0, 1080, 2160}));
}

TEST(AnimationPlayer, DrawFrameBeforeTheFirstTickShowsTheFirstFrame) {
    TinyPet pet;
    pet.animations[12] = {33, 7};  // frame 33: column 3, row 3 of 20 x 20 cells
    pet.Action(150).animations = {12};
    SimHarness sim(pet);
    ASSERT_TRUE(sim.Start());
    sim.StartAction(150);
    EXPECT_EQ(sim.pet().Engine().framePos(), -1);
    EXPECT_EQ(sim.pet().Engine().FrameSource(), (Rect{60, 60, 80, 80}));
    sim.RunFor(240);
    EXPECT_EQ(sim.pet().Engine().framePos(), 1);
    EXPECT_EQ(sim.pet().Engine().FrameSource(), (Rect{140, 0, 160, 20}));
}

TEST(AnimationPlayer, AFrameReachingBelowTheSheetIsNotPainted) {
    TinyPet pet;
    pet.animations[12] = {33};  // in the last row
    pet.Action(150).animations = {12};
    SimHarness sim(pet);
    // The script's cells are taller than the sheet's.
    EditScript(sim, pet, [](std::string s) { return Replace(s, "Size;20,20;", "Size;20,21;"); });
    ASSERT_TRUE(sim.Start());
    sim.StartAction(150);
    EXPECT_TRUE(sim.pet().Engine().FrameSource().IsEmpty());
}

TEST_F(StartedPet, ReplacedSequencesComeBackAsTheyWere) {
    CPet& pet = sim.pet();
    pet.Engine().PlaySequence({13});
    EXPECT_EQ(pet.Engine().curAnim()->id, 13);
    EXPECT_EQ(pet.Engine().framePos(), 0);
    pet.Engine().PlaySequence({14, 15});
    EXPECT_EQ(*pet.ActionAnimations(ActionId::kFirst), (std::vector<int>{14, 15}));
    pet.Engine().RestoreSequence();
    EXPECT_EQ(*pet.ActionAnimations(ActionId::kFirst), (std::vector<int>{1, 2}));
    EXPECT_EQ(pet.Engine().curAnim()->id, 1);
    pet.Engine().RestoreSequence();  // nothing saved: nothing changes
    EXPECT_EQ(*pet.ActionAnimations(ActionId::kFirst), (std::vector<int>{1, 2}));

    // A new action restores the list of the action it replaces.
    pet.Engine().PlaySequence({20});
    sim.StartAction(150);
    EXPECT_EQ(*pet.ActionAnimations(ActionId::kFirst), (std::vector<int>{1, 2}));
}

TEST(AnimationPlayer, ASoundPlaysWhenItsFrameHasBeenShown) {
    TinyPet pet;
    pet.Action(ActionId::kFirst).animations = {1};
    pet.Action(ActionId::kFirst).duration = 1;
    SimHarness sim(pet);
    EditScript(sim, pet, [](std::string s) { return Replace(s, "\r\n1;a1;;", "\r\n1;a1;0,1;"); });
    ASSERT_TRUE(sim.Start());
    sim.RunUntil(1000);
    // Frame position 1 is shown by the ticks at 240, 480 and 720; the next tick plays.
    std::vector<SimEvent> sounds = sim.report.Named("sound");
    ASSERT_EQ(sounds.size(), 3u);
    EXPECT_EQ(sounds[0].texts[0], ".\\PETSOUND\\BEEP.WAV");
    EXPECT_EQ(sounds[0].t, 360u);
    EXPECT_EQ(sounds[1].t, 600u);
    EXPECT_EQ(sounds[2].t, 840u);
}

TEST(AnimationPlayer, NoSoundWhenSwitchedOffOrOutOfReach) {
    const char* fields[] = {"0,1;", "0,5;", "1,0;", "-1,0;"};
    for (int onSound : {0, 1}) {
        for (const char* field : fields) {
            TinyPet pet;
            pet.state.onSound = onSound;
            pet.Action(ActionId::kFirst).animations = {1};
            SimHarness sim(pet);
            EditScript(sim, pet, [field](std::string s) {
                return Replace(s, "\r\n1;a1;;", std::string("\r\n1;a1;") + field);
            });
            ASSERT_TRUE(sim.Start());
            sim.RunFor(3000);
            bool plays = onSound == 1 && std::string(field) == "0,1;";
            EXPECT_EQ(sim.report.Count("sound") > 0, plays) << onSound << " " << field;
            EXPECT_FALSE(sim.desktop->Ended()) << field;  // no fault ended it
        }
    }
}

// Scripts the player must survive: it keeps its last frame or falls back to action 100.
TEST(AnimationPlayer, BadAnimationDataNeverStopsThePet) {
    struct Case {
        const char* what;
        std::vector<int> actionList;
        std::vector<int> frames;  // of animation 1
    };
    const Case cases[] = {
        {"missing animation", {1, 999}, {3, 4}},
        {"only missing animations", {998, 999}, {3, 4}},
        {"empty action list", {}, {3, 4}},
        {"empty frame list", {1}, {}},
        {"frames outside the region table", {1, 2}, {3, 40, 5000, -7}},
    };
    for (const Case& c : cases) {
        TinyPet pet;
        pet.animations[1] = c.frames;
        pet.Action(ActionId::kFirst).animations = c.actionList;
        pet.Action(150).animations = c.actionList;
        pet.Action(150).weights = {5000, 5000, 5000};
        SimHarness sim(pet, SimHarness::DefaultOptions(true));
        ASSERT_TRUE(sim.Start()) << c.what;
        sim.RunFor(30000);
        EXPECT_GE(sim.report.Count("action"), 5) << c.what;
        Rect source = sim.pet().Engine().FrameSource();
        EXPECT_TRUE(source.IsEmpty() || (source.left >= 0 && source.top >= 0 &&
                                         source.right <= 200 && source.bottom <= 80))
            << c.what;
        sim.dialog().OnPaint();
        EXPECT_EQ(sim.Window().bottom, 738 + 30) << c.what;
    }
}

TEST(AnimationPlayer, AFrameOutsideTheTableKeepsTheLastShape) {
    TinyPet pet;
    pet.animations[1] = {3, 40};
    pet.Action(ActionId::kFirst).animations = {1};
    SimHarness sim(pet);
    ASSERT_TRUE(sim.Start());
    sim.RunFor(120);
    Region shown = sim.desktop->Shape();
    int changes = sim.desktop->ShapeChanges();
    sim.RunFor(120);  // frame 40: no region
    EXPECT_EQ(sim.desktop->ShapeChanges(), changes);
    EXPECT_EQ(sim.desktop->Shape(), shown);
    EXPECT_TRUE(sim.pet().Engine().FrameSource().IsEmpty());
}

TEST_F(StartedPet, AMissingActionFallsBackTo100) {
    EXPECT_EQ(sim.pet().Engine().StartAction(4321, true, false), 100);
    EXPECT_EQ(sim.pet().Engine().GetActionId(), ActionId::kFirst);
    EXPECT_EQ(sim.report.Named("action").back()["id"], 100);
}

}  // namespace
}  // namespace nuv::test
