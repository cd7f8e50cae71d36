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
