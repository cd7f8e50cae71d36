// Doors into the plug-in that only tests open. The test copy of the library
// (ZaqVigilomatronicTestDoors: the plug-in's own objects and this one export more) has
// them; the product library exports plugMain and SetLogCallback alone.
#pragma once

#include <cstdint>

extern "C" {
// Sets an instance's count of processed frames, so a test starts a show hours late
// instead of rendering every frame of them: the next frame is frameCounter + 1.
using SetFrameCounterDoor = void (*)(void* instance, int32_t frameCounter);
}

constexpr const char* kSetFrameCounterDoor = "VigilTestDoorSetFrameCounter";
