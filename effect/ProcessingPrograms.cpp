#include "effect/ProcessingPrograms.h"

namespace {

ProcessingLocations FindLocations(const ShaderProgram& shader) {
    ProcessingLocations at;
    at.inputTexture = shader.UniformLocation("InputTexture");
    at.maxUV = shader.UniformLocation("MaxUV");
    at.readArea = shader.UniformLocation("ReadArea");
    for (const ParameterRow& row : kEffectParameters)
        if (row.route == ParameterRoute::Uniform) at.parameters[row.index] = shader.UniformLocation(row.uniform);
    at.time = shader.UniformLocation("Time");
    at.scanLinePos = shader.UniformLocation("ScanLinePos");
    at.scanIntensity = shader.UniformLocation("ScanIntensity");
    at.viewportRows = shader.UniformLocation("ViewportRows");
    return at;
}

}  // namespace

bool ProcessingPrograms::Create(const ShaderSource& source, bool parallelCompile) {
    Release();
    vertexSource = source.vertex;
    fragmentSource = source.fragment;
    parallel = parallelCompile;
    if (!fragmentSource) return false;
    variantText.reserve(VariantSourceRoom(fragmentSource));
    buildInFrames = true;
    return Build(full, fragmentSource) && Build(paddedFull, FullProgramSource(fragmentSource, true).c_str());
}

void ProcessingPrograms::Release() {
    for (ProcessingProgram* program : {&full, &paddedFull}) {
        program->shader.Release();
        program->at = {};
    }
    for (ProcessingProgram& variant : variants) {
        variant.shader.Release();
        variant.at = {};
    }
    states.fill(State::Missing);
    building = -1;
}

const ProcessingProgram& ProcessingPrograms::ForFrame(const ProcessingVariant& variant) {
    const int wanted = VariantIndex(variant);
    if (building >= 0) {
        if (variants[building].shader.BuildFinished(parallel)) Finish(building);
    } else if (states[wanted] == State::Missing && buildInFrames) {
        Start(wanted);
    }
    return states[wanted] == State::Built ? variants[wanted] : Full(variant.padded);
}

const ProcessingProgram* ProcessingPrograms::Built(const ProcessingVariant& variant) const {
    const int index = VariantIndex(variant);
    return states[index] == State::Built ? &variants[index] : nullptr;
}

bool ProcessingPrograms::Start(int index) {
    WriteVariantSource(fragmentSource, VariantAt(index), &variantText);
    if (!variants[index].shader.StartBuild(vertexSource, variantText.c_str())) {
        states[index] = State::Failed;
        return false;
    }
    states[index] = State::Building;
    building = index;
    return true;
}

// A variant that fails is never tried again: the full program draws its frames.
void ProcessingPrograms::Finish(int index) {
    ProcessingProgram& variant = variants[index];
    const bool built = variant.shader.FinishBuild();
    variant.at = built ? FindLocations(variant.shader) : ProcessingLocations{};
    states[index] = built ? State::Built : State::Failed;
    if (building == index) building = -1;
}

bool ProcessingPrograms::Build(ProcessingProgram& program, const char* source) {
    if (!program.shader.Compile(vertexSource, source)) return false;
    program.at = FindLocations(program.shader);
    return true;
}
