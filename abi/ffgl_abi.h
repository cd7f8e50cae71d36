// The FFGL 2.1 wire interface between a host and a plug-in library: function codes,
// result codes, parameter type codes, capability numbers and the records passed by
// pointer. Shared by the plug-in, the headless host and the tests; 64-bit little-endian
// layouts, checked below with static_assert.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ffgl {

// --- results -------------------------------------------------------------------------
constexpr uint64_t kSuccess = 0;
constexpr uint64_t kFailure = 0xFFFFFFFFu;  // the 32-bit failure code, upper half zero
constexpr uint32_t kFailure32 = 0xFFFFFFFFu;

// --- function codes ------------------------------------------------------------------
enum FunctionCode : uint32_t {
    kGetInfo = 0,
    kDeinitialise = 2,
    kGetParameterCount = 4,
    kGetParameterName = 5,
    kGetParameterDefault = 6,
    kGetParameterDisplay = 7,
    kSetParameter = 8,
    kGetParameter = 9,
    kGetCapability = 10,
    kGetExtendedInfo = 13,
    kGetParameterType = 15,
    kGetInputStatus = 16,
    kProcessFrame = 17,
    kInstantiate = 18,
    kDeinstantiate = 19,
    kSetTime = 20,
    kConnect = 21,
    kDisconnect = 22,
    kResize = 23,
    kGetElementCount = 31,
    kGetHintCode = 32,
    kGetShortName = 33,
    kInitialise = 34,
    kGetElementName = 35,
    kGetElementValue = 36,
    kSetElementValue = 37,
    kSetTempo = 38,
    kSetHostIdentity = 39,
    kSetSampleRate = 40,
    kGetRange = 41,
    kGetThumbnail = 42,
    kGetExtensionCount = 43,
    kGetExtension = 44,
    kGetVisibility = 45,
    kGetParameterEvents = 46,
    kGetAuxiliaryCount = 47,
    kGetAuxiliaryEntry = 48,
    kEnableCapability = 49,
    kGetGroupName = 50,
    kGetDisplayName = 51,
};

// --- parameter types -----------------------------------------------------------------
enum ParameterType : uint32_t {
    kTypeBoolean = 0,
    kTypeStandard = 10,
    kTypeOption = 11,
    kTypeFile = 14,
    kTypeText = 100,
};

inline constexpr bool IsTextType(uint32_t type) { return type == kTypeFile || type == kTypeText; }

// --- capabilities (code 10, 49) ------------------------------------------------------
enum Capability : uint32_t {
    kCapTimeSupported = 5,
    kCapMinimumInputs = 10,
    kCapMaximumInputs = 11,
    kCapTopLeftOrientation = 16,
};

constexpr uint32_t kPluginTypeEffect = 0;

// --- records returned by the plug-in -------------------------------------------------
struct PluginInfoRecord {
    uint32_t apiMajorVersion;
    uint32_t apiMinorVersion;
    char identifier[4];  // no terminator
    char name[16];       // zero-padded, no terminator when full
    uint32_t pluginType;
};

struct ExtendedInfoRecord {
    uint32_t pluginMajorVersion;
    uint32_t pluginMinorVersion;
    const char* description;  // zero-terminated UTF-8
    const char* about;        // zero-terminated
    uint32_t extendedDataSize;
    uint32_t padding;
    const void* extendedData;
};

// --- records passed by the host ------------------------------------------------------
struct ViewportRecord {
    uint32_t x, y, width, height;
};

struct TextureRecord {
    uint32_t width;
    uint32_t height;
    uint32_t hardwareWidth;
    uint32_t hardwareHeight;
    uint32_t handle;  // GL texture name
};

struct ProcessingRecord {
    uint32_t inputCount;
    uint32_t padding0;
    TextureRecord** inputTextures;
    uint32_t hostFbo;
    uint32_t padding1;
};

struct SetParameterRecord {
    uint32_t index;
    uint32_t padding;
    uint64_t value;  // text types: a const char* ; numbers: a float in the low 4 bytes
};

struct ElementQueryRecord {
    uint32_t index;
    uint32_t entry;
    float value;  // code 37 only
};

struct TempoRecord {
    float beatsPerMinute;
    float barPhase;
};

struct HostIdentityRecord {
    const char* name;
    const char* version;
};

struct RangeRecord {
    uint32_t index;
    float minimum;
    float maximum;
};

struct ThumbnailQueryRecord {
    uint32_t width;
    uint32_t height;
    void* pixels;
};

struct EventEntry {
    uint32_t index;
    uint32_t padding;
    uint64_t flags;
};

struct EventQueryRecord {
    uint32_t count;
    uint32_t padding;
    EventEntry* entries;
};

struct TextQueryRecord {
    uint32_t index;
    uint32_t padding;
    char* buffer;
    uint32_t bufferSize;
};

// --- exported functions --------------------------------------------------------------
using LogCallback = void (*)(const char* text);
using PlugMainFunc = uint64_t (*)(uint32_t functionCode, uint64_t input, void* instance);
using SetLogCallbackFunc = void (*)(LogCallback callback);

constexpr const char* kPlugMainSymbol = "plugMain";
constexpr const char* kSetLogCallbackSymbol = "SetLogCallback";

// --- packing helpers for the 64-bit input and result ---------------------------------
inline uint64_t FloatBits(float value) {
    uint32_t bits;
    static_assert(sizeof bits == sizeof value);
    __builtin_memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline float BitsFloat(uint64_t word) {
    uint32_t bits = static_cast<uint32_t>(word);
    float value;
    __builtin_memcpy(&value, &bits, sizeof value);
    return value;
}

template <typename T>
inline uint64_t PointerBits(T* pointer) {
    return reinterpret_cast<uint64_t>(pointer);
}

template <typename T>
inline T* BitsPointer(uint64_t word) {
    return reinterpret_cast<T*>(static_cast<uintptr_t>(word));
}

// --- the wire layout -----------------------------------------------------------------
static_assert(sizeof(void*) == 8, "the FFGL records are laid out for 64-bit hosts");
static_assert(sizeof(PluginInfoRecord) == 32);
static_assert(offsetof(PluginInfoRecord, identifier) == 8);
static_assert(offsetof(PluginInfoRecord, name) == 12);
static_assert(offsetof(PluginInfoRecord, pluginType) == 28);
static_assert(sizeof(ExtendedInfoRecord) == 40);
static_assert(offsetof(ExtendedInfoRecord, description) == 8);
static_assert(offsetof(ExtendedInfoRecord, about) == 16);
static_assert(offsetof(ExtendedInfoRecord, extendedDataSize) == 24);
static_assert(offsetof(ExtendedInfoRecord, extendedData) == 32);
static_assert(sizeof(ViewportRecord) == 16);
static_assert(sizeof(TextureRecord) == 20);
static_assert(sizeof(ProcessingRecord) == 24);
static_assert(offsetof(ProcessingRecord, inputTextures) == 8);
static_assert(offsetof(ProcessingRecord, hostFbo) == 16);
static_assert(sizeof(SetParameterRecord) == 16 && offsetof(SetParameterRecord, value) == 8);
static_assert(sizeof(ElementQueryRecord) == 12 && offsetof(ElementQueryRecord, value) == 8);
static_assert(sizeof(TempoRecord) == 8);
static_assert(sizeof(HostIdentityRecord) == 16);
static_assert(sizeof(RangeRecord) == 12 && offsetof(RangeRecord, maximum) == 8);
static_assert(sizeof(ThumbnailQueryRecord) == 16 && offsetof(ThumbnailQueryRecord, pixels) == 8);
static_assert(sizeof(EventEntry) == 16 && offsetof(EventEntry, flags) == 8);
static_assert(sizeof(EventQueryRecord) == 16 && offsetof(EventQueryRecord, entries) == 8);
static_assert(offsetof(TextQueryRecord, buffer) == 8 && offsetof(TextQueryRecord, bufferSize) == 16);

}  // namespace ffgl
