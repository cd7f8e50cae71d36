// The parts of the host interface a host cannot reach: declarations, fixed-width
// fields, option rounding, line plotting and the log route.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "effect/Rounding.h"
#include "effect/ThumbnailArt.h"
#include "host/Log.h"
#include "host/Plugin.h"
#include "host/Registration.h"
#include "host/Thumbnail.h"
#include "tests/support/EffectTestAccess.h"

using namespace ffgl;

namespace {

class Table : public CFFGLPlugin {
public:
    Table() : CFFGLPlugin(false) {}
    float ReadParameterValue(uint32_t) override { return value; }
    float value = 0;
};

TEST(ParameterDeclarations, StandardDefaultsAreClampedOthersNot) {
    Table table;
    table.DeclareParameter(0, "a", kTypeStandard, 1.5f);
    table.DeclareParameter(1, "b", kTypeStandard, -0.2f);
    table.DeclareParameter(2, "c", kTypeBoolean, 1.5f);
    table.DeclareOptionParameter(3, "d", 4, 7.0f);
    EXPECT_EQ(table.ParameterDefaultOf(0).value, 1.0f);
    EXPECT_EQ(table.ParameterDefaultOf(1).value, 0.0f);
    EXPECT_EQ(table.ParameterDefaultOf(2).value, 1.5f);
    EXPECT_EQ(table.ParameterDefaultOf(3).value, 7.0f);
    EXPECT_EQ(table.ElementCount(2), 1u);
    EXPECT_EQ(table.ElementCount(3), 4u);
}

TEST(ParameterDeclarations, OptionElementOutOfRangeChangesNothing) {
    Table table;
    table.DeclareOptionParameter(0, "mode", 4, 0);
    table.SetOptionElement(0, 3, "last", 3);
    table.SetOptionElement(0, 4, "beyond", 4);
    table.SetOptionElement(5, 0, "nowhere", 4);
    EXPECT_EQ(table.ElementCount(0), 4u);
    EXPECT_STREQ(table.ElementName(0, 3), "last");
    EXPECT_EQ(table.ElementName(0, 4), nullptr);
}

TEST(ParameterDeclarations, FirstOfTwoEqualIndicesAnswers) {
    Table table;
    table.DeclareParameter(4, "first", kTypeStandard, 0.25f);
    table.DeclareParameter(4, "second", kTypeBoolean, 1);
    EXPECT_EQ(table.ParameterCount(), 2u);
    EXPECT_STREQ(table.ParameterName(4), "first");
    EXPECT_EQ(table.ParameterType(4), kTypeStandard);
}

TEST(ParameterDeclarations, FileParameterTakesOverTheExtensions) {
    Table table;
    std::vector<std::string> extensions = {"png", "gif"};
    table.DeclareFileParameter(0, "file", extensions, "x.png");
    EXPECT_TRUE(extensions.empty());
    EXPECT_EQ(table.ExtensionCount(0), 2u);
    EXPECT_EQ(table.ElementCount(0), 0u);
    EXPECT_STREQ(table.ParameterDefaultOf(0).text, "x.png");
}

TEST(DisplayText, SixDecimalsInSixteenBytes) {
    Table table;
    table.DeclareParameter(0, "a", kTypeStandard, 0);
    table.value = 0.25f;
    EXPECT_EQ(std::string(table.DescribeParameterValue(0), 16), std::string("0.250000\0\0\0\0\0\0\0\0", 16));
    table.value = 1e30f;  // far longer than the buffer: cut, never overrun
    EXPECT_EQ(std::string(table.DescribeParameterValue(0), 16), "1000000015047466");
    EXPECT_EQ(table.DescribeParameterValue(1), nullptr);
}

TEST(RoundOption, OrdinaryValuesAndTheUndefinedOnes) {
    EXPECT_EQ(RoundOption(2.6f), 3);
    EXPECT_EQ(RoundOption(0.49f), 0);
    EXPECT_EQ(RoundOption(0.5f), 1);
    EXPECT_EQ(RoundOption(-0.7f), 0);  // truncation toward zero
    EXPECT_EQ(RoundOption(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(RoundOption(std::numeric_limits<float>::infinity()), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundOption(-std::numeric_limits<float>::infinity()), std::numeric_limits<int>::min());
    EXPECT_EQ(RoundOption(1e30f), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundOption(-1e30f), std::numeric_limits<int>::min());
}

TEST(InstanceBase, KeepsItsOwnCopyOfTheHostIdentity) {
    Table table;
    std::string name = "Host", version = "2.0";
    table.StoreHostIdentity(name.c_str(), version.c_str());
    name.assign(4, 'x');
    version.assign(3, 'x');
    EXPECT_EQ(table.hostName, "Host");
    EXPECT_EQ(table.hostVersion, "2.0");
    table.StoreHostIdentity(nullptr, nullptr);
    EXPECT_EQ(table.hostName, "");
}

TEST(EffectParameters, NumbersAndTheFilePathDoNotMix) {
    ZaqVigilomatronic effect;
    EXPECT_EQ(effect.ApplyParameterValue(kParamOverlayImage, 1.0f), kFailure32);
    EXPECT_EQ(effect.ApplyParameterValue(kParameterCount, 1.0f), kFailure32);
    EXPECT_EQ(effect.ReadParameterValue(kParamOverlayImage), 0.0f);
    EXPECT_EQ(effect.ApplyParameterText(kParamNoise, "x"), kFailure32);
    EXPECT_EQ(effect.ReadParameterText(kParamColorMode), nullptr);
    EXPECT_EQ(effect.ApplyParameterText(kParamOverlayImage, nullptr), 0u);
    EXPECT_TRUE(OverlayInside{EffectTestAccess::Overlay(effect)}.ReloadPending());
    EXPECT_EQ(EffectTestAccess::Overlay(effect).Path(), "");
}

std::string NameField(const char* name, const char* identifier = "ZQ01") {
    PluginRegistration registration{};
    FillRegistration(registration, {nullptr, identifier, name, 2, 1, 2, 1, 0, "", "", nullptr, nullptr});
    return std::string(registration.records.info.identifier, 20);
}

TEST(Registration, FixedFieldsArePaddedAndCut) {
    EXPECT_EQ(NameField("Twelve chars"), std::string("ZQ01Twelve chars\0\0\0\0", 20));
    EXPECT_EQ(NameField("Twenty characters!!!"), "ZQ01Twenty character");
    EXPECT_EQ(NameField("N", "AB"), std::string("AB\0\0N\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 20));
}

TEST(Thumbnail, LinesAreClippedPointByPoint) {
    std::vector<uint32_t> pixels(kThumbnailPixels, 0);
    PlotLine(pixels.data(), {150, 5}, {170, 5}, PackRGBA(1, 2, 3, 4));
    for (int x = 150; x < 160; ++x) EXPECT_EQ(pixels[5 * 160 + x], PackRGBA(1, 2, 3, 4));
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0u), 160 * 120 - 10);
    PlotLine(pixels.data(), {-5, -5}, {2, 2}, PackRGBA(9, 9, 9, 9));  // diagonal entering the grid at its corner
    EXPECT_EQ(pixels[0], PackRGBA(9, 9, 9, 9));
    EXPECT_EQ(pixels[2 * 160 + 2], PackRGBA(9, 9, 9, 9));
}

std::vector<std::string> logged;

TEST(Log, ReachesTheCallbackUnchangedOrNowhere) {
    LogMessage("dropped");  // no callback yet
    InstallLogCallback([](const char* text) { logged.push_back(text); });
    LogMessage("first frames");
    LogMessage(nullptr);
    InstallLogCallback(nullptr);
    LogMessage("dropped too");
    EXPECT_EQ(logged, std::vector<std::string>{"first frames"});
}

}  // namespace
