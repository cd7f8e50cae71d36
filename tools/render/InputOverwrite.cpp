#include "tools/render/InputOverwrite.h"

#include <map>

#include "tools/hostcli/FramePath.h"
#include "tools/hostkit/OutputFile.h"

namespace {

// ffmpeg starts a picture sequence at any number up to 4, then reads until one is missing.
constexpr int kSequenceFirstNumbers = 5;

// The files a render reads, by identity, with the name each is read by.
std::map<std::string, std::string> InputFiles(const HostOptions& options,
                                              const std::vector<std::string>& settingFiles) {
    std::map<std::string, std::string> files;
    auto add = [&](const std::string& name) {
        const std::string identity = FileIdentity(name);
        if (!identity.empty()) files.emplace(identity, name);
        return !identity.empty();
    };
    for (const std::string& file : settingFiles) add(file);
    if (InputOf(options).sequenceRate.numerator == 0) {
        add(options.input);
        return files;
    }
    FramePath pattern;
    std::string ignored;
    pattern.Parse(options.input, &ignored);
    int number = 0;
    while (number < kSequenceFirstNumbers && !add(pattern.ForFrame(number))) ++number;
    if (number < kSequenceFirstNumbers)
        while (add(pattern.ForFrame(++number))) {
        }
    return files;
}

}  // namespace

bool CheckOutputSparesInput(const HostOptions& options, const RenderPlan& plan, const std::vector<std::string>& files,
                            std::string* error) {
    const std::map<std::string, std::string> inputs = InputFiles(options, files);
    if (inputs.empty()) return true;
    FramePath output;
    std::string ignored;
    const bool sequence = !IsVideo(plan.container) && output.Parse(options.output, &ignored) && output.everyFrame;
    const long last = sequence ? (plan.frames > 0 ? plan.frames : static_cast<long>(inputs.size()) + 1) : 1;
    for (long number = 1; number <= last; ++number) {
        const std::string name = sequence ? output.ForFrame(static_cast<int>(number)) : options.output;
        const auto input = inputs.find(FileIdentity(name));
        if (input == inputs.end()) continue;
        *error = "the output " + name + " is " + input->second +
                 ", which the render reads (the same file): choose another --output";
        return false;
    }
    return true;
}
