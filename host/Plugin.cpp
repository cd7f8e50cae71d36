#include "host/Plugin.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {
// Shared by every object: the host reads at most 16 bytes before the next display call.
char displayBuffer[16];
}  // namespace

CFFGLPlugin::CFFGLPlugin(bool topLeft) : CFFGLPluginManager(topLeft) {}

uint32_t CFFGLPlugin::SetUpGraphics(const ffgl::ViewportRecord* viewportRecord) {
    StoreViewport(viewportRecord);
    return 0;
}

uint32_t CFFGLPlugin::TearDownGraphics() { return 0; }

const char* CFFGLPlugin::DescribeParameterValue(uint32_t index) {
    const ParameterRecord* record = FindParameter(index);
    if (!record) return nullptr;
    if (ffgl::IsTextType(record->type)) return ReadParameterText(index);
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%f", static_cast<double>(ReadParameterValue(index)));
    std::memset(displayBuffer, 0, sizeof displayBuffer);
    const size_t count = length < 0 ? 0 : std::min(static_cast<size_t>(length), sizeof displayBuffer);
    std::memcpy(displayBuffer, text, count);
    return displayBuffer;
}

uint32_t CFFGLPlugin::ApplyParameterValue(uint32_t, float) { return ffgl::kFailure32; }
uint32_t CFFGLPlugin::ApplyParameterText(uint32_t, const char*) { return ffgl::kFailure32; }
float CFFGLPlugin::ReadParameterValue(uint32_t) { return 0.0f; }
const char* CFFGLPlugin::ReadParameterText(uint32_t) { return nullptr; }
uint32_t CFFGLPlugin::RenderFrame(const ffgl::ProcessingRecord*) { return ffgl::kFailure32; }

uint32_t CFFGLPlugin::StoreHostTime(double seconds) {
    hostTime = seconds;
    return 0;
}

void CFFGLPlugin::StoreTempo(float bpm, float phase) {
    beatsPerMinute = bpm;
    barPhase = phase;
}

void CFFGLPlugin::StoreHostIdentity(const char* name, const char* version) {
    hostName = name ? name : "";
    hostVersion = version ? version : "";
}

void CFFGLPlugin::StoreSampleRate(uint32_t rate) { sampleRate = rate; }

uint32_t CFFGLPlugin::QueryInputStatus(uint32_t input) {
    return input < static_cast<uint32_t>(maximumInputs) ? 1u : ffgl::kFailure32;
}

const char* CFFGLPlugin::QueryShortName() { return nullptr; }
uint32_t CFFGLPlugin::OpenConnection() { return 0; }
uint32_t CFFGLPlugin::CloseConnection() { return 0; }

uint32_t CFFGLPlugin::ChangeViewport(const ffgl::ViewportRecord* viewportRecord) {
    StoreViewport(viewportRecord);
    return 0;
}

void CFFGLPlugin::StoreViewport(const ffgl::ViewportRecord* viewportRecord) {
    if (viewportRecord) viewport = *viewportRecord;
}
