// Parameter values over a render, at frames whose values are known by hand.
#include <gtest/gtest.h>

#include "abi/ffgl_abi.h"
#include "tools/hostcli/Automation.h"

namespace {

ParameterInfo Parameter(uint32_t index, const char* name, uint32_t type) {
    ParameterInfo parameter;
    parameter.index = index;
    parameter.name = name;
    parameter.type = type;
    return parameter;
}

std::vector<ParameterInfo> Parameters() {
    ParameterInfo mode = Parameter(0, "Color Mode", ffgl::kTypeOption);
    mode.elements = {{"Normal", 0}, {"Night Vision", 1}, {"Thermal", 2}};
    return {mode, Parameter(8, "Glitch", ffgl::kTypeStandard), Parameter(10, "Hue Shift", ffgl::kTypeStandard),
            Parameter(9, "Overlay Image", ffgl::kTypeFile)};
}

// The value of one parameter at frame `frame` of a render of `frames` frames at `fps`.
float At(const std::vector<Automation>& automations, uint32_t index, int frame, int frames, double fps) {
    for (const ParameterValue& value : ValuesAt(automations, frame / fps, (frames - 1) / fps))
        if (value.index == index) return value.value;
    return -1.0f;  // not governed: the plug-in keeps its own value
}

std::vector<Automation> Parse(const std::vector<std::string>& assignments) {
    std::vector<Automation> automations;
    std::vector<ParameterSetting> texts;
    std::string error;
    EXPECT_TRUE(ParseAutomations(assignments, Parameters(), &automations, &texts, &error)) << error;
    return automations;
}

}  // namespace

TEST(Automation, RampsKeyframesAndStepsAtKnownFrames) {
    const auto automations =
        Parse({"Hue Shift=0..1", "Glitch=0@0s,1@2s,0@2.5s", "Color Mode=Night Vision", "Color Mode=Thermal@3s"});
    // 10 fps, 41 frames: the ramp ends at frame 40 (4 s).
    EXPECT_FLOAT_EQ(At(automations, 10, 0, 41, 10), 0.0f);
    EXPECT_FLOAT_EQ(At(automations, 10, 10, 41, 10), 0.25f);
    EXPECT_FLOAT_EQ(At(automations, 10, 40, 41, 10), 1.0f);
    EXPECT_FLOAT_EQ(At(automations, 8, 10, 41, 10), 0.5f);
    EXPECT_FLOAT_EQ(At(automations, 8, 20, 41, 10), 1.0f);
    EXPECT_NEAR(At(automations, 8, 22, 41, 10), 0.6f, 1e-5);
    EXPECT_FLOAT_EQ(At(automations, 8, 25, 41, 10), 0.0f);
    EXPECT_FLOAT_EQ(At(automations, 8, 40, 41, 10), 0.0f);
    // An option steps: the earlier --set holds until the keyframe's own frame.
    EXPECT_FLOAT_EQ(At(automations, 0, 29, 41, 10), 1.0f);
    EXPECT_FLOAT_EQ(At(automations, 0, 30, 41, 10), 2.0f);
}

TEST(Automation, KeyframesOnTheirOwnLeaveTheValueAloneUntilTheyStart) {
    const auto automations = Parse({"Color Mode=Normal..Thermal", "Glitch=0.5@1s"});
    EXPECT_EQ(At(automations, 8, 9, 30, 10), -1.0f);
    EXPECT_FLOAT_EQ(At(automations, 8, 10, 30, 10), 0.5f);
    // An option ramp steps at its end, never through values between elements.
    EXPECT_FLOAT_EQ(At(automations, 0, 28, 30, 10), 0.0f);
    EXPECT_FLOAT_EQ(At(automations, 0, 29, 30, 10), 2.0f);
}

TEST(Automation, PathsStayTextAndBadKeyframesAreRefused) {
    std::vector<Automation> automations;
    std::vector<ParameterSetting> texts;
    std::string error;
    ASSERT_TRUE(ParseAutomations({"Overlay Image=../shots/a@2x.png"}, Parameters(), &automations, &texts, &error));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "../shots/a@2x.png");
    for (const char* bad : {"Glitch=1@2s,0@1s", "Glitch=1@soon", "Glitch=2@1s", "Glitch=0..", "Color Mode=Pink@1s"}) {
        EXPECT_FALSE(ParseAutomations({bad}, Parameters(), &automations, &texts, &error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}
