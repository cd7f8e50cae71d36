#include "tools/hostkit/PluginClient.h"

#include <cstdio>
#include <cstring>

#include "tools/hostkit/InstanceCalls.h"

namespace {

// Texts longer than this are not what a parameter name or description looks like.
constexpr size_t kMaxTextLength = 4096;
// Bounds a thumbnail's size before allocating for it.
constexpr uint32_t kMaxThumbnailSide = 4096;

// The log callback carries no user data: one library per process names its lines.
std::string logPrefix;
bool echoLog = true;

std::vector<std::string>& Logged() {
    static std::vector<std::string> lines;
    return lines;
}

void ForwardLog(const char* text) {
    if (!text) return;
    const size_t length = strnlen(text, kMaxTextLength);
    const bool hasLineEnd = length > 0 && text[length - 1] == '\n';
    Logged().emplace_back(text, hasLineEnd ? length - 1 : length);
    if (echoLog)
        std::fprintf(stderr, "%s: %.*s%s", logPrefix.c_str(), static_cast<int>(length), text, hasLineEnd ? "" : "\n");
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string TextAt(uint64_t word) {
    const char* text = ffgl::BitsPointer<const char>(word);
    return text ? std::string(text, strnlen(text, kMaxTextLength)) : std::string();
}

std::string FixedField(const char* field, size_t size) { return std::string(field, strnlen(field, size)); }

bool Failed(uint64_t result) { return static_cast<uint32_t>(result) == ffgl::kFailure32; }

}  // namespace

PluginClient::~PluginClient() { Close(); }

bool PluginClient::Open(const std::string& path, std::string* error) {
    Close();
    if (!library.Load(path, error)) return false;
    fileName = BaseName(path);
    logPrefix = fileName;
    if (library.setLogCallback) library.setLogCallback(ForwardLog);
    if (Call(ffgl::kInitialise, 0) != ffgl::kSuccess) {
        *error = fileName + ": the plug-in refused global initialisation (function code 34)";
        Close();
        return false;
    }
    initialised = true;
    return true;
}

void PluginClient::Close() {
    if (!library.plugMain) return;
    if (initialised) Call(ffgl::kDeinitialise, 0);
    initialised = false;
    if (library.setLogCallback) library.setLogCallback(nullptr);
    library.Unload();
}

uint64_t PluginClient::Call(uint32_t code, uint64_t input, void* instance) {
    return library.plugMain(code, input, instance);
}

bool PluginClient::ReadInfo(PluginInfo* info, std::string* error) {
    const uint64_t result = Call(ffgl::kGetInfo, 0);
    if (NoPointer(result)) {
        *error = fileName + ": the plug-in gave no info record (function code 0)";
        return false;
    }
    const auto* record = ffgl::BitsPointer<const ffgl::PluginInfoRecord>(result);
    info->apiMajorVersion = record->apiMajorVersion;
    info->apiMinorVersion = record->apiMinorVersion;
    info->identifier = FixedField(record->identifier, sizeof record->identifier);
    info->name = FixedField(record->name, sizeof record->name);
    info->pluginType = record->pluginType;
    return true;
}

bool PluginClient::ReadExtendedInfo(ExtendedInfo* info, std::string* error) {
    const uint64_t result = Call(ffgl::kGetExtendedInfo, 0);
    if (NoPointer(result)) {
        *error = fileName + ": the plug-in gave no extended info record (function code 13)";
        return false;
    }
    const auto* record = ffgl::BitsPointer<const ffgl::ExtendedInfoRecord>(result);
    info->pluginMajorVersion = record->pluginMajorVersion;
    info->pluginMinorVersion = record->pluginMinorVersion;
    info->description = TextAt(ffgl::PointerBits(record->description));
    info->about = TextAt(ffgl::PointerBits(record->about));
    return true;
}

uint32_t PluginClient::Capability(uint32_t capability) {
    return static_cast<uint32_t>(Call(ffgl::kGetCapability, capability));
}

bool PluginClient::ReadParameters(std::vector<ParameterInfo>* parameters, std::string* error) {
    const uint64_t count = Call(ffgl::kGetParameterCount, 0);
    if (Failed(count)) {
        *error = fileName + ": the plug-in did not tell its number of parameters (function code 4)";
        return false;
    }
    parameters->assign(static_cast<uint32_t>(count), ParameterInfo{});
    for (uint32_t index = 0; index < parameters->size(); ++index)
        if (!ReadParameter(index, &(*parameters)[index], error)) return false;
    return true;
}

bool PluginClient::ReadParameter(uint32_t index, ParameterInfo* parameter, std::string* error) {
    parameter->index = index;
    const uint64_t name = Call(ffgl::kGetParameterName, index);
    const uint64_t type = Call(ffgl::kGetParameterType, index);
    if (NoPointer(name) || Failed(type)) {
        *error = fileName + ": parameter " + std::to_string(index) + " has no name or type";
        return false;
    }
    parameter->name = TextAt(name);
    parameter->type = static_cast<uint32_t>(type);
    const uint64_t defaultAnswer = Call(ffgl::kGetParameterDefault, index);
    if (ffgl::IsTextType(parameter->type))
        parameter->defaultText = NoPointer(defaultAnswer) ? std::string() : TextAt(defaultAnswer);
    else
        parameter->defaultValue = ffgl::BitsFloat(defaultAnswer);

    ffgl::RangeRecord range{index, 0.0f, 1.0f};
    if (Call(ffgl::kGetRange, ffgl::PointerBits(&range)) == ffgl::kSuccess) {
        parameter->rangeMin = range.minimum;
        parameter->rangeMax = range.maximum;
    }
    if (parameter->type == ffgl::kTypeOption) {
        const uint64_t elementCount = Call(ffgl::kGetElementCount, index);
        for (uint32_t entry = 0; !Failed(elementCount) && entry < static_cast<uint32_t>(elementCount); ++entry) {
            ffgl::ElementQueryRecord query{index, entry, 0.0f};
            OptionElementInfo element;
            element.name = TextAt(Call(ffgl::kGetElementName, ffgl::PointerBits(&query)));
            element.value = ffgl::BitsFloat(Call(ffgl::kGetElementValue, ffgl::PointerBits(&query)));
            parameter->elements.push_back(element);
        }
    }
    if (parameter->type == ffgl::kTypeFile) {
        const uint64_t extensionCount = Call(ffgl::kGetExtensionCount, index);
        for (uint32_t entry = 0; !Failed(extensionCount) && entry < static_cast<uint32_t>(extensionCount); ++entry) {
            ffgl::ElementQueryRecord query{index, entry, 0.0f};
            parameter->extensions.push_back(TextAt(Call(ffgl::kGetExtension, ffgl::PointerBits(&query))));
        }
    }
    return true;
}

bool PluginClient::ReadThumbnail(ThumbnailWords* thumbnail, std::string* error) {
    ffgl::ThumbnailQueryRecord query{0, 0, nullptr};
    if (Call(ffgl::kGetThumbnail, ffgl::PointerBits(&query)) != ffgl::kSuccess) {
        *error = fileName + ": the plug-in has no thumbnail (function code 42)";
        return false;
    }
    if (query.width == 0 || query.height == 0 || query.width > kMaxThumbnailSide || query.height > kMaxThumbnailSide) {
        *error = fileName + ": the plug-in reports an implausible thumbnail size " + std::to_string(query.width) + "x" +
                 std::to_string(query.height);
        return false;
    }
    thumbnail->width = static_cast<int>(query.width);
    thumbnail->height = static_cast<int>(query.height);
    thumbnail->words.assign(static_cast<size_t>(query.width) * query.height, 0);
    ffgl::ThumbnailQueryRecord copy{query.width, query.height, thumbnail->words.data()};
    if (Call(ffgl::kGetThumbnail, ffgl::PointerBits(&copy)) != ffgl::kSuccess || copy.width != query.width ||
        copy.height != query.height) {
        *error = fileName + ": the plug-in failed to copy its thumbnail (function code 42)";
        return false;
    }
    return true;
}

void* PluginClient::Instantiate(int width, int height, std::string* error) {
    void* instance =
        ::Instantiate(*this, ffgl::ViewportRecord{0, 0, static_cast<uint32_t>(width), static_cast<uint32_t>(height)});
    if (!instance) *error = fileName + ": the plug-in refused to create an instance (function code 18)";
    return instance;
}

bool PluginClient::SetParameterValue(void* instance, uint32_t index, float value) {
    return ::SetParameterValue(*this, instance, index, value) == ffgl::kSuccess;
}

bool PluginClient::SetParameterText(void* instance, uint32_t index, const std::string& text) {
    return ::SetParameterText(*this, instance, index, text.c_str()) == ffgl::kSuccess;
}

bool PluginClient::ProcessFrame(void* instance, const ffgl::ProcessingRecord& record) {
    return ::ProcessFrame(*this, instance, &record) == ffgl::kSuccess;
}

std::string PluginClient::ParameterText(void* instance, uint32_t index) {
    return ::ParameterText(*this, instance, index);
}

const std::vector<std::string>& PluginClient::LoggedLines() { return Logged(); }

void PluginClient::EchoLog(bool echo) { echoLog = echo; }

void PluginClient::Deinstantiate(void* instance) {
    if (instance) ::Deinstantiate(*this, instance);
}
