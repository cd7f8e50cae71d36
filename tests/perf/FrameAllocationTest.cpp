// After its first frame, a frame allocates nothing. Every C++ allocation of this process
// goes through the counting operator new below; malloc is left alone because the GL
// driver (Mesa's llvmpipe) mallocs its own per-frame work, which is not the plug-in's.
// The driver's compiler (LLVM) is C++, though: the frames that build the processing
// program for new settings are rendered before counting.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "effect/hud/InfoBlock.h"
#include "tests/support/EffectRender.h"

namespace {

// Only the thread that switched counting on counts: a driver's own threads (zink builds
// pipelines on one) allocate for the driver, not for the plug-in.
thread_local bool counting = false;
std::atomic<long> allocations{0};

void* Allocate(std::size_t size) {
    if (counting) allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

class FrameAllocation : public EffectRender {
protected:
    FrameAllocation() {
        targetWidth = 160;
        targetHeight = 90;
    }

    template <typename Draw>
    long AllocationsOf(int times, Draw&& draw) {
        allocations = 0;
        counting = true;
        for (int i = 0; i < times; ++i) draw();
        counting = false;
        return allocations.load();
    }
    long AllocationsOver(int frames) {
        return AllocationsOf(frames, [this] { EXPECT_EQ(RenderFrame(), 0u); });
    }

    // Renders until the processing program for these settings is built.
    void RenderUntilBuilt(const ProcessingVariant& variant) {
        ProcessingPrograms& programs = EffectTestAccess::Programs(EffectTestAccess::Pass(*effect));
        programs.SetBuildingInFrames(true);  // whatever set-up found the driver's cache to be
        for (int frame = 0; frame < 1000 && !programs.Built(variant); ++frame) ASSERT_EQ(RenderFrame(), 0u);
        ASSERT_NE(programs.Built(variant), nullptr);
    }
};

TEST_F(FrameAllocation, NoFrameAfterTheFirstAllocatesWithEveryElementOn) {
    UploadSolid(40, 80, 60);
    Set(kParamCrosshair, 2.0f);
    Set(kParamGrid, 3.0f);
    Set(kParamScanLine, 3.0f);
    Set(kParamNoise, 0.5f);
    Set(kParamGlitch, 0.5f);
    ASSERT_EQ(RenderFrame(), 0u);
    RenderUntilBuilt({0, true, true, true, false});
    EXPECT_EQ(AllocationsOver(100), 0);
}

TEST_F(FrameAllocation, NorWithTheOtherStylesAndTheClockWithoutLocalTime) {
    UploadSolid(40, 80, 60);
    Set(kParamCrosshair, 1.0f);
    Set(kParamGrid, 1.0f);
    Set(kParamScanLine, 1.0f);
    ASSERT_EQ(RenderFrame(), 0u);
    RenderUntilBuilt({0, false, false, true, false});
    EXPECT_EQ(AllocationsOver(50), 0);
    Set(kParamCrosshair, 3.0f);
    Set(kParamGrid, 2.0f);
    Set(kParamScanLine, 2.0f);
    EXPECT_EQ(AllocationsOver(50), 0);
    // The info block as a frame draws it, its clock without local time; once before
    // counting, so that the driver builds its program for the state it meets here.
    auto drawBlock = [this] {
        glEnable(GL_BLEND);
        HudFrameScope frame(Hud());
        DrawInfoBlock(Hud(), kHudBaseColor, 1.0f, 0.0f, 125, std::nullopt);
    };
    drawBlock();
    EXPECT_EQ(AllocationsOf(50, drawBlock), 0);
    glDisable(GL_BLEND);
}

TEST_F(FrameAllocation, TheCounterSeesAllocations) {
    allocations = 0;
    counting = true;
    std::string* text = new std::string(100, 'x');
    counting = false;
    delete text;
    EXPECT_GE(allocations.load(), 2);
}

}  // namespace
