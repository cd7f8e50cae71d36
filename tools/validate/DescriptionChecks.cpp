// Group "description": what a host reads before it makes an instance. The records, the
// global queries for every parameter and for indices past the table, the display
// texts and the thumbnail.
#include <vector>

#include "tools/validate/Groups.h"
#include "tools/validate/ParameterTableChecks.h"
#include "tools/validate/TextRules.h"

namespace {

// Codes a 2.1 host never serves; each must answer failure.
constexpr uint32_t kUnknownCodes[] = {1,  3,  11, 12, 14, 24,  25,   26,         27,        28,
                                      29, 30, 52, 53, 64, 100, 1000, 0x7FFFFFFF, 0xFFFFFFFF};
// Capabilities that mean nothing in 2.1: each must answer 0 (or failure).
constexpr uint32_t kUnknownCapabilities[] = {0, 1, 2, 3, 4, 6, 7, 8, 9, 12, 13, 14, 15, 17, 18, 100, 0xFFFFFFFF};
constexpr uint32_t kMostParameters = 1024;

void CheckInfoRecord(Subject& subject, Check& check, uint32_t* pluginType) {
    const uint64_t answer = subject.Call(ffgl::kGetInfo, 0, nullptr, "");
    if (!check.Expect(!NoPointer(answer), "code 0 answers no info record")) return;
    const auto* info = ffgl::BitsPointer<const ffgl::PluginInfoRecord>(answer);
    check.Expect(info->apiMajorVersion == 2, "API version " + std::to_string(info->apiMajorVersion) + "." +
                                                 std::to_string(info->apiMinorVersion) + ", not 2.x");
    if (const std::string problem = FixedFieldProblem(info->identifier, sizeof info->identifier, false);
        !problem.empty())
        check.Fail("identifier: " + problem);
    if (const std::string problem = FixedFieldProblem(info->name, sizeof info->name, false); !problem.empty())
        check.Fail("name: " + problem);
    *pluginType = info->pluginType;
    check.Expect(info->pluginType <= 2,
                 "plug-in type " + std::to_string(info->pluginType) + " is none of effect (0), source (1), mixer (2)");
}

void CheckExtendedInfo(Subject& subject, Check& check) {
    const uint64_t answer = subject.Call(ffgl::kGetExtendedInfo, 0, nullptr, "");
    if (!check.Expect(!NoPointer(answer), "code 13 answers no extended info record")) return;
    const auto* extended = ffgl::BitsPointer<const ffgl::ExtendedInfoRecord>(answer);
    std::string text;
    subject.Report().Step("reading the description and about texts of the extended info record");
    if (extended->description &&
        check.Expect(ReadTerminated(extended->description, kLongestText, &text), "the description has no terminator"))
        check.Expect(IsUtf8(text), "the description is not UTF-8: " + Shown(text));
    if (extended->about)
        check.Expect(ReadTerminated(extended->about, kLongestText, &text), "the about text has no terminator");
    check.Expect(extended->extendedDataSize == 0 || extended->extendedData,
                 "extended data of " + std::to_string(extended->extendedDataSize) + " bytes behind a null pointer");
}

void CheckRegistration(Subject& subject, Check& check, uint32_t pluginType) {
    check.Expect(subject.Call(ffgl::kInitialise, 0, nullptr, "again") == ffgl::kSuccess,
                 "code 34 refuses a second global initialisation");
    for (uint32_t capability : {ffgl::kCapTimeSupported, ffgl::kCapTopLeftOrientation}) {
        const uint64_t answer = subject.Call(ffgl::kGetCapability, capability, nullptr, std::to_string(capability));
        check.Expect(answer <= 1 || IsFailure(answer), "capability " + std::to_string(capability) + " answers " +
                                                           std::to_string(answer) + ", not yes (1) or no (0)");
    }
    const uint64_t least = subject.Call(ffgl::kGetCapability, ffgl::kCapMinimumInputs, nullptr, "minimum inputs");
    const uint64_t most = subject.Call(ffgl::kGetCapability, ffgl::kCapMaximumInputs, nullptr, "maximum inputs");
    check.Expect(least <= most, "minimum inputs " + std::to_string(least) + " above maximum " + std::to_string(most));
    check.Expect(pluginType != ffgl::kPluginTypeEffect || (most >= 1 && most <= 64),
                 "an effect that takes " + std::to_string(most) + " inputs");
    for (uint32_t capability : kUnknownCapabilities) {
        const uint64_t answer = subject.Call(ffgl::kGetCapability, capability, nullptr, std::to_string(capability));
        check.Expect(answer == 0 || IsFailure(answer),
                     "unknown capability " + std::to_string(capability) + " answers " + std::to_string(answer));
    }
    const uint64_t count = subject.Call(ffgl::kGetParameterCount, 0, nullptr, "");
    check.Expect(count <= kMostParameters, "code 4 answers " + std::to_string(count) + " parameters");
    subject.Call(ffgl::kDeinitialise, 0, nullptr, "");
    check.Expect(subject.Call(ffgl::kInitialise, 0, nullptr, "after code 2") == ffgl::kSuccess,
                 "code 34 refuses global initialisation after code 2");
    check.Expect(subject.Call(ffgl::kGetParameterCount, 0, nullptr, "after code 2 and 34") == count,
                 "the number of parameters changes after code 2 and 34");
}

void CheckUnknownCodes(Subject& subject, Check& check) {
    for (uint32_t code : kUnknownCodes) {
        const uint64_t answer = subject.Call(code, 0, nullptr, "");
        check.Expect(IsFailure(answer), CodeText(code) + " answers " + std::to_string(answer) + ", not failure");
    }
}

void CheckThumbnail(Subject& subject, Check& check) {
    check.Expect(IsFailure(subject.Call(ffgl::kGetThumbnail, 0, nullptr, "null record")),
                 "code 42 with a null record does not answer failure");
    ffgl::ThumbnailQueryRecord size{0, 0, nullptr};
    if (subject.CallWith(ffgl::kGetThumbnail, &size, nullptr, "size only") != ffgl::kSuccess) {
        check.Expect(size.width == 0 && size.height == 0, "no thumbnail, yet a size is written");
        return;
    }
    const std::string stated = std::to_string(size.width) + "x" + std::to_string(size.height);
    if (!check.Expect(size.width >= 1 && size.height >= 1 && size.width <= 4096 && size.height <= 4096,
                      "thumbnail size " + stated))
        return;
    constexpr uint32_t kGuard = 0xA5A5A5A5u, kGuardWords = 256;
    const size_t words = static_cast<size_t>(size.width) * size.height;
    std::vector<uint32_t> pixels(words + kGuardWords, kGuard);
    ffgl::ThumbnailQueryRecord copy{0, 0, pixels.data()};
    check.Expect(subject.CallWith(ffgl::kGetThumbnail, &copy, nullptr, "copy " + stated) == ffgl::kSuccess,
                 "code 42 refuses to copy the thumbnail");
    check.Expect(copy.width == size.width && copy.height == size.height, "the thumbnail's size changes between calls");
    for (size_t i = words; i < pixels.size(); ++i)
        if (!check.Expect(pixels[i] == kGuard, "the thumbnail copy writes past " + stated + " pixels")) break;
    bool lastRowWritten = false;
    for (size_t i = words - size.width; i < words; ++i) lastRowWritten |= pixels[i] != kGuard;
    check.Expect(lastRowWritten, "the thumbnail copy leaves the last row of " + stated + " unwritten");
}

}  // namespace

void RunDescriptionChecks(GroupContext& group) {
    Subject& subject = group.subject;
    uint32_t pluginType = 0;
    {
        Check check(group.findings, "records", "info and extended info records well-formed");
        CheckInfoRecord(subject, check, &pluginType);
        CheckExtendedInfo(subject, check);
    }
    {
        Check check(group.findings, "registration", "initialisation, capabilities and parameter count");
        CheckRegistration(subject, check, pluginType);
    }
    {
        Check check(group.findings, "unknown-codes", "unknown function codes answer failure");
        CheckUnknownCodes(subject, check);
    }
    const uint32_t count = static_cast<uint32_t>(subject.Call(ffgl::kGetParameterCount, 0, nullptr, ""));
    {
        Check check(group.findings, "table", "every global query answers for every parameter");
        for (uint32_t index = 0; index < count && index < kMostParameters; ++index)
            CheckParameterQueries(subject, check, index);
    }
    {
        Check check(group.findings, "past-table", "global queries past the table answer failure");
        CheckQueriesPastTable(subject, check, count);
    }
    {
        Check check(group.findings, "thumbnail", "the thumbnail has the stated size");
        CheckThumbnail(subject, check);
    }
    Check check(group.findings, "display-texts", "display texts fit their fields");
    CheckDisplayTexts(group, check);
}
