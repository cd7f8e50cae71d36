#include <gtest/gtest.h>

#include "abi/ffgl_abi.h"
#include "tools/hostcli/ParameterSettings.h"

namespace {

// A table shaped like a real effect's: an option, a boolean, a number and a file.
std::vector<ParameterInfo> Table() {
    ParameterInfo mode{0,
                       "Color Mode",
                       ffgl::kTypeOption,
                       0.0f,
                       "",
                       0.0f,
                       1.0f,
                       {{"Normal", 0}, {"Night Vision", 1}, {"Thermal", 2}, {"Negative", 3}},
                       {}};
    ParameterInfo corners{1, "Corners", ffgl::kTypeBoolean, 1.0f, "", 0.0f, 1.0f, {}, {}};
    ParameterInfo noise{2, "Noise", ffgl::kTypeStandard, 0.0f, "", 0.0f, 1.0f, {}, {}};
    ParameterInfo overlay{3, "Overlay Image", ffgl::kTypeFile, 0.0f, "", 0.0f, 1.0f, {}, {"png"}};
    return {mode, corners, noise, overlay};
}

ParameterSetting Resolve(const std::string& assignment) {
    ParameterSetting setting;
    std::string error;
    EXPECT_TRUE(ResolveSetting(assignment, Table(), &setting, &error)) << assignment << ": " << error;
    return setting;
}

std::string Refusal(const std::string& assignment) {
    ParameterSetting setting;
    std::string error;
    EXPECT_FALSE(ResolveSetting(assignment, Table(), &setting, &error)) << assignment;
    return error;
}

}  // namespace

TEST(ParameterSettings, OptionsTakeElementNamesOrValues) {
    EXPECT_EQ(Resolve("Color Mode=Night Vision").value, 1.0f);
    EXPECT_EQ(Resolve("color mode=thermal").value, 2.0f);
    EXPECT_EQ(Resolve("Color Mode = 3").value, 3.0f);
    EXPECT_EQ(Resolve("Color Mode=3").index, 0u);
    EXPECT_EQ(
        Refusal("Color Mode=4"),
        "\"Color Mode\" has no value \"4\"; valid values: Normal (0), Night Vision (1), Thermal (2), Negative (3)");
}

TEST(ParameterSettings, BooleansAndNumbers) {
    EXPECT_EQ(Resolve("Corners=off").value, 0.0f);
    EXPECT_EQ(Resolve("Corners=ON").value, 1.0f);
    EXPECT_EQ(Resolve("Corners=0").value, 0.0f);
    EXPECT_NE(Refusal("Corners=0.5").find("on, off, 1, 0"), std::string::npos);
    EXPECT_EQ(Resolve("Noise=0.25").value, 0.25f);
    EXPECT_EQ(Resolve("Noise=1").index, 2u);
    for (const char* wrong : {"Noise=1.5", "Noise=-0.1", "Noise=lots", "Noise=", "Noise=0.5x", "Noise=nan"})
        EXPECT_NE(Refusal(wrong).find("a number from 0 to 1"), std::string::npos) << wrong;
}

TEST(ParameterSettings, FilesKeepTheirTextWhole) {
    const ParameterSetting setting = Resolve("Overlay Image= /tmp/my logo.png");
    EXPECT_TRUE(setting.isText);
    EXPECT_EQ(setting.index, 3u);
    EXPECT_EQ(setting.text, " /tmp/my logo.png");
    EXPECT_EQ(Resolve("Overlay Image=").text, "");
    EXPECT_EQ(Resolve("Overlay Image=a=b.png").text, "a=b.png");
}

TEST(ParameterSettings, UnknownNamesListTheParameters) {
    EXPECT_EQ(
        Refusal("Colour=1"),
        "unknown parameter \"Colour\"; the parameters are: \"Color Mode\", \"Corners\", \"Noise\", \"Overlay Image\"");
    EXPECT_NE(Refusal("Noise").find("Name=Value"), std::string::npos);
    std::vector<ParameterSetting> settings;
    std::string error;
    EXPECT_FALSE(ResolveSettings({"Noise=0.5", "Grid=1"}, Table(), &settings, &error));
    EXPECT_TRUE(ResolveSettings({"Noise=0.5", "Corners=off"}, Table(), &settings, &error));
    EXPECT_EQ(settings.size(), 2u);
}
