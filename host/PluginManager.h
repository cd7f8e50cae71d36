// The parameter table and capability facts that every plug-in object carries.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct OptionElement {
    std::string elementName;
    float elementValue = 0.0f;
};

struct ParameterRecord {
    uint32_t index = 0;
    std::string name;
    std::string displayName;
    uint32_t type = 0;
    std::vector<OptionElement> elements;
    std::vector<int32_t> auxiliaryIndices;
    int32_t hintCode = 0;
    bool visible = true;
    float rangeMin = 0.0f;
    float rangeMax = 1.0f;
    float defaultValue = 0.0f;
    std::string defaultText;
    std::vector<std::string> extensions;
    uint64_t pendingEvents = 0;
    std::string groupName;
};

// A parameter's default as the host sees it: text-valued types answer text, others a float.
struct ParameterDefault {
    bool found = false;
    bool isText = false;
    float value = 0.0f;
    const char* text = nullptr;
};

struct EventEntryOut {
    uint32_t index;
    uint64_t flags;
};

class CFFGLPluginManager {
public:
    explicit CFFGLPluginManager(bool topLeftOrientation);
    virtual ~CFFGLPluginManager();
    // The host holds instances by pointer; a copy would slice off the effect.
    CFFGLPluginManager(const CFFGLPluginManager&) = delete;
    CFFGLPluginManager& operator=(const CFFGLPluginManager&) = delete;

    // Declarations, called by the effect's constructor.
    void DeclareParameter(uint32_t index, const char* name, uint32_t type, float defaultValue);
    void DeclareOptionParameter(uint32_t index, const char* name, uint32_t elementCount, float defaultValue);
    void SetOptionElement(uint32_t index, uint32_t elementNumber, const char* elementName, float elementValue);
    void DeclareFileParameter(uint32_t index, const char* name, std::vector<std::string>& extensions,
                              const char* defaultText);
    void SetMinimumInputCount(int32_t count) { minimumInputs = count; }
    void SetMaximumInputCount(int32_t count) { maximumInputs = count; }

    // Queries: the first record with the asked index answers. A missing record (or an
    // entry number out of range) answers null, 0xFFFFFFFF or the neutral value noted.
    uint32_t ParameterCount() const { return static_cast<uint32_t>(parameterTable.size()); }
    const ParameterRecord* FindParameter(uint32_t index) const;
    ParameterRecord* FindParameter(uint32_t index);

    const char* ParameterName(uint32_t index) const;
    uint32_t ParameterType(uint32_t index) const;
    ParameterDefault ParameterDefaultOf(uint32_t index) const;
    void ParameterRange(uint32_t index, float* minimum, float* maximum) const;  // 0.0, 1.0 when missing
    uint32_t ElementCount(uint32_t index) const;
    const char* ElementName(uint32_t index, uint32_t element) const;
    uint32_t ElementValueBits(uint32_t index, uint32_t element) const;
    uint32_t SetElementValue(uint32_t index, uint32_t element, float value);
    uint32_t ExtensionCount(uint32_t index) const;  // 0 when missing
    const char* Extension(uint32_t index, uint32_t entry) const;
    uint32_t HintCode(uint32_t index) const;
    uint32_t Visibility(uint32_t index) const;
    uint32_t AuxiliaryCount(uint32_t index) const;  // 0 when missing
    uint32_t AuxiliaryEntry(uint32_t index, uint32_t entry) const;
    std::string DisplayName(uint32_t index) const;  // empty when missing
    std::string GroupName(uint32_t index) const;    // empty when missing
    uint32_t PendingEventCount() const;
    // Writes up to capacity pending events in table order, clears their flags; answers how many.
    uint32_t CollectEvents(EventEntryOut* entries, uint32_t capacity);

    int32_t minimumInputs = 0;
    int32_t maximumInputs = 0;
    bool timeSupported = true;
    bool topLeftOrientation = false;
    int32_t topLeftOrientationEnabled = 0;

private:
    std::vector<ParameterRecord> parameterTable;
};
