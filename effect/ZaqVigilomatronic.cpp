#include "effect/ZaqVigilomatronic.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstring>

#include "effect/Rounding.h"
#include "effect/Shaders.h"
#include "effect/hud/Clock.h"
#include "effect/hud/HudStages.h"
#include "gl/ContextLimits.h"
#include "gl/ScratchTarget.h"
#include "host/Log.h"

namespace {

// Shared by every instance: the text getter's answer, valid until the next call.
char textParameterBuffer[512];

const ffgl::TextureRecord* FirstInput(const ffgl::ProcessingRecord* record) {
    if (!record || record->inputCount < 1 || !record->inputTextures) return nullptr;
    return record->inputTextures[0];
}

// The one text parameter: the overlay picture keeps its path.
bool IsOverlayFile(uint32_t index) {
    const ParameterRow* row = FindParameter(index);
    return row && row->route == ParameterRoute::OverlayFile;
}

// Signed overflow is undefined: step through unsigned arithmetic so the counter wraps.
int32_t NextFrame(int32_t frameCounter) { return static_cast<int32_t>(static_cast<uint32_t>(frameCounter) + 1u); }

// The overlay and the HUD blend colours by their alpha, while the output's own alpha
// stays 1: a host that composites its layers must not see what lies below through them.
void BeginBlending() {
    glEnable(GL_BLEND);
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
}

}  // namespace

ZaqVigilomatronic::ZaqVigilomatronic() : CFFGLPlugin(false) {
    DeclareEffectParameters(*this);
    SetMinimumInputCount(1);
    SetMaximumInputCount(1);
}

// GL names still held here are not deleted: only the GL teardown may touch GL.
ZaqVigilomatronic::~ZaqVigilomatronic() = default;

uint32_t ZaqVigilomatronic::SetUpGraphics(const ffgl::ViewportRecord* viewportRecord) {
    if (!CreateGraphics(BuiltInShaderSources())) return ffgl::kFailure32;
    WarmUpPrograms();
    StoreViewport(viewportRecord);
    return 0;
}

bool ZaqVigilomatronic::CreateGraphics(const EffectShaderSources& sources) {
    return pass.Create(sources.processing) && hud.Create(sources.line) && overlay.Create(sources.texturedQuad);
}

// A driver finishes building a program at its first draw, for the state it meets there
// (target and texture formats, blending): with a cold shader cache on software GL that
// cost the frame of first use about a tenth of a second. Here each program set-up builds
// meets a frame's state once, the padded one with a texture whose sides are powers of two.
void ZaqVigilomatronic::WarmUpPrograms() {
    ScratchTarget scratch;
    if (!scratch.Create()) return;  // the frame of first use pays for the building instead
    const uint32_t side = ScratchTarget::kPictureSide, wide = ScratchTarget::kPowerOfTwoSide;
    const ffgl::TextureRecord picture{side, side, side, side, scratch.PictureTexture()};
    const ffgl::TextureRecord padded{side, side, wide, wide, scratch.PowerOfTwoTexture()};
    pass.WarmUp(scratch.Framebuffer(), picture, padded);
    BeginBlending();
    overlay.WarmUp();
    {
        HudFrameScope scope(hud);
        hud.SetColor(kHudBaseColor, 0.0f);
        hud.DrawLine(0.0f, 0.5f, 1.0f, 0.5f);
        hud.DrawFilledRect(0.25f, 0.25f, 0.5f, 0.5f);
    }
    scratch.Release();
}

uint32_t ZaqVigilomatronic::TearDownGraphics() {
    pass.Release();
    hud.Release();
    overlay.Release();
    return 0;
}

uint32_t ZaqVigilomatronic::ApplyParameterValue(uint32_t index, float value) {
    return parameters.Apply(index, value) ? 0 : ffgl::kFailure32;
}

uint32_t ZaqVigilomatronic::ApplyParameterText(uint32_t index, const char* text) {
    if (!IsOverlayFile(index)) return ffgl::kFailure32;
    overlay.SetPath(text);
    return 0;
}

float ZaqVigilomatronic::ReadParameterValue(uint32_t index) { return parameters.Read(index); }

const char* ZaqVigilomatronic::ReadParameterText(uint32_t index) {
    if (!IsOverlayFile(index)) return nullptr;
    const std::string& path = overlay.Path();
    const size_t count = std::min(path.size(), sizeof textParameterBuffer - 1);
    std::memcpy(textParameterBuffer, path.data(), count);
    textParameterBuffer[count] = '\0';
    textParameterBuffer[sizeof textParameterBuffer - 1] = '\0';
    return textParameterBuffer;
}

// One frame: the processing pass over the whole viewport, then, blended on top, the
// overlay picture and the HUD stages in fixed order.
uint32_t ZaqVigilomatronic::RenderFrame(const ffgl::ProcessingRecord* record) {
    const ffgl::TextureRecord* input = FirstInput(record);
    if (!input) return ffgl::kFailure32;
    frameCounter = NextFrame(frameCounter);

    AdvanceOverlayAnimation();
    NoteDrawnSize(*input);
    overlay.Update(OutputSide());

    const FrameValues frame = ComputeFrameValues(frameCounter, parameters.Read(kParamScanLine));
    char line[256];
    if (FormatFirstFrameLine(line, sizeof line, frameCounter, *input, pass.ProgramHandle(), record->hostFbo))
        LogMessage(line);
    pass.Draw(input->handle, record->hostFbo, ComputeProcessingUniforms(frame, *input, parameters));

    BeginBlending();
    DrawOverlay();
    DrawHud(frame);
    glDisable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);  // the factors hosts find after a frame
    glLineWidth(1.0f);
    return 0;
}

void ZaqVigilomatronic::NoteDrawnSize(const ffgl::TextureRecord& input) {
    const uint32_t key[4] = {viewport.width, viewport.height, input.width, input.height};
    if (drawnSide > 0 && std::equal(std::begin(key), std::end(key), std::begin(drawnSizeKey))) return;
    std::copy(std::begin(key), std::end(key), std::begin(drawnSizeKey));
    const ViewportSize inForce = CurrentViewportSize();
    const uint32_t longest = std::max(
        {key[0], key[1], key[2], key[3], static_cast<uint32_t>(inForce.width), static_cast<uint32_t>(inForce.height)});
    drawnSide = static_cast<int>(std::min<uint32_t>(longest, 1u << 16));
}

// The clock is read only for a frame that shows it.
void ZaqVigilomatronic::DrawHud(const FrameValues& frame) {
    HudFrameScope scope(hud);
    const EffectParameters& p = parameters;
    const bool info = IsOn(p.Read(kParamShowInfo));
    DrawHudStages(
        hud, {UnitLevel(p.Read(kParamHudOpacity)), UnitLevel(p.Read(kParamHueShift)), IsOn(p.Read(kParamCorners)),
              RoundOption(p.Read(kParamGrid)), frame.scanMode, frame.scanPosition, RoundOption(p.Read(kParamCrosshair)),
              info, frameCounter, info ? SystemLocalTime() : std::nullopt});
}
