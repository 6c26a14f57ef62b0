// The sample pet's frames and animations as the engine and the games need them.

#include <gtest/gtest.h>

#include <set>

#include "petart/FrameCheck.h"
#include "petart/PetAnimator.h"
#include "petart/PetSounds.h"

namespace nuv::art {
namespace {

struct Pet {
    explicit Pet(const Palette& p) : palette(p), sheet(p) {
        CPetAnimator animator(sheet, book);
        BuildPetAnimations(animator);
        AddPetSounds(book);  // every sound lands on a frame its animation has
    }
    const std::vector<int>& Frames(int id) const {
        static const std::vector<int> none;
        const Animation* a = book.Find(id);
        return a ? a->frames : none;
    }
    const Image& FrameOf(int number) const { return sheet.frames()[size_t(number)]; }
    Palette palette;
    CFrameSheet sheet;
    CAnimationBook book;
};

const Pet& First() {
    static const Pet pet(FirstPalette());
    return pet;
}

const Pet& Second() {
    static const Pet pet(SecondPalette());
    return pet;
}

CMask ShapeOf(const Image& frame) {
    CMask m(frame.width(), frame.height());
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x)
            m.Set(x, y, frame.At(x, y) != kPureGreen);
    }
    return m;
}

TEST(PetFrames, EveryFrameIsOneOutlinedFigureClearOfTheEdges) {
    for (const Pet* pet : {&First(), &Second()}) {
        ASSERT_GE(pet->sheet.frames().size(), 120u);
        ASSERT_LE(pet->sheet.frames().size(), 210u);
        for (size_t i = 0; i < pet->sheet.frames().size(); ++i) {
            const Image& f = pet->sheet.frames()[i];
            ASSERT_EQ((Size{f.width(), f.height()}), (Size{128, 128}));
            FrameReport r = CheckFrame(f, pet->palette.outline);
            EXPECT_TRUE(FrameProblems(r).empty())
                << "frame " << i << ": " << FrameProblems(r).front();
        }
    }
}

TEST(PetFrames, TheEngineAndGamesFindEveryAnimationTheyPlay) {
    std::vector<int> needed = {34, 36, 46, 47, 52, 60, 66, 78, 92, 93, 118, 130};
    const int ranges[][2] = {{13, 26},   {38, 44},   {70, 74},  {84, 88},
                             {107, 110}, {120, 128}, {137, 139}};
    for (const auto& range : ranges) {
        for (int id = range[0]; id <= range[1]; ++id)
            needed.push_back(id);
    }
    for (int id : needed)
        EXPECT_FALSE(First().Frames(id).empty()) << "animation " << id;
    EXPECT_TRUE(First().book.problems().empty());
}

TEST(PetFrames, MovementTablesGetTheirFrameCounts) {
    EXPECT_EQ(First().Frames(78).size(), 12u);
    EXPECT_EQ(First().Frames(66).size(), 15u);
    EXPECT_EQ(First().Frames(36).size(), 4u);
    for (int id : {21, 22, 23, 24})
        EXPECT_EQ(First().Frames(id).size(), 7u) << id;
    // The catch games go on falling from the third frame; the jump plays four times in eight
    // ticks of the jump table.
    for (int id : {125, 139})
        EXPECT_GE(First().Frames(id).size(), 3u) << id;
    EXPECT_EQ(First().Frames(73).size(), 2u);
}

TEST(PetFrames, EveryFrameIsUsedAndEveryNumberExists) {
    std::set<int> used;
    for (const Animation& a : First().book.animations()) {
        EXPECT_LE(a.name.size(), 19u);
        EXPECT_LE(a.comment.size(), 49u);
        for (int f : a.frames) {
            EXPECT_GE(f, 0);
            EXPECT_LT(size_t(f), First().sheet.frames().size()) << "animation " << a.id;
            used.insert(f);
        }
    }
    EXPECT_EQ(used.size(), First().sheet.frames().size());
}

TEST(PetFrames, StandingPetsHaveTheirFeetOnTheGroundRow) {
    for (int id : {1, 2, 5, 13, 15, 16, 56, 57}) {
        for (int f : First().Frames(id)) {
            EXPECT_EQ(CheckFrame(First().FrameOf(f), First().palette.outline).lowestRow, 97)
                << "animation " << id << " frame " << f;
        }
    }
}

TEST(PetFrames, RightFacingAnimationsMirrorTheLeftOnes) {
    const int pairs[][2] = {{15, 16},   {17, 18}, {19, 20}, {21, 22},  {23, 24},   {25, 26},
                            {107, 109}, {92, 87}, {93, 88}, {118, 60}, {110, 108}, {56, 57}};
    for (const auto& pair : pairs) {
        const auto& left = First().Frames(pair[0]);
        const auto& right = First().Frames(pair[1]);
        ASSERT_EQ(left.size(), right.size()) << pair[0];
        for (size_t i = 0; i < left.size(); ++i) {
            EXPECT_EQ(MirroredImage(First().FrameOf(left[i])), First().FrameOf(right[i]))
                << pair[0] << " and " << pair[1] << " at " << i;
        }
    }
    // Turning: 13 runs from facing left to facing right, 14 the other way.
    const auto& turnRight = First().Frames(13);
    EXPECT_EQ(turnRight.front(), First().Frames(56).front());  // standing facing left
    EXPECT_EQ(MirroredImage(First().FrameOf(turnRight.front())), First().FrameOf(turnRight.back()));
    EXPECT_EQ(First().Frames(14).front(), turnRight.back());
}

TEST(PetFrames, HeldPetsHangWhereTheMouseHoldsThem) {
    // Dragging holds the window at its client point (50, 15).
    for (int f : First().Frames(100)) {
        EXPECT_NE(First().FrameOf(f).At(50, 15), kPureGreen) << "frame " << f;
    }
    // The hook carries the pet by the top centre of its frame.
    for (int id : {74, 123, 124, 137, 138}) {
        for (int f : First().Frames(id)) {
            const Image& frame = First().FrameOf(f);
            bool held = false;
            for (int y = 1; y <= 12; ++y)
                held = held || frame.At(64, y) != kPureGreen;
            EXPECT_TRUE(held) << "animation " << id << " frame " << f;
        }
    }
}

TEST(PetFrames, TheSiblingHasTheSameFramesInOtherColours) {
    ASSERT_EQ(First().sheet.frames().size(), Second().sheet.frames().size());
    for (size_t i = 0; i < First().sheet.frames().size(); ++i) {
        CMask a = ShapeOf(First().sheet.frames()[i]), b = ShapeOf(Second().sheet.frames()[i]);
        CMask diff = a;
        diff.Subtract(b);
        CMask diff2 = b;
        diff2.Subtract(a);
        EXPECT_EQ(diff.Count() + diff2.Count(), 0) << "frame " << i;
        EXPECT_FALSE(First().sheet.frames()[i] == Second().sheet.frames()[i]);
    }
    EXPECT_EQ(First().book.Text(), Second().book.Text());
}

TEST(PetFrames, NoColourComesCloseToTheTransparentGreen) {
    for (const Pet* pet : {&First(), &Second()}) {
        std::set<Pixel> colours;
        for (const Image& f : pet->sheet.frames())
            colours.insert(f.pixels().begin(), f.pixels().end());
        EXPECT_LT(colours.size(), 120u);  // few enough for an 8-bit picture sheet
        for (Pixel p : colours) {
            if (p == kPureGreen) continue;
            bool greenish = GreenOf(p) > 200 && RedOf(p) < 60 && BlueOf(p) < 60;
            EXPECT_FALSE(greenish) << std::hex << p;
        }
    }
}

}  // namespace
}  // namespace nuv::art
