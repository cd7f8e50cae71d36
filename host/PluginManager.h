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

class CFFGLPluginManager {
public:
    explicit CFFGLPluginManager(bool topLeftOrientation);
    virtual ~CFFGLPluginManager();

    // Declarations, called by the effect's constructor.
    void DeclareParameter(uint32_t index, const char* name, uint32_t type, float defaultValue);
    void DeclareOptionParameter(uint32_t index, const char* name, uint32_t elementCount, float defaultValue);
    void SetOptionElement(uint32_t index, uint32_t elementNumber, const char* elementName, float elementValue);
    void DeclareFileParameter(uint32_t index, const char* name, std::vector<std::string>& extensions,
                              const char* defaultText);
    void SetMinimumInputCount(int32_t count) { minimumInputs = count; }
    void SetMaximumInputCount(int32_t count) { maximumInputs = count; }

    // Queries: the first record with the asked index answers; see the .cpp for misses.
    uint32_t ParameterCount() const { return static_cast<uint32_t>(parameterTable.size()); }
    const ParameterRecord* FindParameter(uint32_t index) const;
    ParameterRecord* FindParameter(uint32_t index);

    const std::vector<ParameterRecord>& Parameters() const { return parameterTable; }
    std::vector<ParameterRecord>& MutableParameters() { return parameterTable; }

    int32_t minimumInputs = 0;
    int32_t maximumInputs = 0;
    bool timeSupported = true;
    bool topLeftOrientation = false;
    int32_t topLeftOrientationEnabled = 0;

private:
    std::vector<ParameterRecord> parameterTable;
};
