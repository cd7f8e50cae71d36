#include "tools/hostcli/GalleryPlan.h"

#include "abi/ffgl_abi.h"
#include "tools/hostcli/ParameterSettings.h"

namespace {

void AddFrames(const ParameterInfo& parameter, std::vector<GalleryFrame>* frames) {
    const auto add = [&](float value, const std::string& text) {
        frames->push_back({parameter.index, value, parameter.name, text});
    };
    switch (parameter.type) {
        case ffgl::kTypeOption:
            for (const OptionElementInfo& element : parameter.elements) add(element.value, element.name);
            return;
        case ffgl::kTypeBoolean:
            add(0.0f, "off");
            add(1.0f, "on");
            return;
        case ffgl::kTypeFile:
        case ffgl::kTypeText: return;
        default:
            for (int step = 0; step < kGalleryNumberSteps; ++step) {
                const float fraction = static_cast<float>(step) / (kGalleryNumberSteps - 1);
                const float value = parameter.rangeMin + fraction * (parameter.rangeMax - parameter.rangeMin);
                add(value, NumberText(value));
            }
    }
}

}  // namespace

bool PlanGallery(const std::vector<ParameterInfo>& parameters, const std::string& only,
                 std::vector<GalleryFrame>* frames, std::string* error) {
    frames->clear();
    if (only.empty()) {
        for (const ParameterInfo& parameter : parameters) AddFrames(parameter, frames);
        if (frames->empty()) *error = "the plug-in has no option, on/off or number parameter to show";
        return !frames->empty();
    }
    std::string ignored;
    const ParameterInfo* parameter = SplitAssignment(only + "=", parameters, &ignored, error);
    if (!parameter) return false;
    AddFrames(*parameter, frames);
    if (frames->empty())
        *error = "\"" + parameter->name + "\" (" + ParameterTypeName(parameter->type) +
                 ") has no values to show: the gallery shows option, on/off and number parameters";
    return !frames->empty();
}
