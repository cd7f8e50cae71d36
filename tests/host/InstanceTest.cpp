// An instance's life through plugMain with a real GL context current, as a host drives it.
#include "tests/support/HostedPlugin.h"

using namespace ffgl;

namespace {

class Instance : public HostedInstance {
protected:
    Instance() { height = 48; }
    std::string Display(uint32_t index) { return std::string(Text(Call(kGetParameterDisplay, index, instance)), 16); }
};

TEST_F(Instance, CreationNeedsAViewport) { EXPECT_EQ(Call(kInstantiate, 0), kFailure); }

TEST_F(Instance, StartsWithTheDeclaredDefaults) {
    const float expected[] = {0, 1, 0, 1, 0, 0, 1, 0, 0};
    for (uint32_t i = 0; i < 9; ++i) EXPECT_EQ(Call(kGetParameter, i, instance), FloatBits(expected[i])) << i;
    EXPECT_EQ(Call(kGetParameter, 10, instance), FloatBits(0.0f));
    EXPECT_STREQ(Text(Call(kGetParameter, 9, instance)), "");
}

TEST_F(Instance, ValuesAndTheirDisplayTexts) {
    ASSERT_EQ(SetValue(1, 0.25f), kSuccess);
    EXPECT_EQ(Call(kGetParameter, 1, instance), FloatBits(0.25f));
    EXPECT_EQ(Display(1), std::string("0.250000\0\0\0\0\0\0\0\0", 16));
    ASSERT_EQ(SetValue(7, 100000000.0f), kSuccess);
    EXPECT_EQ(Display(7), "100000000.000000");
    ASSERT_EQ(SetValue(2, 2.6f), kSuccess);  // stored as sent, rounded only where used
    EXPECT_EQ(Call(kGetParameter, 2, instance), FloatBits(2.6f));
    EXPECT_EQ(Call(kGetParameterDisplay, 99, instance), 0u);
    EXPECT_EQ(SetValue(static_cast<uint32_t>(Call(kGetParameterCount)), 0.5f), kFailure);  // past the table
}

TEST_F(Instance, OverlayPathTravelsAsText) {
    std::string path = "/tmp/overlay.png";
    ASSERT_EQ(SetText(9, path.c_str()), kSuccess);
    path.assign(path.size(), 'z');  // the plug-in keeps its own copy
    EXPECT_STREQ(Text(Call(kGetParameter, 9, instance)), "/tmp/overlay.png");
    EXPECT_STREQ(Text(Call(kGetParameterDisplay, 9, instance)), "/tmp/overlay.png");
    EXPECT_EQ(SetText(9, nullptr), kSuccess);
    EXPECT_STREQ(Text(Call(kGetParameter, 9, instance)), "");
    const std::string longPath(600, 'p');  // answered cut to the shared 512-byte buffer
    ASSERT_EQ(SetText(9, longPath.c_str()), kSuccess);
    EXPECT_EQ(std::string(Text(Call(kGetParameter, 9, instance))), longPath.substr(0, 511));
}

TEST_F(Instance, HostFactsAndQueries) {
    EXPECT_EQ(Call(kGetInputStatus, 0, instance), 1u);
    EXPECT_EQ(Call(kGetInputStatus, 1, instance), kFailure);
    EXPECT_EQ(Call(kGetInputStatus, 5, instance), kFailure);
    double seconds = 12.5;
    EXPECT_EQ(CallWith(kSetTime, &seconds, instance), kSuccess);
    TempoRecord tempo{128, 0.25f};
    EXPECT_EQ(CallWith(kSetTempo, &tempo, instance), kSuccess);
    HostIdentityRecord identity{"Host", "1.0"};
    EXPECT_EQ(CallWith(kSetHostIdentity, &identity, instance), kSuccess);
    EXPECT_EQ(Call(kSetSampleRate, 48000, instance), kSuccess);
    ViewportRecord viewport{0, 0, 32, 32};
    EXPECT_EQ(CallWith(kResize, &viewport, instance), kSuccess);
    EXPECT_EQ(Call(kEnableCapability, kCapTopLeftOrientation, instance), kFailure);
    EXPECT_EQ(Call(kConnect, 0, instance), kSuccess);
    EXPECT_EQ(Call(kDisconnect, 0, instance), kSuccess);
}

TEST_F(Instance, ElementValuesChangeOnlyTheInstancesTable) {
    ElementQueryRecord query{0, 3, 7.5f};
    EXPECT_EQ(CallWith(kSetElementValue, &query, instance), kSuccess);
    EXPECT_EQ(CallWith(kGetElementValue, &query, instance), FloatBits(7.5f));
    EXPECT_EQ(CallWith(kGetElementValue, &query), FloatBits(3.0f));
    ElementQueryRecord beyond{0, 4, 1};
    EXPECT_EQ(CallWith(kSetElementValue, &beyond, instance), kFailure);
}

TEST_F(Instance, NoEventsAndEmptyDisplayNames) {
    EventEntry entries[2] = {{7, 7, 7}, {7, 7, 7}};
    EventQueryRecord events{99, 0, nullptr};
    EXPECT_EQ(CallWith(kGetParameterEvents, &events, instance), kSuccess);
    EXPECT_EQ(events.count, 0u);
    events = {2, 0, entries};
    EXPECT_EQ(CallWith(kGetParameterEvents, &events, instance), kSuccess);
    EXPECT_EQ(events.count, 0u);
    EXPECT_EQ(entries[0].index, 7u);

    char buffer[4] = {'x', 'x', 'x', 'x'};
    TextQueryRecord text{0, 0, buffer, sizeof buffer};
    EXPECT_EQ(CallWith(kGetDisplayName, &text, instance), kSuccess);
    EXPECT_EQ(std::string(buffer, 4), "xxxx");
    text.bufferSize = 0;
    EXPECT_EQ(CallWith(kGetDisplayName, &text, instance), kFailure);
}

TEST_F(Instance, FrameWithoutAnInputFails) {
    ProcessingRecord frame{0, 0, nullptr, 0, 0};
    EXPECT_EQ(CallWith(kProcessFrame, &frame, instance), kFailure);
}

// A host that passes no record gets a plain refusal, never a crash.
TEST_F(Instance, NullRecords) {
    for (uint32_t code : {kSetParameter, kProcessFrame, kSetTime, kResize, kSetElementValue, kSetTempo,
                          kSetHostIdentity, kGetParameterEvents, kGetDisplayName})
        EXPECT_EQ(Call(code, 0, instance), kFailure) << "code " << code;
    EXPECT_EQ(Call(kGetElementName, 0, instance), 0u);
}

TEST_F(Instance, TwoInstancesLiveSideBySide) {
    ViewportRecord viewport{0, 0, 16, 16};
    void* second = BitsPointer<void>(CallWith(kInstantiate, &viewport));
    ASSERT_NE(PointerBits(second), kFailure);
    ASSERT_EQ(SetValue(8, 0.75f), kSuccess);
    EXPECT_EQ(Call(kGetParameter, 8, second), FloatBits(0.0f));
    EXPECT_EQ(Call(kDeinstantiate, 0, second), kSuccess);
    EXPECT_EQ(Call(kDeinitialise), kSuccess);  // leaves live instances alone
    EXPECT_EQ(Call(kGetParameter, 8, instance), FloatBits(0.75f));
}

// A handle destroyed already, or never one of ours, is refused without being read and
// without a log line; the live instance goes on.
TEST_F(Instance, StaleAndForeignHandlesAreRefused) {
    ViewportRecord viewport{0, 0, 16, 16};
    void* stale = BitsPointer<void>(CallWith(kInstantiate, &viewport));
    ASSERT_EQ(Call(kDeinstantiate, 0, stale), kSuccess);
    uint64_t foreignBytes[64] = {};
    TextureRecord texture{16, 16, 16, 16, input.texture};
    TextureRecord* inputs[1] = {&texture};
    ProcessingRecord frame{1, 0, inputs, target.framebuffer, 0};
    SetParameterRecord value{8, 0, FloatBits(0.5f)};
    ElementQueryRecord element{0, 1, 0};
    log->Clear();
    for (void* handle : {stale, static_cast<void*>(foreignBytes)}) {
        EXPECT_EQ(CallWith(kSetParameter, &value, handle), kFailure);
        EXPECT_EQ(Call(kGetParameter, 8, handle), kFailure);
        EXPECT_EQ(CallWith(kProcessFrame, &frame, handle), kFailure);
        EXPECT_EQ(CallWith(kGetElementName, &element, handle), 0u);
        EXPECT_EQ(Call(kDeinstantiate, 0, handle), kFailure);
    }
    EXPECT_TRUE(log->lines().empty());
    EXPECT_EQ(CallWith(kProcessFrame, &frame, instance), kSuccess);
}

}  // namespace
