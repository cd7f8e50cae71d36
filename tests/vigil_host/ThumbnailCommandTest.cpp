#include <gtest/gtest.h>

#include "HostProcess.h"
#include "tests/support/Color.h"
#include "tools/hostcli/PictureLoad.h"

namespace {

void ExpectPixel(const Picture& picture, int x, int y, Rgba want) {
    const uint8_t* pixel = picture.At(x, y);
    EXPECT_EQ(pixel[0], want.r) << x << "," << y;
    EXPECT_EQ(pixel[1], want.g) << x << "," << y;
    EXPECT_EQ(pixel[2], want.b) << x << "," << y;
    EXPECT_EQ(pixel[3], want.a) << x << "," << y;
}

}  // namespace

// The packed words reach the PNG unpacked into the right channels, top row first.
TEST(ThumbnailCommand, WritesThePreviewPicture) {
    const auto path = (ScratchDirectory("thumbnail") / "thumbnail.png").string();
    const HostRun run = RunHost({"thumbnail", VIGIL_PLUGIN_PATH, path});
    ASSERT_EQ(run.status, 0) << run.err;
    Picture picture;
    std::string error;
    ASSERT_TRUE(LoadPicture(path, &picture, &error)) << error;
    ASSERT_EQ(picture.width, 160);
    ASSERT_EQ(picture.height, 120);
    ExpectPixel(picture, 0, 0, {0, 0, 0, 255});
    ExpectPixel(picture, 70, 60, {255, 0, 128, 216});
    ExpectPixel(picture, 80, 60, {57, 255, 20, 255});
    ExpectPixel(picture, 140, 16, {255, 0, 0, 255});
    ExpectPixel(picture, 140, 13, {255, 0, 0, 255});
    ExpectPixel(picture, 143, 15, {0, 0, 0, 255});
    ExpectPixel(picture, 12, 10, {255, 0, 128, 255});  // outer bracket, top-left corner
}
