#include "overlay/drawing/OverlayQuad.h"

std::array<float, 24> OverlayQuadVertices(int32_t pictureWidth, int32_t pictureHeight) {
    float w = kOverlaySize, h = kOverlaySize;
    if (pictureWidth > 0 && pictureHeight > 0) {
        const float aspect = static_cast<float>(pictureWidth) / static_cast<float>(pictureHeight);
        if (aspect > 1.0f)
            h = kOverlaySize / aspect;
        else
            w = aspect * kOverlaySize;
    }
    const float x0 = 0.5f - w * 0.5f, y0 = 0.5f - h * 0.5f;
    return {x0,     y0,     0, 0,  //
            x0 + w, y0,     1, 0,  //
            x0 + w, y0 + h, 1, 1,  //
            x0,     y0,     0, 0,  //
            x0 + w, y0 + h, 1, 1,  //
            x0,     y0 + h, 0, 1};
}
