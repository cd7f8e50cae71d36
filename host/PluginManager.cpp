#include "host/PluginManager.h"

#include <algorithm>
#include <utility>

#include "abi/ffgl_abi.h"

CFFGLPluginManager::CFFGLPluginManager(bool topLeft) : topLeftOrientation(topLeft) {}

CFFGLPluginManager::~CFFGLPluginManager() = default;

void CFFGLPluginManager::DeclareParameter(uint32_t index, const char* name, uint32_t type, float defaultValue) {
    ParameterRecord record;
    record.index = index;
    record.name = name ? name : "";
    record.type = type;
    record.elements.resize(1);
    record.defaultValue = type == ffgl::kTypeStandard ? std::max(std::min(defaultValue, 1.0f), 0.0f) : defaultValue;
    parameterTable.push_back(std::move(record));
}

void CFFGLPluginManager::DeclareOptionParameter(uint32_t index, const char* name, uint32_t elementCount,
                                                float defaultValue) {
    ParameterRecord record;
    record.index = index;
    record.name = name ? name : "";
    record.type = ffgl::kTypeOption;
    record.elements.resize(elementCount);
    record.defaultValue = defaultValue;
    parameterTable.push_back(std::move(record));
}

void CFFGLPluginManager::SetOptionElement(uint32_t index, uint32_t elementNumber, const char* elementName,
                                          float elementValue) {
    ParameterRecord* record = FindParameter(index);
    if (!record || elementNumber >= record->elements.size()) return;
    record->elements[elementNumber].elementName = elementName ? elementName : "";
    record->elements[elementNumber].elementValue = elementValue;
}

void CFFGLPluginManager::DeclareFileParameter(uint32_t index, const char* name, std::vector<std::string>& extensions,
                                              const char* defaultText) {
    ParameterRecord record;
    record.index = index;
    record.name = name ? name : "";
    record.type = ffgl::kTypeFile;
    record.extensions = std::move(extensions);
    extensions.clear();
    record.defaultText = defaultText ? defaultText : "";
    parameterTable.push_back(std::move(record));
}

const ParameterRecord* CFFGLPluginManager::FindParameter(uint32_t index) const {
    for (const ParameterRecord& record : parameterTable)
        if (record.index == index) return &record;
    return nullptr;
}

ParameterRecord* CFFGLPluginManager::FindParameter(uint32_t index) {
    return const_cast<ParameterRecord*>(std::as_const(*this).FindParameter(index));
}

const char* CFFGLPluginManager::ParameterName(uint32_t index) const {
    const ParameterRecord* record = FindParameter(index);
    return record ? record->name.c_str() : nullptr;
}

uint32_t CFFGLPluginManager::ParameterType(uint32_t index) const {
    const ParameterRecord* record = FindParameter(index);
    return record ? record->type : ffgl::kFailure32;
}

ParameterDefault CFFGLPluginManager::ParameterDefaultOf(uint32_t index) const {
    const ParameterRecord* record = FindParameter(index);
    if (!record) return {};
    if (ffgl::IsTextType(record->type)) return {true, true, 0.0f, record->defaultText.c_str()};
    return {true, false, record->defaultValue, nullptr};
}

void CFFGLPluginManager::ParameterRange(uint32_t index, float* minimum, float* maximum) const {
    const ParameterRecord* record = FindParameter(index);
    *minimum = record ? record->rangeMin : 0.0f;
    *maximum = record ? record->rangeMax : 1.0f;
}

uint32_t CFFGLPluginManager::ElementCount(uint32_t index) const {
    const ParameterRecord* record = FindParameter(index);
    return record ? static_cast<uint32_t>(record->elements.size()) : ffgl::kFailure32;
}

const char* CFFGLPluginManager::ElementName(uint32_t index, uint32_t element) const {
    const ParameterRecord* record = FindParameter(index);
    if (!record || element >= record->elements.size()) return nullptr;
    return record->elements[element].elementName.c_str();
}

uint32_t CFFGLPluginManager::ElementValueBits(uint32_t index, uint32_t element) const {
    const ParameterRecord* record = FindParameter(index);
    if (!record || element >= record->elements.size()) return ffgl::kFailure32;
    return static_cast<uint32_t>(ffgl::FloatBits(record->elements[element].elementValue));
}

uint32_t CFFGLPluginManager::SetElementValue(uint32_t index, uint32_t element, float value) {
    ParameterRecord* record = FindParameter(index);
    if (!record || element >= record->elements.size()) return ffgl::kFailure32;
    record->elements[element].elementValue = value;
    return 0;
}

uint32_t CFFGLPluginManager::ExtensionCount(uint32_t index) const {
    const ParameterRecord* record = FindParameter(index);
    return record ? static_cast<uint32_t>(record->extensions.size()) : 0;
}

const char* CFFGLPluginManager::Extension(uint32_t index, uint32_t entry) const {
    const ParameterRecord* record = FindParameter(index);
    if (!record || entry >= record->extensions.size()) return nullptr;
    return record->extensions[entry].c_str();
}

uint32_t CFFGLPluginManager::HintCode(uint32_t index) const {
    const ParameterRecord* record = FindParameter(index);
    return record ? static_cast<uint32_t>(record->hintCode) : ffgl::kFailure32;
}

uint32_t CFFGLPluginManager::Visibility(uint32_t index) const {
    const ParameterRecord* record = FindParameter(index);
    if (!record) return ffgl::kFailure32;
    return record->visible ? 1u : 0u;
}

uint32_t CFFGLPluginManager::AuxiliaryCount(uint32_t index) const {
    const ParameterRecord* record = FindParameter(index);
    return record ? static_cast<uint32_t>(record->auxiliaryIndices.size()) : 0;
}

uint32_t CFFGLPluginManager::AuxiliaryEntry(uint32_t index, uint32_t entry) const {
    const ParameterRecord* record = FindParameter(index);
    if (!record || entry >= record->auxiliaryIndices.size()) return ffgl::kFailure32;
    return static_cast<uint32_t>(record->auxiliaryIndices[entry]);
}

std::string CFFGLPluginManager::DisplayName(uint32_t index) const {
    const ParameterRecord* record = FindParameter(index);
    return record ? record->displayName : std::string();
}

std::string CFFGLPluginManager::GroupName(uint32_t index) const {
    const ParameterRecord* record = FindParameter(index);
    return record ? record->groupName : std::string();
}

uint32_t CFFGLPluginManager::PendingEventCount() const {
    return static_cast<uint32_t>(std::count_if(parameterTable.begin(), parameterTable.end(),
                                               [](const ParameterRecord& r) { return r.pendingEvents != 0; }));
}

uint32_t CFFGLPluginManager::CollectEvents(EventEntryOut* entries, uint32_t capacity) {
    uint32_t written = 0;
    for (ParameterRecord& record : parameterTable) {
        if (written >= capacity) break;
        if (record.pendingEvents == 0) continue;
        entries[written++] = {record.index, record.pendingEvents};
        record.pendingEvents = 0;
    }
    return written;
}
