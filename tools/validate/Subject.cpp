#include "tools/validate/Subject.h"

#include <cmath>
#include <cstdio>

std::string ValueText(float value) {
    if (std::isnan(value)) return "nan";
    if (value == 0.0f) return std::signbit(value) ? "-0" : "0";
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

bool Subject::Open(const std::string& path, std::string* error) {
    findings.Step("loading " + path + " and code 34 (global initialisation)");
    return client.Open(path, error);
}

uint64_t Subject::Call(uint32_t code, uint64_t input, void* instance, const std::string& what) {
    const std::string call = CodeText(code) + (what.empty() ? "" : ": " + what);
    findings.Step(call);
    if (!watcher) return client.Call(code, input, instance);
    watcher->Enter(call);
    const uint64_t answer = client.Call(code, input, instance);
    watcher->Leave();
    return answer;
}

const std::vector<ParameterInfo>& Subject::Parameters() {
    if (parametersRead) return parameters;
    parametersRead = true;
    findings.Step("reading the parameter table (codes 4, 5, 6, 15, 31, 35, 36, 41, 43, 44)");
    std::string error;
    if (!client.ReadParameters(&parameters, &error)) parameters.clear();
    return parameters;
}

std::string Subject::ParameterText(uint32_t index) {
    const auto& table = Parameters();
    if (index < table.size()) return "parameter " + std::to_string(index) + " \"" + table[index].name + "\"";
    return "parameter " + std::to_string(index);
}

void* Subject::Create(int width, int height) {
    return Instantiate(*this, ffgl::ViewportRecord{0, 0, static_cast<uint32_t>(width), static_cast<uint32_t>(height)},
                       std::to_string(width) + "x" + std::to_string(height));
}

uint64_t Subject::Destroy(void* instance) { return Deinstantiate(*this, instance); }

uint64_t Subject::SetValue(void* instance, uint32_t index, float value, const std::string& shown) {
    return SetParameterValue(*this, instance, index, value, ParameterText(index) + " = " + shown);
}

uint64_t Subject::SetText(void* instance, uint32_t index, const char* text, const std::string& shown) {
    return SetParameterText(*this, instance, index, text, ParameterText(index) + " = " + shown);
}
