#include "tools/hostcli/ContactSheet.h"

#include <algorithm>

#include "tools/hostcli/PictureDrawing.h"

namespace {

constexpr Rgb kBackground{24, 26, 32};
constexpr Rgb kParameterInk{160, 166, 184};
constexpr Rgb kValueInk{240, 240, 240};

}  // namespace

SheetLayout LayOutSheet(const std::vector<GalleryFrame>& frames, int frameWidth, int frameHeight) {
    SheetLayout layout;
    const int tileWidth = frameWidth + kSheetGap;
    const int tileHeight = frameHeight + kSheetCaptionHeight + kSheetGap;
    int row = -1;
    int column = kSheetColumns;
    int columns = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        if (column == kSheetColumns || (i > 0 && frames[i].index != frames[i - 1].index)) {
            ++row;
            column = 0;
        }
        layout.frameOrigins.push_back({kSheetGap + column * tileWidth, kSheetGap + row * tileHeight});
        columns = std::max(columns, ++column);
    }
    layout.width = kSheetGap + columns * tileWidth;
    layout.height = kSheetGap + (row + 1) * tileHeight;
    return layout;
}

Picture ComposeSheet(const std::vector<GalleryFrame>& frames, const std::vector<Picture>& pictures) {
    const int frameWidth = pictures.empty() ? 0 : pictures[0].width;
    const int frameHeight = pictures.empty() ? 0 : pictures[0].height;
    const SheetLayout layout = LayOutSheet(frames, frameWidth, frameHeight);
    Picture sheet{layout.width, layout.height,
                  std::vector<uint8_t>(static_cast<size_t>(layout.width) * layout.height * 4)};
    FillRect(sheet, 0, 0, sheet.width, sheet.height, kBackground);
    for (size_t i = 0; i < frames.size() && i < pictures.size(); ++i) {
        const SheetPoint origin = layout.frameOrigins[i];
        PastePicture(sheet, pictures[i], origin.x, origin.y);
        const int captionTop = origin.y + frameHeight + 3;
        DrawCaption(sheet, origin.x, captionTop, FitCaption(frames[i].parameter, frameWidth), kParameterInk);
        DrawCaption(sheet, origin.x, captionTop + kCaptionLineHeight, FitCaption(frames[i].valueText, frameWidth),
                    kValueInk);
    }
    return sheet;
}
