#include "tools/validate/ParameterSweep.h"

#include "abi/ffgl_abi.h"

namespace {

constexpr int kSweepSteps = 8;

}  // namespace

std::vector<float> SweepValues(const ParameterInfo& parameter) {
    std::vector<float> values;
    if (parameter.type == ffgl::kTypeOption) {
        for (const OptionElementInfo& element : parameter.elements) values.push_back(element.value);
        return values;
    }
    if (parameter.type == ffgl::kTypeBoolean) return {0.0f, 1.0f, 0.0f};
    for (int step = 0; step <= kSweepSteps; ++step)
        values.push_back(parameter.rangeMin + (parameter.rangeMax - parameter.rangeMin) * step / kSweepSteps);
    return values;
}
