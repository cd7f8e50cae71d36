// The surveillance effect: parameters, GL objects, overlay state and the frame counter.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "effect/HudBatch.h"
#include "effect/ProcessingPass.h"
#include "gl/ScreenQuad.h"
#include "gl/ShaderProgram.h"
#include "host/Plugin.h"

enum ParameterIndex : uint32_t {
    kParamColorMode = 0,
    kParamHudOpacity = 1,
    kParamCrosshair = 2,
    kParamCorners = 3,
    kParamScanLine = 4,
    kParamGrid = 5,
    kParamShowInfo = 6,
    kParamNoise = 7,
    kParamGlitch = 8,
    kParamOverlayImage = 9,
    kParamHueShift = 10,
};

class ZaqVigilomatronic : public CFFGLPlugin {
public:
    ZaqVigilomatronic();
    ~ZaqVigilomatronic() override;

    uint32_t SetUpGraphics(const ffgl::ViewportRecord* viewportRecord) override;
    uint32_t TearDownGraphics() override;
    uint32_t ApplyParameterValue(uint32_t index, float value) override;
    uint32_t ApplyParameterText(uint32_t index, const char* text) override;
    float ReadParameterValue(uint32_t index) override;
    const char* ReadParameterText(uint32_t index) override;
    uint32_t RenderFrame(const ffgl::ProcessingRecord* record) override;

    // Overlay (overlay/).
    void LoadOverlay(const std::string& path);
    void LoadGifOverlay(const std::string& path);
    void ReleaseOverlay();
    void AdvanceOverlayAnimation();
    uint32_t CurrentOverlayTexture() const;
    void DrawOverlay();

    // HUD primitives and elements (effect/); the line shader, its colour and the line
    // vertex array are current when these run.
    void DrawLine(float x1, float y1, float x2, float y2);
    void DrawFilledRect(float x, float y, float width, float height);
    void DrawCircle(float cx, float cy, float radius, int segments);
    void DrawCrosshair(int style);
    void DrawGrid(int style);
    void DrawCornerBrackets();
    void DrawScanSweep(int mode, float scanPosition, int32_t frameCounter);
    void DrawGlyph(unsigned char code, float x, float y, float size);
    void DrawText(const char* text, float x, float y, float size);
    // The last HUD stage: REC sign, clock and captions, in the frame's HUD colour.
    void DrawInfoBlock(float hudRed, float hudGreen, float hudBlue, int32_t colorLocation);

    ShaderProgram processingShader;
    ShaderProgram lineShader;
    int32_t hudColorLocation = -1;  // the line program's "Color", found at set-up
    ShaderProgram texturedQuadShader;
    // The processing pass for frames with every feature off (see NeedsFullProcessing).
    ShaderProgram plainProcessingShader;
    ProcessingLocations processingLocations;
    ProcessingLocations plainProcessingLocations;
    ScreenQuad screenQuad;
    uint32_t lineVertexArray = 0;
    uint32_t lineVertexBuffer = 0;
    uint32_t quadVertexArray = 0;
    uint32_t quadVertexBuffer = 0;
    // The HUD's way to the line buffer; the frame batches it unless a test asks for the
    // per-primitive drawing that the batched frame must reproduce.
    HudBatch hudBatch;
    bool hudBatching = true;

    uint32_t overlayTexture = 0;
    int32_t overlayWidth = 0;
    int32_t overlayHeight = 0;
    std::string overlayPath;
    bool overlayReloadPending = false;
    int32_t overlayFrameCount = 0;
    std::vector<uint32_t> overlayFrameTextures;
    std::vector<int32_t> overlayFrameDelays;
    int32_t overlayFrameIndex = 0;
    float overlayFrameTime = 0.0f;

    float colorMode = 0.0f;
    float hudOpacity = 1.0f;
    float crosshairStyle = 0.0f;
    float cornersOn = 1.0f;
    float scanLineMode = 0.0f;
    float gridStyle = 0.0f;
    float showInfo = 1.0f;
    float noiseAmount = 0.0f;
    float glitchAmount = 0.0f;
    float hueShift = 0.0f;
    int32_t frameCounter = 0;

private:
    // The HUD stages of a frame, blended over the processed picture (effect/FrameComposition.cpp).
    void DrawHud(const FrameValues& frame);
};
