// The gallery's contact sheet: the frames side by side, each captioned with its
// parameter and value. Every parameter starts a row of its own, at most five frames wide.
#pragma once

#include <vector>

#include "tools/hostcli/CaptionText.h"
#include "tools/hostcli/GalleryPlan.h"
#include "tools/hostcli/Picture.h"

constexpr int kSheetColumns = 5;
constexpr int kSheetGap = 8;  // pixels around and between the tiles
// Two caption lines under each frame: the parameter, then the value.
constexpr int kSheetCaptionHeight = 2 * kCaptionLineHeight + 6;

struct SheetPoint {
    int x = 0;
    int y = 0;
};

struct SheetLayout {
    int width = 0;
    int height = 0;
    std::vector<SheetPoint> frameOrigins;  // top-left corner of each frame, in plan order
};

SheetLayout LayOutSheet(const std::vector<GalleryFrame>& frames, int frameWidth, int frameHeight);

// The sheet of the rendered pictures, one per planned frame and all of one size.
Picture ComposeSheet(const std::vector<GalleryFrame>& frames, const std::vector<Picture>& pictures);
