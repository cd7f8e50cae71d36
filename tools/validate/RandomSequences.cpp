// Group "random": seeded sequences of calls over every function code, with good and
// null records and several instances alive at once. Calls on destroyed instances are
// left out unless --stale-ids asks for them: a host never makes them. Each sequence has
// a seed of its own, printed with the calls when one fails.
#include <GL/glew.h>

#include <chrono>
#include <cmath>
#include <cstdio>

#include "tools/validate/CallContract.h"
#include "tools/validate/CheckFrame.h"
#include "tools/validate/GlAudit.h"
#include "tools/validate/Groups.h"
#include "tools/validate/HostileValues.h"
#include "tools/validate/ScratchFiles.h"

namespace {

constexpr int kCallsPerSequence = 60;
constexpr int kSlots = 3;

constexpr uint32_t kCodes[] = {0,  2,  4,  5,  6,  7,  8,  8,  8,  9,  10, 13, 15, 16, 17, 17, 17,
                               17, 18, 18, 19, 20, 21, 22, 23, 31, 32, 33, 34, 35, 36, 37, 38, 39,
                               40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 1,  3,  24, 52, 0xFFFFFFFF};

class Sequence {
public:
    Sequence(GroupContext& group, HostFrame& frame, Check& check, uint64_t seed, long number)
        : group(group), subject(group.subject), frame(frame), check(check), random(seed) {
        char text[96];
        std::snprintf(text, sizeof text, "sequence %ld, seed 0x%016llx", number, static_cast<unsigned long long>(seed));
        name = text;
        group.findings.Mark(name);
    }

    void Run() {
        for (int step = 0; step < kCallsPerSequence; ++step) RandomCall();
        for (int slot = 0; slot < kSlots; ++slot)
            if (slots[slot]) Call(ffgl::kDeinstantiate, 0, slot, "");
    }

private:
    void RandomCall() {
        const uint32_t code = kCodes[random.Below(sizeof kCodes / sizeof kCodes[0])];
        if (code == ffgl::kInstantiate) return Create();
        if (code == ffgl::kDeinitialise) return Deinitialise();
        const int slot = PickSlot(code);
        const bool nullRecord = TakesRecord(code) && random.Chance(12);
        if (nullRecord) return Call(code, 0, slot, "null record");
        Input(code, slot);
    }

    // A live slot, or -1 for no instance; calls that need none mostly get none.
    int PickSlot(uint32_t code) {
        if ((!NeedsInstance(code) && !random.Chance(20)) || random.Chance(8)) return -1;
        if (group.options.staleIds && !stale.empty() && random.Chance(8))
            return kSlots + static_cast<int>(random.Below(static_cast<uint32_t>(stale.size())));
        std::vector<int> live;
        for (int slot = 0; slot < kSlots; ++slot)
            if (slots[slot]) live.push_back(slot);
        return live.empty() ? -1 : live[random.Below(static_cast<uint32_t>(live.size()))];
    }

    void Create() {
        const int slot = static_cast<int>(random.Below(kSlots));
        if (slots[slot]) return Call(ffgl::kDeinstantiate, 0, slot, "");
        ffgl::ViewportRecord viewport{0, 0, 1 + random.Below(256), 1 + random.Below(256)};
        const bool null = random.Chance(10);
        const uint64_t answer = CallRaw(ffgl::kInstantiate, null ? 0 : ffgl::PointerBits(&viewport), nullptr,
                                        "#" + std::to_string(slot) + " " + (null ? "null record" : Size(viewport)));
        if (!NoPointer(answer)) slots[slot] = ffgl::BitsPointer<void>(answer);
        if (null) check.Expect(NoPointer(answer), Where() + "code 18 with a null record makes an instance");
        RestoreHostState(frame.target.framebuffer);
    }

    void Deinitialise() {
        for (void* slot : slots)
            if (slot) return;
        CallRaw(ffgl::kDeinitialise, 0, nullptr, "");
        CallRaw(ffgl::kInitialise, 0, nullptr, "");
    }

    // The code's input: a good record of its kind, an index or a number.
    void Input(uint32_t code, int slot) {
        if (code == ffgl::kSetParameter) return SetParameter(slot, PickIndex(), subject.Parameters());
        if (code == ffgl::kProcessFrame) return Frame(slot);
        if (HostRecordCall(code, slot) || QueryRecordCall(code, slot)) return;
        const bool number = code == ffgl::kGetCapability || code == ffgl::kEnableCapability ||
                            code == ffgl::kGetInputStatus || code == ffgl::kSetSampleRate;
        const uint32_t input = number ? random.Below(24) : PickIndex();
        Call(code, input, slot, (number ? "" : "index ") + std::to_string(input));
    }

    // Mostly a parameter of the table, else just past it or 0xFFFFFFFF.
    uint32_t PickIndex() {
        const uint32_t count = static_cast<uint32_t>(subject.Parameters().size());
        if (random.Chance(80) && count) return random.Below(count);
        return random.Chance(50) ? count : 0xFFFFFFFFu;
    }

    // Records the host fills in: time, viewport, tempo, identity, thumbnail and events.
    bool HostRecordCall(uint32_t code, int slot) {
        if (code == ffgl::kSetTime) {
            double seconds = random.Chance(10) ? NAN : random.Unit() * 1000.0;
            Call(code, ffgl::PointerBits(&seconds), slot, std::to_string(seconds) + " s");
        } else if (code == ffgl::kResize) {
            ffgl::ViewportRecord viewport{0, 0, random.Below(4097), random.Below(4097)};
            Call(code, ffgl::PointerBits(&viewport), slot, Size(viewport));
        } else if (code == ffgl::kSetTempo) {
            ffgl::TempoRecord tempo{random.Unit() * 300.0f, random.Unit()};
            Call(code, ffgl::PointerBits(&tempo), slot, "tempo");
        } else if (code == ffgl::kSetHostIdentity) {
            ffgl::HostIdentityRecord identity{"vigil-host", "validate"};
            Call(code, ffgl::PointerBits(&identity), slot, "\"vigil-host\" \"validate\"");
        } else if (code == ffgl::kGetThumbnail) {
            ffgl::ThumbnailQueryRecord size{0, 0, nullptr};
            Call(code, ffgl::PointerBits(&size), slot, "size only");
        } else if (code == ffgl::kGetParameterEvents) {
            ffgl::EventEntry entries[4] = {};
            ffgl::EventQueryRecord events{4, 0, random.Chance(50) ? entries : nullptr};
            Call(code, ffgl::PointerBits(&events), slot, events.entries ? "4 entries" : "count only");
        } else {
            return false;
        }
        return true;
    }

    // Records that ask about a parameter: elements, extensions, ranges and texts.
    bool QueryRecordCall(uint32_t code, int slot) {
        const uint32_t index = PickIndex();
        const std::string at = "index " + std::to_string(index);
        if (code == ffgl::kGetElementName || code == ffgl::kGetElementValue || code == ffgl::kSetElementValue ||
            code == ffgl::kGetExtension || code == ffgl::kGetAuxiliaryEntry) {
            ffgl::ElementQueryRecord element{index, random.Below(6), random.Unit()};
            Call(code, ffgl::PointerBits(&element), slot, at + " entry " + std::to_string(element.entry));
        } else if (code == ffgl::kGetRange) {
            ffgl::RangeRecord range{index, 0.0f, 0.0f};
            Call(code, ffgl::PointerBits(&range), slot, at);
        } else if (code == ffgl::kGetGroupName || code == ffgl::kGetDisplayName) {
            char buffer[32] = {};
            ffgl::TextQueryRecord query{index, 0, buffer, 16};
            Call(code, ffgl::PointerBits(&query), slot, at + ", 16-byte buffer");
        } else {
            return false;
        }
        return true;
    }

    void SetParameter(int slot, uint32_t index, const std::vector<ParameterInfo>& parameters) {
        ffgl::SetParameterRecord record{index, 0, 0};
        std::string shown;
        const std::string picture = SmallPicture(group.scratch);
        const char* const texts[] = {"", "validator", picture.c_str()};
        if (index < parameters.size() && ffgl::IsTextType(parameters[index].type)) {
            const char* text = texts[random.Below(3)];
            record.value = ffgl::PointerBits(text);
            shown = text == picture.c_str() ? "a small PNG" : "\"" + std::string(text) + "\"";
        } else {
            const float range = index < parameters.size() ? parameters[index].rangeMax : 1.0f;
            const HostileValue& hostile =
                kHostileValues[random.Below(sizeof kHostileValues / sizeof kHostileValues[0])];
            const float value = random.Chance(70) ? random.Unit() * range : hostile.value;
            record.value = ffgl::FloatBits(value);
            shown = ValueText(value);
        }
        Call(ffgl::kSetParameter, ffgl::PointerBits(&record), slot, subject.ParameterText(index) + " = " + shown);
    }

    void Frame(int slot) {
        const ffgl::ProcessingRecord zeroInputs{0, 0, frame.inputs, frame.target.framebuffer, 0};
        const bool none = random.Chance(10);
        const ffgl::ProcessingRecord& record = none ? zeroInputs : frame.record;
        RestoreHostState(frame.target.framebuffer);
        glViewport(0, 0, frame.target.width, frame.target.height);
        Call(ffgl::kProcessFrame, ffgl::PointerBits(&record), slot, none ? "zero inputs" : frame.Text());
        RestoreHostState(frame.target.framebuffer);
    }

    // One call on a slot (-1: none; from kSlots on: a destroyed instance), with the
    // answers a null instance or a null record must give.
    void Call(uint32_t code, uint64_t input, int slot, const std::string& what) {
        void* instance = slot < 0 ? nullptr : slot < kSlots ? slots[slot] : stale[slot - kSlots];
        const std::string who = slot < 0        ? "no instance"
                                : slot < kSlots ? "#" + std::to_string(slot)
                                                : "destroyed instance";
        const uint64_t answer = CallRaw(code, input, instance, who + (what.empty() ? "" : ", " + what));
        if (code == ffgl::kDeinstantiate && slot >= 0 && slot < kSlots) {
            stale.push_back(slots[slot]);
            slots[slot] = nullptr;
        }
        const bool refused = IsFailure(answer) || (AnswersPointer(code) && answer == 0);
        if (!instance && NeedsInstance(code) && !refused) {
            check.Fail(Where() + CodeText(code) + " without an instance answers " + std::to_string(answer));
            NoteCalls();
        } else if (input == 0 && TakesRecord(code) && !refused) {
            check.Fail(Where() + CodeText(code) + " with a null record answers " + std::to_string(answer));
            NoteCalls();
        }
    }

    uint64_t CallRaw(uint32_t code, uint64_t input, void* instance, const std::string& what) {
        calls.push_back(CodeText(code) + ": " + what);
        return subject.Call(code, input, instance, what);
    }

    void NoteCalls() {
        for (size_t i = 0; i < calls.size(); ++i) check.Note("  " + std::to_string(i + 1) + ". " + calls[i]);
    }

    std::string Where() const { return name + ", call " + std::to_string(calls.size()) + ": "; }
    static std::string Size(const ffgl::ViewportRecord& viewport) {
        return std::to_string(viewport.width) + "x" + std::to_string(viewport.height);
    }

    GroupContext& group;
    Subject& subject;
    HostFrame& frame;
    Check& check;
    Random random;
    std::string name;
    void* slots[kSlots] = {};
    std::vector<void*> stale;
    std::vector<std::string> calls;
};

}  // namespace

void RunRandomSequences(GroupContext& group) {
    std::unique_ptr<GlContext> context = OpenHostContext(group);
    if (!context) return;
    HostFrame frame;
    CreateCheckFrame(frame, FrameShape{});
    Check check(group.findings, "refusals", "null instances and null records refused in random sequences");
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(group.options.SequenceSeconds());
    for (long number = 1; std::chrono::steady_clock::now() < end; ++number)
        Sequence(group, frame, check, group.random.Next(), number).Run();
}
