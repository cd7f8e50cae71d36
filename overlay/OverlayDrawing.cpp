// Each frame: step the GIF's playhead, and draw the current picture in the centre.
#include <GL/glew.h>

#include "effect/ZaqVigilomatronic.h"
#include "gl/DynamicBuffers.h"
#include "gl/Scoped.h"
#include "overlay/OverlayAnimation.h"
#include "overlay/OverlayQuad.h"

void ZaqVigilomatronic::AdvanceOverlayAnimation() {
    if (overlayFrameCount < 2) return;
    const OverlayPlayhead next = StepOverlayAnimation(overlayFrameDelays, {overlayFrameIndex, overlayFrameTime});
    overlayFrameIndex = next.frameIndex;
    overlayFrameTime = next.frameTime;
}

uint32_t ZaqVigilomatronic::CurrentOverlayTexture() const {
    if (overlayFrameCount <= 1) return overlayTexture;
    if (overlayFrameIndex < 0 || static_cast<size_t>(overlayFrameIndex) >= overlayFrameTextures.size()) return 0;
    return overlayFrameTextures[overlayFrameIndex];
}

void ZaqVigilomatronic::DrawOverlay() {
    const uint32_t texture = CurrentOverlayTexture();
    if (texture == 0) return;
    const std::array<float, 24> vertices = OverlayQuadVertices(overlayWidth, overlayHeight);

    // Its sampler unit and alpha were set once at set-up.
    ScopedProgramUse program(texturedQuadShader.ProgramHandle());
    glBindVertexArray(quadVertexArray);
    ScopedActiveTextureUnit unit(0);
    ffglex::Scoped2DTextureBinding binding(texture);
    UploadAndDraw(quadVertexBuffer, vertices.data(), sizeof(float) * vertices.size(), kModeTriangles, 6);
    glBindVertexArray(0);
}
