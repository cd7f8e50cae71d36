// The host side of the FFGL wire: turns plugMain calls into typed calls with plain
// results and readable errors. It knows only abi/ffgl_abi.h, never the plug-in's code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "abi/ffgl_abi.h"
#include "tools/hostkit/PluginDescription.h"
#include "tools/hostkit/PluginLibrary.h"

class PluginClient : public CallRoute {
public:
    PluginClient() = default;
    ~PluginClient() override;
    PluginClient(const PluginClient&) = delete;
    PluginClient& operator=(const PluginClient&) = delete;

    // Loads the library, routes its log lines to standard error and runs the global
    // initialisation; false with a reason when any of it fails.
    bool Open(const std::string& path, std::string* error);
    // Global de-initialisation, then unloads. Instances must be gone by now.
    void Close();

    const std::string& FileName() const { return fileName; }

    bool ReadInfo(PluginInfo* info, std::string* error);
    bool ReadExtendedInfo(ExtendedInfo* info, std::string* error);
    // The raw 32-bit answer; kFailure32 when the plug-in refuses the question.
    uint32_t Capability(uint32_t capability);
    bool ReadParameters(std::vector<ParameterInfo>* parameters, std::string* error);
    bool ReadThumbnail(ThumbnailWords* thumbnail, std::string* error);

    // Instance calls; they need the host's GL context current.
    void* Instantiate(int width, int height, std::string* error);
    bool SetParameterValue(void* instance, uint32_t index, float value);
    bool SetParameterText(void* instance, uint32_t index, const std::string& text);
    bool ProcessFrame(void* instance, const ffgl::ProcessingRecord& record);
    // A text or file parameter's text as the plug-in reads it back (code 9).
    std::string ParameterText(void* instance, uint32_t index);

    // Every line the plug-in has logged so far, without its line end.
    static const std::vector<std::string>& LoggedLines();
    // Whether its lines also go to standard error (they do unless told otherwise).
    static void EchoLog(bool echo);
    void Deinstantiate(void* instance);

    // plugMain itself, for hosts that pass records of their own making.
    uint64_t Call(uint32_t code, uint64_t input, void* instance = nullptr);
    uint64_t Call(uint32_t code, uint64_t input, void* instance, const std::string&) override {
        return Call(code, input, instance);
    }

private:
    bool ReadParameter(uint32_t index, ParameterInfo* parameter, std::string* error);

    PluginLibrary library;
    std::string fileName;
    bool initialised = false;
};
