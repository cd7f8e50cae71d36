// The surveillance effect: the plug-in object the host drives. It answers the host's
// calls and composes each frame from its components: the parameters, the processing
// pass, the HUD and the overlay picture, each owning its own GL names.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "effect/EffectParameters.h"
#include "effect/ProcessingPass.h"
#include "effect/hud/HudRenderer.h"
#include "host/Plugin.h"
#include "overlay/drawing/OverlayPicture.h"

struct EffectShaderSources;

class ZaqVigilomatronic : public CFFGLPlugin {
public:
    ZaqVigilomatronic();
    ~ZaqVigilomatronic() override;
    ZaqVigilomatronic(const ZaqVigilomatronic&) = delete;
    ZaqVigilomatronic& operator=(const ZaqVigilomatronic&) = delete;

    uint32_t SetUpGraphics(const ffgl::ViewportRecord* viewportRecord) override;
    uint32_t TearDownGraphics() override;
    uint32_t ApplyParameterValue(uint32_t index, float value) override;
    uint32_t ApplyParameterText(uint32_t index, const char* text) override;
    float ReadParameterValue(uint32_t index) override;
    const char* ReadParameterText(uint32_t index) override;
    uint32_t RenderFrame(const ffgl::ProcessingRecord* record) override;

    // The overlay picture. Loading runs on the loading threads every instance shares; the
    // frames that follow upload the picture and show it once it is all there.
    void LoadOverlay(const std::string& path) { overlay.Load(path, OutputSide()); }
    void ReleaseOverlay() { overlay.ReleasePicture(); }
    void AdvanceOverlayAnimation() { overlay.Advance(); }
    uint32_t CurrentOverlayTexture() const { return overlay.CurrentTexture(); }
    void DrawOverlay() const { overlay.Draw(); }

    // HUD primitives and elements, in HUD space.
    void DrawLine(float x1, float y1, float x2, float y2) { hud.DrawLine(x1, y1, x2, y2); }
    void DrawFilledRect(float x, float y, float width, float height) { hud.DrawFilledRect(x, y, width, height); }
    void DrawCircle(float cx, float cy, float radius, int segments) { hud.DrawCircle(cx, cy, radius, segments); }
    void DrawCrosshair(int style) { hud.DrawCrosshair(style); }
    void DrawGrid(int style) { hud.DrawGrid(style); }
    void DrawCornerBrackets() { hud.DrawCornerBrackets(); }
    void DrawScanSweep(int mode, float position, int32_t frame) { hud.DrawScanSweep(mode, position, frame); }
    void DrawGlyph(unsigned char code, float x, float y, float size) { hud.DrawGlyph(code, x, y, size); }
    void DrawText(const char* text, float x, float y, float size) { hud.DrawText(text, x, y, size); }

private:
    // Creates the pass, the HUD and the overlay in that order; the first failure ends it.
    bool CreateGraphics(const EffectShaderSources& sources);
    // The longer side of what frames are drawn into, as far as it is known: what overlay
    // textures are sized for.
    int OutputSide() const { return std::max(drawnSide, static_cast<int>(std::max(viewport.width, viewport.height))); }
    // Takes in what a frame shows of the output's size: the host's viewport record, the
    // input picture, and the viewport in force, read again only when one of the first
    // two changes. A host's stale or tiny record then never blurs the overlay.
    void NoteDrawnSize(const ffgl::TextureRecord& input);
    // Draws with every program once, out of sight, so that the driver builds them now
    // and not in the frame that first needs one.
    void WarmUpPrograms();
    // The HUD stages of a frame, blended over the processed picture.
    void DrawHud(const FrameValues& frame);

    EffectParameters parameters;
    ProcessingPass pass;
    HudRenderer hud;
    OverlayPicture overlay;
    int32_t frameCounter = 0;       // frames processed; every animation counts them at 60 a second
    int drawnSide = 0;              // the longer side frames were last seen to draw into
    uint32_t drawnSizeKey[4] = {};  // record width and height, input width and height, when read
};
