// The first drawing step of a frame: the input picture through the processing shader
// over the whole viewport. It owns the processing programs and the full-screen quad
// they draw.
#pragma once

#include <cstdint>

#include "effect/ProcessingPrograms.h"
#include "effect/ProcessingValues.h"
#include "gl/ScreenQuad.h"

class ProcessingPass {
public:
    ProcessingPass() = default;
    // Makes no GL call: the names are freed by Release, while the context is current.
    ~ProcessingPass() = default;
    ProcessingPass(const ProcessingPass&) = delete;
    ProcessingPass& operator=(const ProcessingPass&) = delete;

    // Builds the programs set-up needs and makes the quad; variants are built while
    // frames go on, on the driver's own threads where the context offers them. A failed
    // build sends its one message to the host's log; hosts know the programs as one pass.
    bool Create(const ShaderSource& source);
    void Release();

    // Binds the host's framebuffer and draws with the program the uniforms want, the
    // full program while their variant is being built; program, texture unit and texture
    // binding are back at their defaults afterwards.
    void Draw(uint32_t inputTexture, uint32_t hostFramebuffer, const ProcessingUniforms& uniforms);

    // At set-up, out of sight: draws each full program once into `framebuffer`, from a
    // picture and from a padded picture, so that the driver finishes building them now,
    // then builds the plain variant (every feature off) as a frame builds any variant,
    // timing each step on this thread. A step that costs tens of milliseconds means the
    // driver compiles at first use on the calling thread with nothing cached (llvmpipe
    // with its shader cache off): frames then keep the full program for what is not
    // built, rather than stall.
    void WarmUp(uint32_t framebuffer, const ffgl::TextureRecord& picture, const ffgl::TextureRecord& padded);

    // The full program, the one the first frames' log line names.
    uint32_t ProgramHandle() const { return programs.Full(false).shader.ProgramHandle(); }

private:
    // `parallelCompile`: the context compiles on threads of its own (ProcessingPrograms).
    bool Create(const ShaderSource& source, bool parallelCompile);
    void DrawWith(const ProcessingProgram& program, uint32_t inputTexture, uint32_t hostFramebuffer,
                  const ProcessingUniforms& uniforms) const;

    ProcessingPrograms programs;
    ScreenQuad screenQuad;
};
