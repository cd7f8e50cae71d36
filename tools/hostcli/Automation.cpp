#include "tools/hostcli/Automation.h"

#include <cmath>
#include <cstdlib>
#include <map>

#include "abi/ffgl_abi.h"

namespace {

// Keyframe times are compared with frame times, which are sums of fractions.
constexpr double kTimeTolerance = 1e-6;

// "2s", "2.5s" or "2": seconds, not negative.
bool ParseSeconds(const std::string& text, double* seconds) {
    std::string number = Trim(text);
    if (!number.empty() && (number.back() == 's' || number.back() == 'S')) number.pop_back();
    char* end = nullptr;
    *seconds = std::strtod(number.c_str(), &end);
    return !number.empty() && *end == '\0' && std::isfinite(*seconds) && *seconds >= 0.0;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

bool ParseKeyframes(const ParameterInfo& parameter, const std::string& text, Automation* automation,
                    std::string* error) {
    automation->fromStart = false;
    for (const std::string& part : Split(text, ',')) {
        const size_t at = part.rfind('@');
        Keyframe key;
        if (at == std::string::npos || !ParseSeconds(part.substr(at + 1), &key.seconds)) {
            *error = "a keyframe reads VALUE@SECONDS, such as 1@2.5s, not \"" + Trim(part) + "\"";
            return false;
        }
        if (!ResolveValue(parameter, Trim(part.substr(0, at)), &key.value, error)) return false;
        if (!automation->keys.empty() && key.seconds <= automation->keys.back().seconds) {
            *error = "the keyframes of \"" + parameter.name + "\" must follow each other in time";
            return false;
        }
        automation->keys.push_back(key);
    }
    return true;
}

bool ParseAutomation(const ParameterInfo& parameter, const std::string& text, Automation* automation,
                     std::string* error) {
    automation->index = parameter.index;
    automation->stepped = parameter.type != ffgl::kTypeStandard;
    if (text.find('@') != std::string::npos) return ParseKeyframes(parameter, text, automation, error);
    const size_t range = text.find("..");
    if (range == std::string::npos) {
        automation->keys.resize(1);
        return ResolveValue(parameter, Trim(text), &automation->keys[0].value, error);
    }
    automation->rampToEnd = true;
    automation->keys.resize(2);
    return ResolveValue(parameter, Trim(text.substr(0, range)), &automation->keys[0].value, error) &&
           ResolveValue(parameter, Trim(text.substr(range + 2)), &automation->keys[1].value, error);
}

bool Governs(const Automation& automation, double seconds) {
    return automation.fromStart || seconds + kTimeTolerance >= automation.keys.front().seconds;
}

float ValueOf(const Automation& automation, double seconds, double lastFrameSeconds) {
    std::vector<Keyframe> keys = automation.keys;
    if (automation.rampToEnd) keys.back().seconds = lastFrameSeconds;
    if (seconds + kTimeTolerance < keys.front().seconds) return keys.front().value;
    for (size_t i = 0; i + 1 < keys.size(); ++i) {
        const Keyframe& from = keys[i];
        const Keyframe& to = keys[i + 1];
        if (seconds + kTimeTolerance >= to.seconds) continue;
        if (automation.stepped || to.seconds <= from.seconds) return from.value;
        const double along = (seconds - from.seconds) / (to.seconds - from.seconds);
        return static_cast<float>(from.value + (to.value - from.value) * std::fmax(0.0, along));
    }
    return keys.back().value;
}

}  // namespace

bool ParseAutomations(const std::vector<std::string>& assignments, const std::vector<ParameterInfo>& parameters,
                      std::vector<Automation>* automations, std::vector<ParameterSetting>* texts, std::string* error) {
    automations->clear();
    texts->clear();
    for (const std::string& assignment : assignments) {
        std::string text;
        const ParameterInfo* parameter = SplitAssignment(assignment, parameters, &text, error);
        if (!parameter) return false;
        if (ffgl::IsTextType(parameter->type)) {
            // A path may hold "@" and "..": it is never a keyframe or a ramp.
            ParameterSetting setting;
            setting.index = parameter->index;
            setting.isText = true;
            setting.isFile = parameter->type == ffgl::kTypeFile;
            setting.text = text;
            texts->push_back(setting);
            continue;
        }
        Automation automation;
        if (!ParseAutomation(*parameter, text, &automation, error)) return false;
        automations->push_back(automation);
    }
    return true;
}

std::vector<ParameterValue> ValuesAt(const std::vector<Automation>& automations, double seconds,
                                     double lastFrameSeconds) {
    std::map<uint32_t, float> values;
    for (const Automation& automation : automations)
        if (Governs(automation, seconds)) values[automation.index] = ValueOf(automation, seconds, lastFrameSeconds);
    std::vector<ParameterValue> list;
    list.reserve(values.size());
    for (const auto& [index, value] : values) list.push_back({index, value});
    return list;
}
