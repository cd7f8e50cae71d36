// A tiny framebuffer of our own, for drawing at set-up what no one will see: the driver
// builds a program at its first draw, and drawing each one here moves that cost out of
// the show. Creating it saves the host's framebuffers, viewport and blending and binds
// the target; releasing it deletes its names and gives the host's state back. Like every
// holder here it makes no GL call of its own accord: its owner releases it.
#pragma once

#include <cstdint>

class ScratchTarget {
public:
    static constexpr int kSide = 4;
    // Textures to sample, 8-bit RGBA, linear, clamped to their edges, as hosts' inputs
    // mostly are: one whose side is no power of two, as video pictures, and one whose side
    // is, as the padded allocations of hosts that want such sides. Drivers build other
    // code for each.
    static constexpr int kPictureSide = 3;
    static constexpr int kPowerOfTwoSide = 4;

    ScratchTarget() = default;
    // Makes no GL call: the names are freed by Release, while the context is current.
    ~ScratchTarget() = default;
    ScratchTarget(const ScratchTarget&) = delete;
    ScratchTarget& operator=(const ScratchTarget&) = delete;

    // False, with the host's state back and nothing held, when the target is incomplete.
    bool Create();
    void Release();

    uint32_t Framebuffer() const { return framebuffer; }
    uint32_t PictureTexture() const { return picture; }
    uint32_t PowerOfTwoTexture() const { return powerOfTwo; }

private:
    struct HostState {
        int32_t drawFramebuffer = 0;
        int32_t readFramebuffer = 0;
        int32_t viewport[4] = {0, 0, 0, 0};
        bool blend = false;
        int32_t blendFactors[4] = {0, 0, 0, 0};  // source and destination, colour then alpha
    };

    uint32_t framebuffer = 0;
    uint32_t colour = 0;
    uint32_t picture = 0;
    uint32_t powerOfTwo = 0;
    HostState host;
    bool saved = false;
};
