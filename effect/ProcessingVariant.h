// Which processing program a frame draws with. The processing shader tests each feature
// against its uniform in every pixel, and software GL pays for every feature so tested,
// switched on or not. A variant is the same source with those tests fixed at compile
// time to what the frame uses; the amounts stay uniforms, so one variant serves every
// amount of its features.
#pragma once

#include <string>

#include "effect/ProcessingValues.h"

struct ProcessingVariant {
    int colorMode = 0;  // 1 night vision, 2 thermal, 3 negative; 0 for every other value
    bool glitch = false;
    bool noise = false;
    bool scanGlow = false;
    bool padded = false;  // every read held within the picture

    bool operator==(const ProcessingVariant&) const = default;
};

constexpr int kProcessingVariantCount = 4 * 2 * 2 * 2 * 2;

// The variant whose pixels are the full shader's for these uniforms: the shader's own tests.
ProcessingVariant VariantFor(const ProcessingUniforms& uniforms);

// A number from 0 to kProcessingVariantCount - 1 for each variant, and back.
int VariantIndex(const ProcessingVariant& variant);
ProcessingVariant VariantAt(int index);

// The processing source with the variant's switches defined after its #version line,
// written into `text`: it makes no allocation when `text` has room (VariantSourceRoom).
void WriteVariantSource(const char* source, const ProcessingVariant& variant, std::string* text);
size_t VariantSourceRoom(const char* source);

// The full program's source, with every read held within the picture when padded.
std::string FullProgramSource(const char* source, bool padded);
