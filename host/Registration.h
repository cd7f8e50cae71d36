// The plug-in's one registration: the two records the host reads (codes 0 and 13),
// the texts they point to, and the factory that makes the prototype and instances. The
// plug-in registers itself at library load; nothing here knows which plug-in it is.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "abi/ffgl_abi.h"

class CFFGLPlugin;

using InstanceFactory = uint32_t (*)(CFFGLPlugin** instance);
using InitialiseHook = uint32_t (*)();
using DeinitialiseHook = uint32_t (*)();

// What the host sees: its pointers go straight into these 72 bytes.
struct RegistrationRecords {
    ffgl::PluginInfoRecord info;
    ffgl::ExtendedInfoRecord extendedInfo;
};
static_assert(sizeof(RegistrationRecords) == 72);
static_assert(offsetof(RegistrationRecords, extendedInfo) == 32);

struct PluginRegistration {
    RegistrationRecords records;  // first, so the host's record pointers are the object's start
    std::string about;
    std::string description;
    InstanceFactory factory;
    InitialiseHook initialiseHook;
    DeinitialiseHook deinitialiseHook;
};

struct RegistrationDetails {
    InstanceFactory factory;
    const char* identifier;
    const char* name;
    uint32_t apiMajor, apiMinor;
    uint32_t pluginMajor, pluginMinor;
    uint32_t pluginType;
    const char* description;
    const char* about;
    InitialiseHook initialiseHook;
    DeinitialiseHook deinitialiseHook;
};

// Fills a registration; the name and identifier fields are zero-padded and carry no
// terminator when full.
void FillRegistration(PluginRegistration& target, const RegistrationDetails& details);
// Fills the process-wide registration and publishes it.
void RegisterPlugin(const RegistrationDetails& details);
// Null until registration has run: then the library has nothing registered.
PluginRegistration* RegisteredPlugin();

// Runs the registration's factory; null when there is none or it fails.
std::unique_ptr<CFFGLPlugin> MakeFromFactory(const PluginRegistration& registration);
