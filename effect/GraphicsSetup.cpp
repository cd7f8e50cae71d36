#include "effect/GraphicsSetup.h"

#include "effect/Shaders.h"
#include "effect/ZaqVigilomatronic.h"
#include "gl/DynamicBuffers.h"
#include "gl/Scoped.h"
#include "gl/ShaderProgram.h"
#include "host/Log.h"

EffectShaderSources BuiltInShaderSources() {
    return {{kProcessingVertexSource, kProcessingFragmentSource},
            {kProcessingVertexSource, kPlainProcessingFragmentSource},
            {kLineVertexSource, kLineFragmentSource},
            {kQuadVertexSource, kQuadFragmentSource}};
}

bool CompileEffectPrograms(const EffectShaderSources& sources, ShaderProgram& processing,
                           ShaderProgram& plainProcessing, ShaderProgram& line, ShaderProgram& texturedQuad) {
    // Both processing programs are the one processing pass to hosts and users.
    if (!processing.Compile(sources.processing.vertex, sources.processing.fragment) ||
        !plainProcessing.Compile(sources.plainProcessing.vertex, sources.plainProcessing.fragment)) {
        LogMessage("Failed to compile processing shader");
        return false;
    }
    // The line program's message names the overlay: hosts and users know it by that text.
    if (!line.Compile(sources.line.vertex, sources.line.fragment)) {
        LogMessage("Failed to compile overlay shader");
        return false;
    }
    if (!texturedQuad.Compile(sources.texturedQuad.vertex, sources.texturedQuad.fragment)) {
        LogMessage("Failed to compile textured quad shader");
        return false;
    }
    return true;
}

namespace {

// The program keeps these: they never change, so no frame sets them again.
void SetOverlayUniforms(const ShaderProgram& texturedQuad) {
    ScopedProgramUse program(texturedQuad.ProgramHandle());
    texturedQuad.SetInt("OverlayTexture", 0);
    // The overlay keeps its own alpha: the HUD opacity does not reach it.
    texturedQuad.SetFloat("Alpha", 1.0f);
}

}  // namespace

uint32_t ZaqVigilomatronic::SetUpGraphics(const ffgl::ViewportRecord* viewportRecord) {
    if (!CompileEffectPrograms(BuiltInShaderSources(), processingShader, plainProcessingShader, lineShader,
                               texturedQuadShader))
        return ffgl::kFailure32;
    SetOverlayUniforms(texturedQuadShader);
    hudColorLocation = lineShader.UniformLocation("Color");
    processingLocations = FindProcessingLocations(processingShader);
    plainProcessingLocations = FindProcessingLocations(plainProcessingShader);
    if (!screenQuad.Create()) return ffgl::kFailure32;
    // Large enough for the whole HUD of a frame, which goes up in one piece.
    CreateLineBuffer(lineVertexArray, lineVertexBuffer, HudLineBufferBytes());
    hudBatch.Allocate(lineVertexBuffer);
    CreateQuadBuffer(quadVertexArray, quadVertexBuffer);
    StoreViewport(viewportRecord);
    return 0;
}

uint32_t ZaqVigilomatronic::TearDownGraphics() {
    processingShader.Release();
    plainProcessingShader.Release();
    processingLocations = {};
    plainProcessingLocations = {};
    lineShader.Release();
    hudColorLocation = -1;
    texturedQuadShader.Release();
    screenQuad.Release();
    ReleaseDynamicBuffer(lineVertexArray, lineVertexBuffer);
    hudBatch.Release();
    ReleaseDynamicBuffer(quadVertexArray, quadVertexBuffer);
    ReleaseOverlay();
    return 0;
}
