// What a host learns before it makes an instance: records, capabilities, the parameter
// table, and the answers to codes it should not send.
#include <cstdio>
#include <iterator>
#include <set>
#include <vector>

#include "tests/support/HostedPlugin.h"

using namespace ffgl;

namespace {

class GlobalQueries : public LoadedPlugin {};

TEST_F(GlobalQueries, LibraryExportsExactlyTheTwoEntryPoints) {
    const std::string command = std::string("nm -D --defined-only '") + VIGIL_PLUGIN_PATH + "'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> symbols;
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) {
        char address[64], kind[8], name[400];
        if (std::sscanf(line, "%63s %7s %399s", address, kind, name) == 3) symbols.insert(name);
    }
    ASSERT_EQ(pclose(pipe), 0);
    EXPECT_EQ(symbols, (std::set<std::string>{"plugMain", "SetLogCallback"}));
}

TEST_F(GlobalQueries, InfoRecordBytes) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(Call(kGetInfo));
    ASSERT_NE(bytes, nullptr);
    const unsigned char expected[32] = {2,   0,   0,   0,   1,   0,   0,   0,   'Z', 'Q', '0', '1', 'Z', 'A', 'Q', ' ',
                                        'V', 'i', 'g', 'i', 'l', 'o', 'm', 'a', 't', 'r', 'o', 'n', 0,   0,   0,   0};
    EXPECT_EQ(std::vector<unsigned char>(bytes, bytes + 32), std::vector<unsigned char>(expected, expected + 32));
}

TEST_F(GlobalQueries, ExtendedInfoRecordFollowsTheInfoRecord) {
    const uint64_t info = Call(kGetInfo);
    const uint64_t extended = Call(kGetExtendedInfo);
    ASSERT_EQ(extended, info + 32);
    const auto* record = BitsPointer<const ExtendedInfoRecord>(extended);
    EXPECT_EQ(record->pluginMajorVersion, 2u);
    EXPECT_EQ(record->pluginMinorVersion, 1u);
    EXPECT_STREQ(record->description, "ZAQ OLM surveillance HUD \xE2\x80\x94 simplified 10-param version");
    EXPECT_STREQ(record->about, "Quillfen Studios");
    EXPECT_EQ(record->extendedDataSize, 0u);
    EXPECT_EQ(record->extendedData, nullptr);
}

TEST_F(GlobalQueries, UnservedCodesFail) {
    for (uint32_t code : {1u, 3u, 11u, 12u, 14u, 24u, 27u, 30u, 52u, 0xFFFFFFFFu}) {
        EXPECT_EQ(Call(code), kFailure) << "code " << code;
    }
}

TEST_F(GlobalQueries, CodesThatNeedAnInstanceFailWithoutOne) {
    double seconds = 1.0;
    for (uint32_t code : {7u, 8u, 9u, 16u, 17u, 19u, 20u, 21u, 22u, 23u, 37u, 38u, 39u, 40u, 46u, 49u, 51u}) {
        EXPECT_EQ(CallWith(code, &seconds), kFailure) << "code " << code;
    }
}

// Every parameter as hosts see it, in index order.
struct Declared {
    const char* name;
    uint32_t type;
    float defaultValue;
    uint32_t elements;
};

const Declared kDeclared[] = {
    {"Color Mode", kTypeOption, 0, 4},  {"HUD Opacity", kTypeStandard, 1, 1}, {"Crosshair", kTypeOption, 0, 4},
    {"Corners", kTypeBoolean, 1, 1},    {"Scan Line", kTypeOption, 0, 4},     {"Grid", kTypeOption, 0, 4},
    {"Show Info", kTypeBoolean, 1, 1},  {"Noise", kTypeStandard, 0, 1},       {"Glitch", kTypeStandard, 0, 1},
    {"Overlay Image", kTypeFile, 0, 0}, {"Hue Shift", kTypeStandard, 0, 1},
};

TEST_F(GlobalQueries, PrototypeIsMadeOnDemandAndRemadeAfterDeinitialisation) {
    EXPECT_EQ(Call(kGetParameterCount), std::size(kDeclared));
    EXPECT_EQ(Call(kDeinitialise), kSuccess);
    EXPECT_EQ(Call(kGetParameterCount), std::size(kDeclared));
    EXPECT_STREQ(Text(Call(kGetParameterName, 10)), "Hue Shift");
    EXPECT_EQ(Call(kInitialise), kSuccess);
    EXPECT_EQ(Call(kInitialise), kSuccess);
    EXPECT_EQ(Call(kDeinitialise), kSuccess);
    EXPECT_EQ(Call(kDeinitialise), kSuccess);
}

TEST_F(GlobalQueries, Capabilities) {
    for (uint32_t yes : {5u, 10u, 11u}) EXPECT_EQ(Call(kGetCapability, yes), 1u) << yes;
    for (uint32_t no : {0u, 4u, 16u, 99u}) EXPECT_EQ(Call(kGetCapability, no), 0u) << no;
}

TEST_F(GlobalQueries, ParameterTable) {
    for (uint32_t i = 0; i < std::size(kDeclared); ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(Text(Call(kGetParameterName, i)), kDeclared[i].name);
        EXPECT_EQ(Call(kGetParameterType, i), kDeclared[i].type);
        EXPECT_EQ(Call(kGetElementCount, i), kDeclared[i].elements);
        EXPECT_EQ(Call(kGetHintCode, i), 0u);
        EXPECT_EQ(Call(kGetVisibility, i), 1u);
        EXPECT_EQ(Call(kGetAuxiliaryCount, i), 0u);
        RangeRecord range{i, -5, -5};
        EXPECT_EQ(CallWith(kGetRange, &range), kSuccess);
        EXPECT_EQ(range.minimum, 0.0f);
        EXPECT_EQ(range.maximum, 1.0f);
        if (kDeclared[i].type == kTypeFile) continue;  // its default is text
        EXPECT_EQ(Call(kGetParameterDefault, i), FloatBits(kDeclared[i].defaultValue));
    }
    EXPECT_STREQ(Text(Call(kGetParameterDefault, 9)), "");
    EXPECT_EQ(Call(kGetShortName), 0u);
}

TEST_F(GlobalQueries, OptionElementsAndExtensions) {
    const char* crosshair[] = {"Off", "Standard", "Tactical", "Minimal"};
    for (uint32_t n = 0; n < 4; ++n) {
        ElementQueryRecord query{2, n, 0};
        EXPECT_STREQ(Text(CallWith(kGetElementName, &query)), crosshair[n]);
        EXPECT_EQ(CallWith(kGetElementValue, &query), FloatBits(static_cast<float>(n)));
    }
    ElementQueryRecord single{1, 0, 0};
    EXPECT_STREQ(Text(CallWith(kGetElementName, &single)), "");
    EXPECT_EQ(CallWith(kGetElementValue, &single), FloatBits(0.0f));
    ElementQueryRecord beyond{0, 4, 0};
    EXPECT_EQ(CallWith(kGetElementName, &beyond), 0u);
    EXPECT_EQ(CallWith(kGetElementValue, &beyond), kFailure);

    EXPECT_EQ(Call(kGetExtensionCount, 9), 6u);
    EXPECT_EQ(Call(kGetExtensionCount, 1), 0u);
    const char* extensions[] = {"png", "jpg", "jpeg", "bmp", "tga", "gif"};
    for (uint32_t n = 0; n < 6; ++n) {
        ElementQueryRecord query{9, n, 0};
        EXPECT_STREQ(Text(CallWith(kGetExtension, &query)), extensions[n]);
    }
    ElementQueryRecord seventh{9, 6, 0};
    EXPECT_EQ(CallWith(kGetExtension, &seventh), 0u);
    ElementQueryRecord auxiliary{0, 0, 0};
    EXPECT_EQ(CallWith(kGetAuxiliaryEntry, &auxiliary), kFailure);
}

TEST_F(GlobalQueries, UndeclaredIndex) {
    EXPECT_EQ(Call(kGetParameterName, 99), 0u);
    EXPECT_EQ(Call(kGetParameterType, 99), kFailure);
    EXPECT_EQ(Call(kGetParameterDefault, 99), kFailure);
    EXPECT_EQ(Call(kGetElementCount, 99), kFailure);
    EXPECT_EQ(Call(kGetHintCode, 99), kFailure);
    EXPECT_EQ(Call(kGetVisibility, 99), kFailure);
    EXPECT_EQ(Call(kGetExtensionCount, 99), 0u);
    EXPECT_EQ(Call(kGetAuxiliaryCount, 99), 0u);
    RangeRecord range{99, -5, -5};
    EXPECT_EQ(CallWith(kGetRange, &range), kSuccess);
    EXPECT_EQ(range.minimum, 0.0f);
    EXPECT_EQ(range.maximum, 1.0f);
}

TEST_F(GlobalQueries, GroupNameCopiesNothingAndNeedsABuffer) {
    char buffer[8] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};
    TextQueryRecord query{3, 0, buffer, sizeof buffer};
    EXPECT_EQ(CallWith(kGetGroupName, &query), kSuccess);
    EXPECT_EQ(std::string(buffer, 8), "xxxxxxxx");
    query.bufferSize = 0;
    EXPECT_EQ(CallWith(kGetGroupName, &query), kFailure);
}

// A host that passes no record gets a plain refusal, never a crash.
TEST_F(GlobalQueries, NullRecords) {
    EXPECT_EQ(Call(kGetElementName, 0), 0u);
    EXPECT_EQ(Call(kGetExtension, 0), 0u);
    for (uint32_t code : {kGetElementValue, kGetRange, kGetThumbnail, kGetAuxiliaryEntry, kGetGroupName, kInstantiate})
        EXPECT_EQ(Call(code, 0), kFailure) << "code " << code;
}

}  // namespace
