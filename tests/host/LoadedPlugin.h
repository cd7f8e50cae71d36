// The built library loaded as a host loads it, with shorthands for plugMain.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "abi/ffgl_abi.h"
#include "tools/hostkit/PluginLibrary.h"

class LoadedPlugin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        library = new PluginLibrary();
        std::string error;
        ASSERT_TRUE(library->Load(VIGIL_PLUGIN_PATH, &error)) << error;
    }
    static void TearDownTestSuite() {
        delete library;
        library = nullptr;
    }

    static uint64_t Call(uint32_t code, uint64_t input = 0, void* instance = nullptr) {
        return library->plugMain(code, input, instance);
    }
    template <typename T>
    static uint64_t CallWith(uint32_t code, T* record, void* instance = nullptr) {
        return Call(code, ffgl::PointerBits(record), instance);
    }
    static const char* Text(uint64_t answer) { return ffgl::BitsPointer<const char>(answer); }

    static inline PluginLibrary* library = nullptr;
};
