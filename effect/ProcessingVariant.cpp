#include "effect/ProcessingVariant.h"

#include <cstring>

namespace {

const char* const kColorModes[] = {"#define COLOR_MODE 0\n", "#define COLOR_MODE 1\n", "#define COLOR_MODE 2\n",
                                   "#define COLOR_MODE 3\n"};
const char* const kGlitch[] = {"#define GLITCH false\n", "#define GLITCH true\n"};
const char* const kNoise[] = {"#define NOISE false\n", "#define NOISE true\n"};
const char* const kScanGlow[] = {"#define SCAN_GLOW false\n", "#define SCAN_GLOW true\n"};
const char* const kReadWithinPicture = "#define READ_WITHIN_PICTURE\n";

// Where the definitions go: after the first line, since #version must come first.
size_t BodyStart(const char* source) {
    const char* end = std::strchr(source, '\n');
    return end ? static_cast<size_t>(end - source) + 1 : std::strlen(source);
}

}  // namespace

ProcessingVariant VariantFor(const ProcessingUniforms& uniforms) {
    ProcessingVariant variant;
    const int32_t colorMode = uniforms.parameters[kParamColorMode].whole;
    variant.colorMode = colorMode >= 1 && colorMode <= 3 ? colorMode : 0;
    variant.glitch = uniforms.parameters[kParamGlitch].level > 0.001f;
    variant.noise = uniforms.parameters[kParamNoise].level > 0.001f;
    variant.scanGlow = uniforms.scanIntensity > 0.001f;
    variant.padded = IsPadded(uniforms.readArea);
    return variant;
}

int VariantIndex(const ProcessingVariant& variant) {
    return (variant.colorMode & 3) | (variant.glitch ? 4 : 0) | (variant.noise ? 8 : 0) | (variant.scanGlow ? 16 : 0) |
           (variant.padded ? 32 : 0);
}

ProcessingVariant VariantAt(int index) {
    return {index & 3, (index & 4) != 0, (index & 8) != 0, (index & 16) != 0, (index & 32) != 0};
}

size_t VariantSourceRoom(const char* source) {
    return std::strlen(source) + std::strlen(kColorModes[0]) + std::strlen(kGlitch[0]) + std::strlen(kNoise[0]) +
           std::strlen(kScanGlow[0]) + std::strlen(kReadWithinPicture);
}

void WriteVariantSource(const char* source, const ProcessingVariant& variant, std::string* text) {
    const size_t body = BodyStart(source);
    text->assign(source, body);
    text->append(kColorModes[variant.colorMode & 3]);
    text->append(kGlitch[variant.glitch]);
    text->append(kNoise[variant.noise]);
    text->append(kScanGlow[variant.scanGlow]);
    if (variant.padded) text->append(kReadWithinPicture);
    text->append(source + body);
}

std::string FullProgramSource(const char* source, bool padded) {
    const size_t body = BodyStart(source);
    return std::string(source, body) + (padded ? kReadWithinPicture : "") + (source + body);
}
