#include "tools/hostcli/ParameterSettings.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "abi/ffgl_abi.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The whole text must be a finite number.
bool ParseNumber(const std::string& text, float* value) {
    if (text.empty()) return false;
    char* end = nullptr;
    const float parsed = std::strtof(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(parsed)) return false;
    *value = parsed;
    return true;
}

std::string ListOfNames(const std::vector<ParameterInfo>& parameters) {
    std::string list;
    for (const ParameterInfo& parameter : parameters) list += (list.empty() ? "\"" : ", \"") + parameter.name + "\"";
    return list;
}

std::string ListOfElements(const ParameterInfo& parameter) {
    std::string list;
    for (const OptionElementInfo& element : parameter.elements)
        list += (list.empty() ? "" : ", ") + element.name + " (" + NumberText(element.value) + ")";
    return list;
}

bool ResolveOption(const ParameterInfo& parameter, const std::string& text, float* value) {
    float number = 0.0f;
    const bool isNumber = ParseNumber(text, &number);
    for (const OptionElementInfo& element : parameter.elements) {
        if (Lower(element.name) == Lower(text) || (isNumber && element.value == number)) {
            *value = element.value;
            return true;
        }
    }
    return false;
}

bool ResolveBoolean(const std::string& text, float* value) {
    const std::string word = Lower(text);
    if (word == "on" || word == "true" || word == "1")
        *value = 1.0f;
    else if (word == "off" || word == "false" || word == "0")
        *value = 0.0f;
    else
        return false;
    return true;
}

}  // namespace

bool ResolveValue(const ParameterInfo& parameter, const std::string& text, float* value, std::string* error) {
    const std::string quoted = "\"" + parameter.name + "\"";
    switch (parameter.type) {
        case ffgl::kTypeOption:
            if (ResolveOption(parameter, text, value)) return true;
            *error = quoted + " has no value \"" + text + "\"; valid values: " + ListOfElements(parameter);
            return false;
        case ffgl::kTypeBoolean:
            if (ResolveBoolean(text, value)) return true;
            *error = quoted + " has no value \"" + text + "\"; valid values: on, off, 1, 0";
            return false;
        default:
            if (ParseNumber(text, value) && *value >= parameter.rangeMin && *value <= parameter.rangeMax) return true;
            *error = quoted + " has no value \"" + text + "\"; valid values: a number from " +
                     NumberText(parameter.rangeMin) + " to " + NumberText(parameter.rangeMax);
            return false;
    }
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

const ParameterInfo* SplitAssignment(const std::string& assignment, const std::vector<ParameterInfo>& parameters,
                                     std::string* valueText, std::string* error) {
    const size_t equals = assignment.find('=');
    if (equals == std::string::npos) {
        *error = "a setting reads \"Name=Value\", not \"" + assignment + "\"";
        return nullptr;
    }
    const std::string name = Trim(assignment.substr(0, equals));
    for (const ParameterInfo& parameter : parameters) {
        if (Lower(parameter.name) != Lower(name)) continue;
        *valueText = assignment.substr(equals + 1);
        return &parameter;
    }
    *error = "unknown parameter \"" + name + "\"; the parameters are: " + ListOfNames(parameters);
    return nullptr;
}

bool ResolveSetting(const std::string& assignment, const std::vector<ParameterInfo>& parameters,
                    ParameterSetting* setting, std::string* error) {
    std::string text;
    const ParameterInfo* parameter = SplitAssignment(assignment, parameters, &text, error);
    if (!parameter) return false;
    setting->index = parameter->index;
    setting->isText = ffgl::IsTextType(parameter->type);
    setting->isFile = parameter->type == ffgl::kTypeFile;
    // Paths keep their spaces: only the name is trimmed.
    if (setting->isText) setting->text = text;
    return setting->isText || ResolveValue(*parameter, Trim(text), &setting->value, error);
}

bool ResolveSettings(const std::vector<std::string>& assignments, const std::vector<ParameterInfo>& parameters,
                     std::vector<ParameterSetting>* settings, std::string* error) {
    settings->clear();
    for (const std::string& assignment : assignments) {
        ParameterSetting setting;
        if (!ResolveSetting(assignment, parameters, &setting, error)) return false;
        settings->push_back(setting);
    }
    return true;
}
