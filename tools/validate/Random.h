// The validator's random numbers: the same sequence from the same seed on every
// platform, so a printed seed replays a run.
#pragma once

#include <cstdint>

class Random {
public:
    explicit Random(uint64_t seed) : state(seed) {}

    // splitmix64.
    uint64_t Next() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A number from 0 to count - 1; count must be above 0.
    uint32_t Below(uint32_t count) { return static_cast<uint32_t>(Next() % count); }
    bool Chance(uint32_t percent) { return Below(100) < percent; }
    float Unit() { return static_cast<float>(Next() >> 40) / static_cast<float>(1 << 24); }

private:
    uint64_t state;
};
