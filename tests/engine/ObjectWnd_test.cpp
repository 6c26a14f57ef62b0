// The object window: a picture cut from an object image, shaped by its transparent colour.

#include "engine/ObjectWnd.h"

#include <gtest/gtest.h>

#include "formats/BcfImage.h"
#include "formats/BmpDecoder.h"
#include "shape/Region.h"
#include "support/SimHarness.h"
#include "support/TestEnv.h"

namespace nuv::test {
namespace {

// An object window on the simulated desktop; its shows and hides are told as events.
struct ObjectScene {
    explicit ObjectScene(IFileSystem& files) {
        auto created = std::make_unique<CSimObjectWindow>(sim);
        window = created.get();
        object = std::make_unique<CObjectWnd>(std::move(created), files);
    }
    std::vector<bool> Shows() const {
        std::vector<bool> shows;
        for (const SimEvent& e : report.Named("object"))
            shows.push_back(e["show"] == 1);
        return shows;
    }
    RecordingReporter report;
    CSimContext sim{&report};
    CSimObjectWindow* window = nullptr;
    std::unique_ptr<CObjectWnd> object;
};

// A fresh object window on an empty file system.
class ObjectWndTest : public ::testing::Test {
  protected:
    MemoryEnv env;
    ObjectScene scene{env.files};
    CObjectWnd& object = *scene.object;
    const CSimObjectWindow& log = *scene.window;
};

constexpr Pixel kRed = MakePixel(200, 0, 0);
constexpr Pixel kBlue = MakePixel(0, 0, 200);

// A 60 x 20 image: red on the left half, blue on the right, with one green pixel at (5, 5)
// and a green column at x 40.
void PutObjectImage(MemoryFileSystem& files) {
    Image image(60, 20, kRed);
    for (int y = 0; y < 20; ++y) {
        for (int x = 30; x < 60; ++x)
            image.Set(x, y, x == 40 ? kPureGreen : kBlue);
    }
    image.Set(5, 5, kPureGreen);
    files.Put(".\\PETS\\OBJ.BCF", std::string(kBcfLeadSize, '\0') + EncodeBmp24(image));
}

ObjectDesc Desc(Rect source) {
    ObjectDesc desc;
    desc.imagePath = ".\\PETS\\OBJ.BCF";
    desc.source = source;
    desc.position = {7, 700};
    return desc;
}

TEST_F(ObjectWndTest, ObjectIsPlacedCutAndShapedByItsTransparentColour) {
    PutObjectImage(env.files);
    object.SetObject(Desc({0, 0, 20, 10}));
    EXPECT_EQ(log.places, 1);
    EXPECT_EQ(log.position, (Point{7, 700}));
    EXPECT_EQ(log.size, (Size{20, 10}));
    ASSERT_EQ((Size{log.picture.width(), log.picture.height()}), (Size{20, 10}));
    EXPECT_EQ(log.picture.At(0, 0), kRed);
    EXPECT_EQ(log.shape.Area(), 20 * 10 - 1);  // the green pixel is cut away
    EXPECT_FALSE(log.shape.Contains(5, 5));
    EXPECT_TRUE(scene.Shows().empty());  // hidden until shown
    object.ShowObject(true);
    object.ShowObject(false);
    EXPECT_EQ(scene.Shows(), (std::vector<bool>{true, false}));
}

TEST_F(ObjectWndTest, OtherPictureKeepsThePlaceAndSize) {
    PutObjectImage(env.files);
    object.SetObject(Desc({0, 0, 20, 10}));
    object.SetSourceRect(35, 0, 45, 20);  // another size, with the green column at x 5
    EXPECT_EQ(log.places, 1);
    EXPECT_EQ(log.source, (Rect{35, 0, 45, 20}));
    EXPECT_EQ(object.Desc().source, (Rect{35, 0, 45, 20}));
    ASSERT_EQ(log.picture.width(), 10);
    EXPECT_EQ(log.picture.At(0, 0), kBlue);
    EXPECT_EQ(log.shape.Area(), 10 * 20 - 20);
    EXPECT_FALSE(log.shape.Contains(5, 10));
}

TEST_F(ObjectWndTest, PictureWithoutOrOnlyOfTheKeyColour) {
    PutObjectImage(env.files);
    object.SetObject(Desc({10, 10, 30, 20}));
    EXPECT_EQ(log.shape, Region(Rect{0, 0, 20, 10}));
    object.SetSourceRect(40, 0, 41, 20);
    EXPECT_TRUE(log.shape.IsEmpty());
}

TEST_F(ObjectWndTest, MissingImageLeavesTheWindowWithoutPictureOrShape) {
    object.SetObject(Desc({0, 0, 20, 10}));
    EXPECT_EQ(log.places, 1);
    EXPECT_TRUE(log.picture.empty());
    EXPECT_TRUE(log.shape.IsEmpty());
    EXPECT_FALSE(env.log.messages().empty());  // the loader says why
}

}  // namespace
}  // namespace nuv::test
