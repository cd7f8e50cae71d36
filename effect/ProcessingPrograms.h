// The processing programs of one instance. The full program, built and warmed at set-up,
// can draw any frame; a variant (ProcessingVariant.h) draws the same pixels for less, so
// each variant a frame asks for is built while frames go on, and used from the first
// frame it is ready. Until then the full program draws.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "effect/EffectParameters.h"
#include "effect/ProcessingVariant.h"
#include "gl/ShaderProgram.h"

// Where a processing program takes its uniforms, found once after it is linked rather
// than every frame. A uniform the program lacks is -1, which GL ignores.
struct ProcessingLocations {
    int32_t inputTexture = -1;
    int32_t maxUV = -1;
    int32_t readArea = -1;
    // By parameter index: the uniforms of the rows routed to one (ParameterRoute::Uniform).
    std::array<int32_t, kParameterCount> parameters = NoLocations();
    int32_t time = -1;
    int32_t scanLinePos = -1;
    int32_t scanIntensity = -1;
    int32_t viewportRows = -1;

    static constexpr std::array<int32_t, kParameterCount> NoLocations() {
        std::array<int32_t, kParameterCount> none{};
        none.fill(-1);
        return none;
    }
};

struct ProcessingProgram {
    ShaderProgram shader;
    ProcessingLocations at;
};

class ProcessingPrograms {
public:
    ProcessingPrograms() = default;
    // Makes no GL call: the names are freed by Release, while the context is current.
    ~ProcessingPrograms() = default;
    ProcessingPrograms(const ProcessingPrograms&) = delete;
    ProcessingPrograms& operator=(const ProcessingPrograms&) = delete;

    // Builds the full program and its padded form, waiting for each. `parallelCompile`:
    // the context compiles on threads of its own, so a variant in the making is polled
    // rather than waited for.
    bool Create(const ShaderSource& source, bool parallelCompile);
    void Release();

    // The program for a frame that wants `variant`: the variant once it is built, the
    // full program until then. Takes one step of building at most: finishes the variant
    // in the making when the driver is done with it, or else starts the one wanted.
    const ProcessingProgram& ForFrame(const ProcessingVariant& variant);
    // Whether frames start building variants they want (on after Create). Off, they
    // draw with the variants built so far and the full program.
    void SetBuildingInFrames(bool on) { buildInFrames = on; }

    const ProcessingProgram& Full(bool padded) const { return padded ? paddedFull : full; }
    // The variant when it is built, otherwise null.
    const ProcessingProgram* Built(const ProcessingVariant& variant) const;
    // Whether a variant is in the making.
    bool Building() const { return building >= 0; }

private:
    enum class State : uint8_t { Missing, Building, Built, Failed };

    bool Start(int index);
    void Finish(int index);
    bool Build(ProcessingProgram& program, const char* fragmentSource);

    const char* vertexSource = nullptr;
    const char* fragmentSource = nullptr;
    bool parallel = false;
    bool buildInFrames = true;
    std::string variantText;  // room for any variant's source, reserved at set-up
    ProcessingProgram full;
    ProcessingProgram paddedFull;
    std::array<ProcessingProgram, kProcessingVariantCount> variants;
    std::array<State, kProcessingVariantCount> states{};
    int building = -1;  // the variant in the making
};
