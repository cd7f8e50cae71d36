// One frame: the processing pass over the whole viewport, then, blended on top, the
// overlay picture and the HUD stages in fixed order.
#include <GL/glew.h>

#include <string>

#include "effect/ProcessingPass.h"
#include "effect/RotateHue.h"
#include "effect/Rounding.h"
#include "effect/ZaqVigilomatronic.h"
#include "gl/Scoped.h"
#include "host/Log.h"

namespace {

struct HudColor {
    float r = 0.0f;
    float g = 1.0f;
    float b = 0.533f;
};

// Each stage sets its own colour; a skipped stage sets nothing.
void SetColor(HudBatch& batch, int32_t location, const HudColor& color, float alpha) {
    batch.SetColor(location, color.r, color.g, color.b, alpha);
}

const ffgl::TextureRecord* FirstInput(const ffgl::ProcessingRecord* record) {
    if (!record || record->inputCount < 1 || !record->inputTextures) return nullptr;
    return record->inputTextures[0];
}

// Signed overflow is undefined: step through unsigned arithmetic so the counter wraps.
int32_t NextFrame(int32_t frameCounter) { return static_cast<int32_t>(static_cast<uint32_t>(frameCounter) + 1u); }

}  // namespace

uint32_t ZaqVigilomatronic::RenderFrame(const ffgl::ProcessingRecord* record) {
    const ffgl::TextureRecord* input = FirstInput(record);
    if (!input) return ffgl::kFailure32;
    frameCounter = NextFrame(frameCounter);

    AdvanceOverlayAnimation();
    if (overlayReloadPending && !overlayPath.empty()) {
        LoadOverlay(overlayPath);  // it copies the path before releasing the old overlay
        overlayReloadPending = false;
    }

    const FrameValues frame = ComputeFrameValues(frameCounter, scanLineMode);
    char line[256];
    if (FormatFirstFrameLine(line, sizeof line, frameCounter, *input, processingShader.ProgramHandle(),
                             record->hostFbo))
        LogMessage(line);
    const ProcessingParameters parameters{colorMode, scanLineMode, noiseAmount, glitchAmount};
    const ProcessingUniforms uniforms = ComputeProcessingUniforms(frame, *input, parameters);
    if (NeedsFullProcessing(uniforms))
        DrawProcessingPass(processingShader, processingLocations, screenQuad, input->handle, record->hostFbo, uniforms);
    else
        DrawProcessingPass(plainProcessingShader, plainProcessingLocations, screenQuad, input->handle, record->hostFbo,
                           uniforms);

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    DrawOverlay();
    DrawHud(frame);
    glDisable(GL_BLEND);
    glLineWidth(1.0f);
    return 0;
}

void ZaqVigilomatronic::DrawHud(const FrameValues& frame) {
    ScopedProgramUse programScope(lineShader.ProgramHandle());
    const int32_t colorLocation = hudColorLocation;
    ScopedVertexArrayBinding arrayScope(lineVertexArray);

    HudColor color;
    RotateHue(color.r, color.g, color.b, hueShift);
    // The stages are recorded and sent with one upload when the batch closes.
    if (hudBatching) hudBatch.Open();

    if (IsOn(cornersOn)) {
        SetColor(hudBatch, colorLocation, color, hudOpacity * 1.0f);
        hudBatch.SetLineWidth(2.0f);
        DrawCornerBrackets();
    }
    if (const int grid = RoundOption(gridStyle); grid > 0) {
        SetColor(hudBatch, colorLocation, color, hudOpacity * 0.3f);
        DrawGrid(grid - 1);
    }
    if (frame.scanMode > 0) {
        SetColor(hudBatch, colorLocation, color, hudOpacity * 0.8f);
        hudBatch.SetLineWidth(1.5f);
        DrawScanSweep(frame.scanMode, frame.scanPosition, frameCounter);
    }
    if (const int crosshair = RoundOption(crosshairStyle); crosshair > 0) {
        SetColor(hudBatch, colorLocation, color, hudOpacity * 1.0f);
        DrawCrosshair(crosshair - 1);
    }
    if (IsOn(showInfo)) DrawInfoBlock(color.r, color.g, color.b, colorLocation);
    hudBatch.Close();
    // The scopes end in reverse order: vertex array 0, then no program.
}
