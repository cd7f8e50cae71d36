// The instance base: what the host tells an instance, and the virtual operations
// through which the entry point reaches it.
#pragma once

#include <cstdint>
#include <string>

#include "abi/ffgl_abi.h"
#include "host/PluginManager.h"

class CFFGLPlugin : public CFFGLPluginManager {
public:
    explicit CFFGLPlugin(bool topLeftOrientation);
    ~CFFGLPlugin() override = default;

    // Slot order of the instance interface.
    virtual uint32_t SetUpGraphics(const ffgl::ViewportRecord* viewportRecord);
    virtual uint32_t TearDownGraphics();
    virtual const char* DescribeParameterValue(uint32_t index);
    virtual uint32_t ApplyParameterValue(uint32_t index, float value);
    virtual uint32_t ApplyParameterText(uint32_t index, const char* text);
    virtual float ReadParameterValue(uint32_t index);
    virtual const char* ReadParameterText(uint32_t index);
    virtual uint32_t RenderFrame(const ffgl::ProcessingRecord* record);
    virtual uint32_t StoreHostTime(double seconds);
    virtual void StoreTempo(float bpm, float phase);
    virtual void StoreHostIdentity(const char* name, const char* version);
    virtual void StoreSampleRate(uint32_t rate);
    virtual uint32_t QueryInputStatus(uint32_t input);
    virtual const char* QueryShortName();
    virtual uint32_t OpenConnection();
    virtual uint32_t CloseConnection();
    virtual uint32_t ChangeViewport(const ffgl::ViewportRecord* viewportRecord);

    // Keeps the host's viewport; a null record leaves the last one in place.
    void StoreViewport(const ffgl::ViewportRecord* viewportRecord);

    bool connected = false;
    ffgl::ViewportRecord viewport{};
    float beatsPerMinute = 120.0f;
    float barPhase = 0.0f;
    std::string hostName;
    std::string hostVersion;
    double hostTime = 0.0;
    uint32_t sampleRate = 0;
};
