#include "effect/GraphicsSetup.h"

#include "effect/Shaders.h"
#include "effect/ZaqVigilomatronic.h"
#include "gl/DynamicBuffers.h"
#include "host/Log.h"

EffectShaderSources BuiltInShaderSources() {
    return {{kProcessingVertexSource, kProcessingFragmentSource},
            {kLineVertexSource, kLineFragmentSource},
            {kQuadVertexSource, kQuadFragmentSource}};
}

bool CompileEffectPrograms(const EffectShaderSources& sources, ShaderProgram& processing, ShaderProgram& line,
                           ShaderProgram& texturedQuad) {
    if (!processing.Compile(sources.processing.vertex, sources.processing.fragment)) {
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

uint32_t ZaqVigilomatronic::SetUpGraphics(const ffgl::ViewportRecord* viewportRecord) {
    if (!CompileEffectPrograms(BuiltInShaderSources(), processingShader, lineShader, texturedQuadShader))
        return ffgl::kFailure32;
    if (!plainProcessingShader.Compile(kProcessingVertexSource, kPlainProcessingFragmentSource)) {
        LogMessage("Failed to compile processing shader");
        return ffgl::kFailure32;
    }
    if (!screenQuad.Create()) return ffgl::kFailure32;
    // Large enough for the whole HUD of a frame, which goes up in one piece.
    CreateLineBuffer(lineVertexArray, lineVertexBuffer, HudLineBufferBytes());
    hudBatch.Allocate(lineVertexBuffer);
    CreateQuadBuffer(quadVertexArray, quadVertexBuffer);
    if (viewportRecord) viewport = *viewportRecord;
    return 0;
}

uint32_t ZaqVigilomatronic::TearDownGraphics() {
    processingShader.Release();
    plainProcessingShader.Release();
    lineShader.Release();
    texturedQuadShader.Release();
    screenQuad.Release();
    ReleaseDynamicBuffer(lineVertexArray, lineVertexBuffer);
    hudBatch.Release();
    ReleaseDynamicBuffer(quadVertexArray, quadVertexBuffer);
    ReleaseOverlay();
    return 0;
}
