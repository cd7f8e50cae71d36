// A show that runs for days, through plugMain: the test copy of the library starts an
// instance's frame count hours, days or a year late (tests/support/TestDoors.h), and the
// frames drawn there are read back. The noise keeps the grain of the first minute, and the
// scan line and the radar step as evenly as in the first minutes, across the wrap of the
// motion's 600 s period too.
#include <dlfcn.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "tests/support/HostedPlugin.h"
#include "tests/support/TestDoors.h"

namespace {

constexpr uint32_t kCorners = 3, kScanLine = 4, kShowInfo = 6, kNoise = 7;
constexpr int32_t kMinute = 60 * 60, kHour = 60 * kMinute, kDay = 24 * kHour, kPeriod = 10 * kMinute;

struct ShowTime {
    const char* name;
    int32_t frame;
};

// Each a whole number of periods: the frames before one close a period, those after open the next.
constexpr ShowTime kLateTimes[] = {
    {"10 min", kPeriod}, {"8 h", 8 * kHour}, {"24 h", kDay}, {"1 week", 7 * kDay}, {"1 year", 365 * kDay}};

class LongShow : public HostedInstance {
protected:
    void SetUp() override {
        HostedInstance::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        void* handle = dlopen(VIGIL_PLUGIN_PATH, RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(handle, nullptr);
        setFrameCounter = reinterpret_cast<SetFrameCounterDoor>(dlsym(handle, kSetFrameCounterDoor));
        dlclose(handle);  // only the reference taken here: the suite keeps the library loaded
        ASSERT_NE(setFrameCounter, nullptr) << "the test copy of the library has no door";
        for (const uint32_t off : {kCorners, kShowInfo}) Set(off, 0.0f);
    }

    void Set(uint32_t index, float value) { ASSERT_EQ(SetValue(index, value), ffgl::kSuccess); }

    // Frame number `frame` of the show, read back.
    Pixels FrameNumber(int32_t frame) {
        setFrameCounter(instance, frame - 1);
        EXPECT_EQ(Frame(), ffgl::kSuccess) << "frame " << frame;
        return Read();
    }

    // Checks the steps from two frames before the time to one after it against the nominal
    // step, in the units `measure` gives, within 5 %; `turn` is where the measure wraps round.
    template <typename Measure>
    void ExpectEvenSteps(const char* what, const ShowTime& time, Measure measure, double nominal, double turn) {
        double lowest = 1e9, highest = -1e9;
        double last = measure(FrameNumber(time.frame - 2));
        for (int32_t frame = time.frame - 1; frame <= time.frame + 1; ++frame) {
            const double now = measure(FrameNumber(frame));
            const double step = std::remainder(now - last, turn);
            lowest = std::fmin(lowest, step);
            highest = std::fmax(highest, step);
            EXPECT_NEAR(step, nominal, nominal * 0.05)
                << what << " from frame " << frame - 1 << " to " << frame << " (" << time.name << ")";
            last = now;
        }
        std::printf("%s steps around %s: %.5f to %.5f (nominal %.5f)\n", what, time.name, lowest, highest, nominal);
    }

    SetFrameCounterDoor setFrameCounter = nullptr;
};

// A flat grey input with "Noise" at 1, at the size where the grain was first seen to clot.
class LongShowNoise : public LongShow {
protected:
    LongShowNoise() {
        width = 1920;
        height = 1080;
        inputColor = {128, 128, 128, 255};
    }

    // Pixels per run of equal neighbours along the rows: 1 when every pixel differs from the last.
    static double MeanRun(const Pixels& pixels) {
        long runs = 0;
        for (int y = 0; y < pixels.height; ++y)
            for (int x = 0; x < pixels.width; ++x)
                runs += x == 0 || std::memcmp(pixels.At(x, y), pixels.At(x - 1, y), 3) != 0 ? 1 : 0;
        return static_cast<double>(pixels.width) * pixels.height / static_cast<double>(runs);
    }
};

TEST_F(LongShowNoise, KeepsTheFirstMinutesGrainForAYear) {
    Set(kNoise, 1.0f);
    const double first = MeanRun(FrameNumber(kMinute));
    std::printf("noise mean run at 1 min: %.3f px\n", first);
    EXPECT_LE(first, 1.05);
    // The period's last frame, where the shaders' time is largest.
    for (const ShowTime& time : kLateTimes) {
        const double run = MeanRun(FrameNumber(time.frame - 1));
        std::printf("noise mean run a frame before %s: %.3f px\n", time.name, run);
        EXPECT_LE(run, 1.05) << time.name;
    }
}

// A column 8192 pixels tall: the horizontal scan line steps about 37 pixels a frame.
class LongShowScanLine : public LongShow {
protected:
    LongShowScanLine() {
        width = 16;
        height = 8192;
    }

    // Where the line is, in pixels from the bottom: the middle of the rows it lights. The
    // line's alpha of 0.8 lifts green far above the scan glow of the black input below it.
    static double LineHeight(const Pixels& pixels) {
        double sum = 0.0;
        int rows = 0;
        for (int y = 0; y < pixels.height; ++y)
            if (pixels.At(8, y)[1] > 128) sum += y + 0.5, ++rows;
        EXPECT_GT(rows, 0) << "no scan line drawn";
        return rows > 0 ? sum / rows : 0.0;
    }
};

TEST_F(LongShowScanLine, StepsEvenlyForAYearAndAcrossEachPeriod) {
    Set(kScanLine, 1.0f);  // "Horizontal"
    const double nominal = 0.9 * 0.3 / 60.0 * height;
    ExpectEvenSteps("scan line (px)", {"the first minute", 100}, LineHeight, nominal, height);
    for (const ShowTime& time : kLateTimes) ExpectEvenSteps("scan line (px)", time, LineHeight, nominal, height);
}

// A square output: the radar's reach, 0.45 of each side, is a circle 922 pixels across.
class LongShowRadar : public LongShow {
protected:
    LongShowRadar() { width = height = 1024; }

    // The sweep's direction: roughly, from the lit pixels between the trail's reach (0.36)
    // and the outer ring (0.45); then from every lit pixel within 3 pixels of that line,
    // clear of the centre, the trail and the two inner rings.
    static double SweepAngle(const Pixels& pixels) {
        const double side = pixels.width;
        const double rough =
            Direction(pixels, [&](double, double, double r) { return r > 0.37 * side && r < 0.44 * side; });
        const double c = std::cos(rough), s = std::sin(rough);
        return Direction(pixels, [&](double dx, double dy, double r) {
            const double along = dx * c + dy * s, across = dy * c - dx * s;
            return along > 0.1 * side && r < 0.44 * side && std::fabs(across) <= 3.0 &&
                   std::fabs(r - 0.1485 * side) > 4.0 && std::fabs(r - 0.297 * side) > 4.0;
        });
    }

    // The direction of the sum of the lit pixels that `keep` takes, seen from the centre.
    template <typename Keep>
    static double Direction(const Pixels& pixels, Keep keep) {
        const double centre = pixels.width / 2.0;
        double sumX = 0.0, sumY = 0.0;
        for (int y = 0; y < pixels.height; ++y)
            for (int x = 0; x < pixels.width; ++x) {
                const double dx = x + 0.5 - centre, dy = y + 0.5 - centre;
                if (pixels.At(x, y)[1] > 128 && keep(dx, dy, std::hypot(dx, dy))) sumX += dx, sumY += dy;
            }
        return std::atan2(sumY, sumX);
    }
};

TEST_F(LongShowRadar, TurnsEvenlyForAYearAndAcrossEachPeriod) {
    Set(kScanLine, 3.0f);  // "Radar"
    const double nominal = 1.7 / 60.0, turn = 2.0 * M_PI;
    ExpectEvenSteps("radar (rad)", {"the first minute", 100}, SweepAngle, nominal, turn);
    for (const ShowTime& time : kLateTimes) ExpectEvenSteps("radar (rad)", time, SweepAngle, nominal, turn);
}

}  // namespace
