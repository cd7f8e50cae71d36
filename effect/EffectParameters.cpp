#include "effect/EffectParameters.h"

#include <string>
#include <vector>

#include "host/PluginManager.h"

namespace {

// An option's elements are valued by their place: 0, 1, 2...
void DeclareOptions(CFFGLPluginManager& table, const ParameterRow& row) {
    const auto count = static_cast<uint32_t>(CountTexts(row.options));
    table.DeclareOptionParameter(row.index, row.name, count, row.defaultValue);
    for (uint32_t element = 0; element < count; ++element)
        table.SetOptionElement(row.index, element, row.options[element], static_cast<float>(element));
}

void DeclareFile(CFFGLPluginManager& table, const ParameterRow& row) {
    std::vector<std::string> extensions(row.extensions.begin(), row.extensions.begin() + CountTexts(row.extensions));
    table.DeclareFileParameter(row.index, row.name, extensions, "");
}

}  // namespace

bool EffectParameters::Apply(uint32_t index, float value) {
    const ParameterRow* row = FindParameter(index);
    if (!row || !HoldsNumber(*row)) return false;
    values[index] = value;
    return true;
}

float EffectParameters::Read(uint32_t index) const {
    const ParameterRow* row = FindParameter(index);
    return row && HoldsNumber(*row) ? values[index] : 0.0f;
}

void DeclareEffectParameters(CFFGLPluginManager& table) {
    for (const ParameterRow& row : kEffectParameters) {
        if (row.type == ffgl::kTypeOption) {
            DeclareOptions(table, row);
        } else if (row.type == ffgl::kTypeFile) {
            DeclareFile(table, row);
        } else {
            table.DeclareParameter(row.index, row.name, row.type, row.defaultValue);
        }
    }
}
