// The parameter table as hosts read it: the global queries for every parameter and
// for indices past the table, and the display texts of an instance.
#include <cmath>
#include <cstring>
#include <vector>

#include "tools/validate/ParameterTableChecks.h"
#include "tools/validate/TextRules.h"

namespace {

constexpr uint32_t kMostElements = 4096;
constexpr uint8_t kCanary = 0xA5;

// Reads a text answer; the failure names the query.
bool TextAnswer(Check& check, uint64_t answer, const std::string& query, std::string* text) {
    if (NoPointer(answer)) return check.Expect(false, query + " answers no text");
    return check.Expect(ReadTerminated(ffgl::BitsPointer<const char>(answer), kLongestText, text),
                        query + " answers a text with no terminator within " + std::to_string(kLongestText) + " bytes");
}

// A text query record over a buffer with guard bytes: true when nothing was written past the size.
bool CopiesWithinBuffer(Subject& subject, uint32_t code, uint32_t index, void* instance, uint64_t* answer) {
    std::vector<char> buffer(64, static_cast<char>(kCanary));
    ffgl::TextQueryRecord query{index, 0, buffer.data(), 16};
    *answer = subject.CallWith(code, &query, instance, "parameter " + std::to_string(index) + ", 16-byte buffer");
    for (size_t i = 16; i < buffer.size(); ++i)
        if (static_cast<uint8_t>(buffer[i]) != kCanary) return false;
    return true;
}

// The first 16 bytes, up to a terminator, must be printable: a host shows them.
void CheckDisplayText(Subject& subject, Check& check, void* instance, uint32_t index, bool textType) {
    const std::string name = subject.ParameterText(index);
    const uint64_t answer = subject.Call(ffgl::kGetParameterDisplay, index, instance, name);
    if (!check.Expect(!NoPointer(answer), name + ": code 7 answers no display text")) return;
    const char* text = ffgl::BitsPointer<const char>(answer);
    std::string read;
    if (textType) {
        check.Expect(ReadTerminated(text, kLongestText, &read), name + ": display text has no terminator");
        return;
    }
    if (const std::string problem = FixedFieldProblem(text, strnlen(text, 16), true); !problem.empty())
        check.Fail(name + ": display text " + problem);
}

void CheckElements(Subject& subject, Check& check, uint32_t index, const std::string& name) {
    const uint64_t count = subject.Call(ffgl::kGetElementCount, index, nullptr, name);
    if (!check.Expect(count >= 1 && count <= kMostElements,
                      name + ": an option with " + std::to_string(count) + " elements"))
        return;
    for (uint32_t entry = 0; entry < count; ++entry) {
        ffgl::ElementQueryRecord query{index, entry, 0.0f};
        std::string text;
        const std::string element = name + " element " + std::to_string(entry);
        TextAnswer(check, subject.CallWith(ffgl::kGetElementName, &query, nullptr, element), element + " name", &text);
        check.Expect(!IsFailure(subject.CallWith(ffgl::kGetElementValue, &query, nullptr, element)),
                     element + " has no value");
    }
}

void CheckExtensions(Subject& subject, Check& check, uint32_t index, const std::string& name) {
    const uint64_t count = subject.Call(ffgl::kGetExtensionCount, index, nullptr, name);
    if (!check.Expect(count <= kMostElements, name + ": " + std::to_string(count) + " file extensions")) return;
    for (uint32_t entry = 0; entry < count; ++entry) {
        ffgl::ElementQueryRecord query{index, entry, 0.0f};
        std::string text;
        const std::string extension = name + " extension " + std::to_string(entry);
        TextAnswer(check, subject.CallWith(ffgl::kGetExtension, &query, nullptr, extension), extension, &text);
    }
}

}  // namespace

void CheckParameterQueries(Subject& subject, Check& check, uint32_t index) {
    const std::string name = "parameter " + std::to_string(index);
    std::string text;
    if (TextAnswer(check, subject.Call(ffgl::kGetParameterName, index, nullptr, name), name + " name", &text))
        check.Expect(!text.empty(), name + " has an empty name");
    const uint64_t type = subject.Call(ffgl::kGetParameterType, index, nullptr, name);
    if (!check.Expect(!IsFailure(type), name + " has no type")) return;
    const uint64_t defaultAnswer = subject.Call(ffgl::kGetParameterDefault, index, nullptr, name);
    if (ffgl::IsTextType(static_cast<uint32_t>(type)))
        TextAnswer(check, defaultAnswer, name + " default", &text);
    else
        check.Expect(!IsFailure(defaultAnswer) && std::isfinite(ffgl::BitsFloat(defaultAnswer)),
                     name + " has no finite default");
    ffgl::RangeRecord range{index, NAN, NAN};
    const uint64_t rangeAnswer = subject.CallWith(ffgl::kGetRange, &range, nullptr, name);
    check.Expect(rangeAnswer == ffgl::kSuccess && std::isfinite(range.minimum) && std::isfinite(range.maximum) &&
                     range.minimum <= range.maximum,
                 name + " has no finite range");
    if (type == ffgl::kTypeOption) CheckElements(subject, check, index, name);
    if (type == ffgl::kTypeFile) CheckExtensions(subject, check, index, name);
    const uint64_t visible = subject.Call(ffgl::kGetVisibility, index, nullptr, name);
    check.Expect(visible <= 1, name + " visibility answers " + std::to_string(visible) + ", not 1 or 0");
    subject.Call(ffgl::kGetHintCode, index, nullptr, name);
    subject.Call(ffgl::kGetAuxiliaryCount, index, nullptr, name);
    uint64_t answer = 0;
    check.Expect(CopiesWithinBuffer(subject, ffgl::kGetGroupName, index, nullptr, &answer),
                 name + " group name written past the host's buffer");
}

void CheckQueriesPastTable(Subject& subject, Check& check, uint32_t count) {
    for (uint32_t index : {count, count + 1, count + 1000, 0xFFFFFFFFu}) {
        const std::string at = "index " + std::to_string(index);
        auto refused = [&](uint32_t code, uint64_t answer, bool pointer) {
            check.Expect(pointer ? NoPointer(answer) : IsFailure(answer),
                         CodeText(code) + " answers " + std::to_string(answer) + " for " + at + " past the table");
        };
        ffgl::ElementQueryRecord query{index, 0, 0.0f};
        refused(ffgl::kGetParameterName, subject.Call(ffgl::kGetParameterName, index, nullptr, at), true);
        refused(ffgl::kGetElementName, subject.CallWith(ffgl::kGetElementName, &query, nullptr, at), true);
        for (uint32_t code : {ffgl::kGetParameterDefault, ffgl::kGetParameterType, ffgl::kGetElementCount,
                              ffgl::kGetHintCode, ffgl::kGetVisibility})
            refused(code, subject.Call(code, index, nullptr, at), false);
        refused(ffgl::kGetElementValue, subject.CallWith(ffgl::kGetElementValue, &query, nullptr, at), false);
        refused(ffgl::kGetAuxiliaryEntry, subject.CallWith(ffgl::kGetAuxiliaryEntry, &query, nullptr, at), false);
        refused(ffgl::kGetExtension, subject.CallWith(ffgl::kGetExtension, &query, nullptr, at), true);
        for (uint32_t code : {ffgl::kGetExtensionCount, ffgl::kGetAuxiliaryCount}) {
            const uint64_t answer = subject.Call(code, index, nullptr, at);
            check.Expect(answer == 0 || IsFailure(answer),
                         CodeText(code) + " answers " + std::to_string(answer) + " for " + at + " past the table");
        }
        uint64_t answer = 0;
        check.Expect(CopiesWithinBuffer(subject, ffgl::kGetGroupName, index, nullptr, &answer),
                     "code 50 writes past the host's buffer for " + at);
    }
}

void CheckDisplayTexts(GroupContext& group, Check& check) {
    std::unique_ptr<GlContext> context = OpenHostContext(group);
    if (!context) return;
    Subject& subject = group.subject;
    void* instance = subject.Create(64, 64);
    if (!check.Expect(instance != nullptr, "code 18 refuses an instance")) return;
    const auto& parameters = subject.Parameters();
    for (uint32_t index = 0; index < parameters.size(); ++index) {
        const ParameterInfo& parameter = parameters[index];
        const bool textType = ffgl::IsTextType(parameter.type);
        for (float value : {parameter.rangeMin, parameter.rangeMax, 1.0e8f, -1.0e30f}) {
            if (!textType) subject.SetValue(instance, index, value, ValueText(value));
            CheckDisplayText(subject, check, instance, index, textType);
        }
        uint64_t answer = 0;
        check.Expect(CopiesWithinBuffer(subject, ffgl::kGetDisplayName, index, instance, &answer),
                     subject.ParameterText(index) + ": code 51 writes past the host's buffer");
    }
    subject.Destroy(instance);
}
