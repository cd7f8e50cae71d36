// A failed GLEW initialisation is final for the process: this executable starts without
// a GL context, so the first instance creation fails, and no later one may succeed.
#include <gtest/gtest.h>

#include <memory>

#include "effect/EffectParameters.h"
#include "tests/host/ProbePlugin.h"
#include "tools/hostkit/GlContext.h"
#include "tools/hostkit/PluginLibrary.h"

using namespace ffgl;

namespace {

ViewportRecord viewport{0, 0, 8, 8};

TEST(GlewFailure, IsPermanentThroughTheLibrary) {
    PluginLibrary library;
    std::string error;
    ASSERT_TRUE(library.Load(VIGIL_PLUGIN_PATH, &error)) << error;
    EXPECT_EQ(library.plugMain(kInstantiate, PointerBits(&viewport), nullptr), kFailure);
    auto context = GlContext::Create(&error);
    ASSERT_NE(context, nullptr) << error;
    EXPECT_EQ(library.plugMain(kInstantiate, PointerBits(&viewport), nullptr), kFailure);
    // The global phase is unaffected.
    EXPECT_EQ(library.plugMain(kGetParameterCount, 0, nullptr), kParameterCount);
}

TEST(GlewFailure, DestroysTheInstanceThatCouldNotStart) {
    probe = ProbeCounts{};
    RegisterProbe();
    EXPECT_EQ(plugMain(kInstantiate, PointerBits(&viewport), nullptr), kFailure);
    EXPECT_EQ(probe.constructed, 2);  // the prototype and the instance
    EXPECT_EQ(probe.destroyed, 1);
    EXPECT_EQ(probe.setUps, 0);
    std::string error;
    auto context = GlContext::Create(&error);
    ASSERT_NE(context, nullptr) << error;
    EXPECT_EQ(plugMain(kInstantiate, PointerBits(&viewport), nullptr), kFailure);
    EXPECT_EQ(probe.destroyed, 2);
    EXPECT_EQ(probe.setUps, 0);
}

}  // namespace
