// The doors of tests/support/TestDoors.h, built only into the test copy of the plug-in.
#include "tests/support/TestDoors.h"

#include "tests/support/EffectTestAccess.h"

extern "C" __attribute__((visibility("default"))) void VigilTestDoorSetFrameCounter(void* instance,
                                                                                    int32_t frameCounter) {
    // The handle is what code 18 answered: the instance as the host-facing base.
    if (auto* effect = dynamic_cast<ZaqVigilomatronic*>(static_cast<CFFGLPlugin*>(instance)))
        EffectTestAccess::FrameCounter(*effect) = frameCounter;
}
