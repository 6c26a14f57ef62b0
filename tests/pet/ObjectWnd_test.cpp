// The object window: a picture cut from an object image, shaped by its transparent colour.

#include "pet/ObjectWnd.h"

#include <gtest/gtest.h>

#include "formats/BcfImage.h"
#include "formats/BmpDecoder.h"
#include "shape/Region.h"
#include "support/TestEnv.h"

namespace nuv::test {
namespace {

struct WindowLog {
    std::vector<std::pair<Point, Size>> places;
    std::vector<Rect> sources;
    Image picture;
    Region shape;
    std::vector<bool> shows;
};

class FakeObjectWindow : public IObjectWindow {
  public:
    explicit FakeObjectWindow(WindowLog* log) : log_(log) {}
    void Place(Point position, Size size) override { log_->places.push_back({position, size}); }
    void SetPicture(const Image& picture, const Region& shape, const Rect& source) override {
        log_->picture = picture;
        log_->shape = shape;
        log_->sources.push_back(source);
    }
    void Show(bool visible) override { log_->shows.push_back(visible); }

  private:
    WindowLog* log_;
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

TEST(ObjectWnd, ObjectIsPlacedCutAndShapedByItsTransparentColour) {
    MemoryEnv env;
    PutObjectImage(env.files);
    WindowLog log;
    CObjectWnd object(std::make_unique<FakeObjectWindow>(&log), env.files);
    object.SetObject(Desc({0, 0, 20, 10}));
    ASSERT_EQ(log.places.size(), 1u);
    EXPECT_EQ(log.places[0].first.x, 7);
    EXPECT_EQ(log.places[0].first.y, 700);
    EXPECT_EQ(log.places[0].second.width, 20);
    EXPECT_EQ(log.places[0].second.height, 10);
    ASSERT_EQ(log.picture.width(), 20);
    ASSERT_EQ(log.picture.height(), 10);
    EXPECT_EQ(log.picture.At(0, 0), kRed);
    EXPECT_EQ(log.shape.Area(), 20 * 10 - 1);  // the green pixel is cut away
    EXPECT_FALSE(log.shape.Contains(5, 5));
    EXPECT_TRUE(log.shows.empty());  // hidden until shown
    object.ShowObject(true);
    object.ShowObject(false);
    EXPECT_EQ(log.shows, (std::vector<bool>{true, false}));
}

TEST(ObjectWnd, OtherPictureKeepsThePlaceAndSize) {
    MemoryEnv env;
    PutObjectImage(env.files);
    WindowLog log;
    CObjectWnd object(std::make_unique<FakeObjectWindow>(&log), env.files);
    object.SetObject(Desc({0, 0, 20, 10}));
    object.SetSourceRect(35, 0, 45, 20);  // another size, with the green column at x 5
    EXPECT_EQ(log.places.size(), 1u);
    EXPECT_EQ(log.sources.back(), (Rect{35, 0, 45, 20}));
    EXPECT_EQ(object.Desc().source, (Rect{35, 0, 45, 20}));
    ASSERT_EQ(log.picture.width(), 10);
    EXPECT_EQ(log.picture.At(0, 0), kBlue);
    EXPECT_EQ(log.shape.Area(), 10 * 20 - 20);
    EXPECT_FALSE(log.shape.Contains(5, 10));
}

TEST(ObjectWnd, PictureWithoutOrOnlyOfTheKeyColour) {
    MemoryEnv env;
    PutObjectImage(env.files);
    WindowLog log;
    CObjectWnd object(std::make_unique<FakeObjectWindow>(&log), env.files);
    object.SetObject(Desc({10, 10, 30, 20}));
    EXPECT_EQ(log.shape, Region(Rect{0, 0, 20, 10}));
    object.SetSourceRect(40, 0, 41, 20);
    EXPECT_TRUE(log.shape.IsEmpty());
}

TEST(ObjectWnd, MissingImageLeavesTheWindowWithoutPictureOrShape) {
    MemoryEnv env;
    WindowLog log;
    CObjectWnd object(std::make_unique<FakeObjectWindow>(&log), env.files);
    object.SetObject(Desc({0, 0, 20, 10}));
    EXPECT_EQ(log.places.size(), 1u);
    EXPECT_TRUE(log.picture.empty());
    EXPECT_TRUE(log.shape.IsEmpty());
    EXPECT_FALSE(env.log.messages().empty());  // the loader says why
}

}  // namespace
}  // namespace nuv::test
