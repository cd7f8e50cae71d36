// The members EffectTestAccess.h reaches. An explicit instantiation may name private
// members (access is not checked in its template arguments): each one below defines the
// function declared for its tag, which answers the member's pointer. Instantiated in this
// file alone, so that the program holds each instantiation once.
#include "tests/support/EffectTestAccess.h"

#include <type_traits>

namespace {

template <typename Tag, auto Member>
struct Reach {
    friend constexpr auto MemberOf(Tag) { return Member; }
};

// One tag per member, and the function its instantiation defines.
struct EffectPass {};
struct EffectHud {};
struct EffectOverlay {};
struct EffectFrameCounter {};
struct EffectCreateGraphics {};
struct PassPrograms {};
struct PassQuad {};
struct PassCreate {};
struct PassDrawWith {};
struct ProgramsVariants {};
struct ProgramsBuildInFrames {};
struct ProgramsStates {};
struct ProgramsBuilding {};
struct ProgramsStart {};
struct ProgramsFinish {};
struct ShaderVertex {};
struct ShaderFragment {};
struct HudLineProgram {};
struct HudLineBuffer {};
struct QuadVertexArray {};
struct QuadVertexBuffer {};
struct OverlayQuadProgram {};
struct OverlayQuadBuffer {};
struct OverlayTexture {};
struct OverlayReloadPending {};
struct OverlayFrameCount {};
struct OverlayFrameIndex {};
struct OverlayFrameTextures {};
struct OverlayFrameDelays {};
constexpr auto MemberOf(EffectPass);
constexpr auto MemberOf(EffectHud);
constexpr auto MemberOf(EffectOverlay);
constexpr auto MemberOf(EffectFrameCounter);
constexpr auto MemberOf(EffectCreateGraphics);
constexpr auto MemberOf(PassPrograms);
constexpr auto MemberOf(PassQuad);
constexpr auto MemberOf(PassCreate);
constexpr auto MemberOf(PassDrawWith);
constexpr auto MemberOf(ProgramsVariants);
constexpr auto MemberOf(ProgramsBuildInFrames);
constexpr auto MemberOf(ProgramsStates);
constexpr auto MemberOf(ProgramsBuilding);
constexpr auto MemberOf(ProgramsStart);
constexpr auto MemberOf(ProgramsFinish);
constexpr auto MemberOf(ShaderVertex);
constexpr auto MemberOf(ShaderFragment);
constexpr auto MemberOf(HudLineProgram);
constexpr auto MemberOf(HudLineBuffer);
constexpr auto MemberOf(QuadVertexArray);
constexpr auto MemberOf(QuadVertexBuffer);
constexpr auto MemberOf(OverlayQuadProgram);
constexpr auto MemberOf(OverlayQuadBuffer);
constexpr auto MemberOf(OverlayTexture);
constexpr auto MemberOf(OverlayReloadPending);
constexpr auto MemberOf(OverlayFrameCount);
constexpr auto MemberOf(OverlayFrameIndex);
constexpr auto MemberOf(OverlayFrameTextures);
constexpr auto MemberOf(OverlayFrameDelays);

template struct Reach<EffectPass, &ZaqVigilomatronic::pass>;
template struct Reach<EffectHud, &ZaqVigilomatronic::hud>;
template struct Reach<EffectOverlay, &ZaqVigilomatronic::overlay>;
template struct Reach<EffectFrameCounter, &ZaqVigilomatronic::frameCounter>;
template struct Reach<EffectCreateGraphics, &ZaqVigilomatronic::CreateGraphics>;
template struct Reach<PassPrograms, &ProcessingPass::programs>;
template struct Reach<PassQuad, &ProcessingPass::screenQuad>;
template struct Reach<PassCreate,
                      static_cast<bool (ProcessingPass::*)(const ShaderSource&, bool)>(&ProcessingPass::Create)>;
template struct Reach<PassDrawWith, &ProcessingPass::DrawWith>;
template struct Reach<ProgramsVariants, &ProcessingPrograms::variants>;
template struct Reach<ProgramsBuildInFrames, &ProcessingPrograms::buildInFrames>;
template struct Reach<ProgramsStates, &ProcessingPrograms::states>;
template struct Reach<ProgramsBuilding, &ProcessingPrograms::building>;
template struct Reach<ProgramsStart, &ProcessingPrograms::Start>;
template struct Reach<ProgramsFinish, &ProcessingPrograms::Finish>;
template struct Reach<ShaderVertex, &ShaderProgram::vertexShader>;
template struct Reach<ShaderFragment, &ShaderProgram::fragmentShader>;
template struct Reach<HudLineProgram, &HudRenderer::lineShader>;
template struct Reach<HudLineBuffer, &HudRenderer::lineBuffer>;
template struct Reach<QuadVertexArray, &ScreenQuad::vertexArray>;
template struct Reach<QuadVertexBuffer, &ScreenQuad::vertexBuffer>;
template struct Reach<OverlayQuadProgram, &OverlayPicture::texturedQuadShader>;
template struct Reach<OverlayQuadBuffer, &OverlayPicture::quadBuffer>;
template struct Reach<OverlayTexture, &OverlayPicture::overlayTexture>;
template struct Reach<OverlayReloadPending, &OverlayPicture::overlayReloadPending>;
template struct Reach<OverlayFrameCount, &OverlayPicture::overlayFrameCount>;
template struct Reach<OverlayFrameIndex, &OverlayPicture::overlayFrameIndex>;
template struct Reach<OverlayFrameTextures, &OverlayPicture::overlayFrameTextures>;
template struct Reach<OverlayFrameDelays, &OverlayPicture::overlayFrameDelays>;

}  // namespace

ProcessingPass& EffectTestAccess::Pass(ZaqVigilomatronic& effect) { return effect.*MemberOf(EffectPass{}); }
HudRenderer& EffectTestAccess::Hud(ZaqVigilomatronic& effect) { return effect.*MemberOf(EffectHud{}); }
OverlayPicture& EffectTestAccess::Overlay(ZaqVigilomatronic& effect) { return effect.*MemberOf(EffectOverlay{}); }
int32_t& EffectTestAccess::FrameCounter(ZaqVigilomatronic& effect) { return effect.*MemberOf(EffectFrameCounter{}); }
bool EffectTestAccess::CreateGraphics(ZaqVigilomatronic& effect, const EffectShaderSources& sources) {
    return (effect.*MemberOf(EffectCreateGraphics{}))(sources);
}

ProcessingPrograms& EffectTestAccess::Programs(ProcessingPass& pass) { return pass.*MemberOf(PassPrograms{}); }
const ScreenQuad& EffectTestAccess::Quad(const ProcessingPass& pass) { return pass.*MemberOf(PassQuad{}); }
bool EffectTestAccess::Create(ProcessingPass& pass, const ShaderSource& source, bool parallelCompile) {
    return (pass.*MemberOf(PassCreate{}))(source, parallelCompile);
}
void EffectTestAccess::DrawWith(const ProcessingPass& pass, const ProcessingProgram& program, uint32_t inputTexture,
                                uint32_t hostFramebuffer, const ProcessingUniforms& uniforms) {
    (pass.*MemberOf(PassDrawWith{}))(program, inputTexture, hostFramebuffer, uniforms);
}

const ProcessingProgram& EffectTestAccess::Variant(const ProcessingPrograms& programs,
                                                   const ProcessingVariant& variant) {
    return (programs.*MemberOf(ProgramsVariants{}))[VariantIndex(variant)];
}
bool EffectTestAccess::BuildingInFrames(const ProcessingPrograms& programs) {
    return programs.*MemberOf(ProgramsBuildInFrames{});
}

// As a frame builds, in the steps ForFrame takes, but all at once: the variant in the
// making finished first, since the programs build one at a time.
bool EffectTestAccess::BuildNow(ProcessingPrograms& programs, const ProcessingVariant& variant) {
    auto& states = programs.*MemberOf(ProgramsStates{});
    const int& building = programs.*MemberOf(ProgramsBuilding{});
    const auto start = MemberOf(ProgramsStart{});
    const auto finish = MemberOf(ProgramsFinish{});
    using State = std::remove_reference_t<decltype(states[0])>;
    const int index = VariantIndex(variant);
    if (states[index] == State::Missing && building >= 0) (programs.*finish)(building);
    if (states[index] == State::Missing) (programs.*start)(index);
    if (states[index] == State::Building) (programs.*finish)(index);
    return states[index] == State::Built;
}

uint32_t EffectTestAccess::VertexShader(const ShaderProgram& program) { return program.*MemberOf(ShaderVertex{}); }
uint32_t EffectTestAccess::FragmentShader(const ShaderProgram& program) { return program.*MemberOf(ShaderFragment{}); }

const ShaderProgram& EffectTestAccess::LineProgram(const HudRenderer& hud) { return hud.*MemberOf(HudLineProgram{}); }
const DynamicBuffer& EffectTestAccess::LineBuffer(const HudRenderer& hud) { return hud.*MemberOf(HudLineBuffer{}); }
uint32_t EffectTestAccess::VertexArray(const ScreenQuad& quad) { return quad.*MemberOf(QuadVertexArray{}); }
uint32_t EffectTestAccess::VertexBuffer(const ScreenQuad& quad) { return quad.*MemberOf(QuadVertexBuffer{}); }
const ShaderProgram& EffectTestAccess::QuadProgram(const OverlayPicture& overlay) {
    return overlay.*MemberOf(OverlayQuadProgram{});
}
const DynamicBuffer& EffectTestAccess::QuadBuffer(const OverlayPicture& overlay) {
    return overlay.*MemberOf(OverlayQuadBuffer{});
}
uint32_t EffectTestAccess::Texture(const OverlayPicture& overlay) { return overlay.*MemberOf(OverlayTexture{}); }
bool EffectTestAccess::ReloadPending(const OverlayPicture& overlay) {
    return overlay.*MemberOf(OverlayReloadPending{});
}
int32_t EffectTestAccess::FrameCount(const OverlayPicture& overlay) { return overlay.*MemberOf(OverlayFrameCount{}); }
int32_t EffectTestAccess::FrameIndex(const OverlayPicture& overlay) { return overlay.*MemberOf(OverlayFrameIndex{}); }
const std::vector<uint32_t>& EffectTestAccess::FrameTextures(const OverlayPicture& overlay) {
    return overlay.*MemberOf(OverlayFrameTextures{});
}
const std::vector<int32_t>& EffectTestAccess::FrameDelays(const OverlayPicture& overlay) {
    return overlay.*MemberOf(OverlayFrameDelays{});
}
