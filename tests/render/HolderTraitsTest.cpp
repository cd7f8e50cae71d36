// Every holder of GL names is their one owner: it can be neither copied, which would
// delete the same names twice, nor moved, which no caller needs. The compiler checks it.
#include <type_traits>

#include "effect/ProcessingPass.h"
#include "effect/ZaqVigilomatronic.h"
#include "effect/hud/HudRenderer.h"
#include "gl/DynamicBuffer.h"
#include "gl/Scoped.h"
#include "gl/ScratchTarget.h"
#include "gl/ScreenQuad.h"
#include "gl/ShaderProgram.h"
#include "overlay/drawing/OverlayPicture.h"

namespace {

template <typename Holder>
constexpr bool kOneOwner = !std::is_copy_constructible_v<Holder> && !std::is_copy_assignable_v<Holder> &&
                           !std::is_move_constructible_v<Holder> && !std::is_move_assignable_v<Holder>;

static_assert(kOneOwner<ShaderProgram>);
static_assert(kOneOwner<ScreenQuad>);
static_assert(kOneOwner<DynamicBuffer>);
static_assert(kOneOwner<ProcessingPass>);
static_assert(kOneOwner<HudRenderer>);
static_assert(kOneOwner<OverlayPicture>);
static_assert(kOneOwner<ScratchTarget>);
static_assert(kOneOwner<ZaqVigilomatronic>);
// Scopes end a binding once.
static_assert(kOneOwner<HudFrameScope>);
static_assert(kOneOwner<ScopedProgramUse>);
static_assert(kOneOwner<ScopedVertexArrayBinding>);
static_assert(kOneOwner<ffglex::Scoped2DTextureBinding>);

}  // namespace
