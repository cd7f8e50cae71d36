// How the entry point drives an instance's life, observed from inside the process.
#include <gtest/gtest.h>

#include <memory>

#include "tests/host/ProbePlugin.h"
#include "tools/hostkit/GlContext.h"

using namespace ffgl;

namespace {

class LifeCycle : public ::testing::Test {
protected:
    void SetUp() override {
        probe = ProbeCounts{};
        RegisterProbe();
        std::string error;
        context = GlContext::Create(&error);
        ASSERT_NE(context, nullptr) << error;
    }

    void* Create() {
        ViewportRecord viewport{0, 0, 8, 8};
        const uint64_t handle = plugMain(kInstantiate, PointerBits(&viewport), nullptr);
        return handle == kFailure ? nullptr : BitsPointer<void>(handle);
    }

    std::unique_ptr<GlContext> context;
    ProcessingRecord frame{};
};

TEST_F(LifeCycle, CreationAppliesTheDefaultsThroughTheSetters) {
    void* instance = Create();
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(probe.applied, (std::vector<std::string>{"0=0.500000", "1=a.png"}));
    EXPECT_EQ(probe.setUps, 1);
    EXPECT_EQ(plugMain(kDeinstantiate, 0, instance), kSuccess);
    EXPECT_EQ(probe.tearDowns, 1);
    EXPECT_EQ(probe.destroyed, 1);  // the prototype lives on
}

TEST_F(LifeCycle, FirstFrameConnectsOnce) {
    void* instance = Create();
    EXPECT_EQ(plugMain(kProcessFrame, PointerBits(&frame), instance), kSuccess);
    EXPECT_EQ(plugMain(kProcessFrame, PointerBits(&frame), instance), kSuccess);
    EXPECT_EQ(probe.opened, 1);
    plugMain(kDeinstantiate, 0, instance);
    EXPECT_EQ(probe.closed, 1);
}

TEST_F(LifeCycle, DestructionClosesOnlyAnOpenConnection) {
    void* connected = Create();
    plugMain(kConnect, 0, connected);
    plugMain(kDeinstantiate, 0, connected);
    EXPECT_EQ(probe.closed, 1);
    void* disconnected = Create();
    plugMain(kConnect, 0, disconnected);
    plugMain(kDisconnect, 0, disconnected);
    plugMain(kDeinstantiate, 0, disconnected);
    EXPECT_EQ(probe.closed, 2);
}

TEST_F(LifeCycle, FailedSetUpTearsDownAndDestroysTheInstance) {
    probe.setUpResult = kFailure32;
    EXPECT_EQ(Create(), nullptr);
    EXPECT_EQ(probe.tearDowns, 1);
    EXPECT_EQ(probe.constructed - probe.destroyed, 1);  // only the prototype
}

TEST_F(LifeCycle, FactoryFailureLeavesNoPrototype) {
    probe.factoryFails = true;
    EXPECT_EQ(plugMain(kInitialise, 0, nullptr), kFailure);
    EXPECT_EQ(plugMain(kGetParameterCount, 0, nullptr), kFailure);
    EXPECT_EQ(plugMain(kGetParameterName, 0, nullptr), 0u);
    EXPECT_EQ(plugMain(kGetAuxiliaryCount, 0, nullptr), 0u);
    EXPECT_EQ(Create(), nullptr);
    probe.factoryFails = false;
    EXPECT_EQ(plugMain(kGetParameterCount, 0, nullptr), 2u);
}

TEST_F(LifeCycle, GlobalHooks) {
    probe.initialiseResult = 7;
    EXPECT_EQ(plugMain(kInitialise, 0, nullptr), 7u);
    EXPECT_EQ(probe.constructed, 0);
    probe.initialiseResult = 0;
    EXPECT_EQ(plugMain(kInitialise, 0, nullptr), kSuccess);
    EXPECT_EQ(plugMain(kDeinitialise, 0, nullptr), kSuccess);
    EXPECT_EQ(probe.deinitialised, 1);
    EXPECT_EQ(probe.destroyed, 1);
}

TEST_F(LifeCycle, ExceptionsNeverReachTheHost) {
    EXPECT_EQ(plugMain(kGetShortName, 0, nullptr), 0u);
    void* instance = Create();
    SetParameterRecord negative{0, 0, FloatBits(-1.0f)};
    EXPECT_EQ(plugMain(kSetParameter, PointerBits(&negative), instance), kFailure);
    plugMain(kDeinstantiate, 0, instance);
}

}  // namespace
