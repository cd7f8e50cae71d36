#include "tools/validate/ValidateOptions.h"

#include <cstdlib>

namespace {

bool ParseSeed(const std::string& text, uint64_t* seed) {
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 0);
    if (text.empty() || text[0] == '-' || *end != '\0') return false;
    *seed = value;
    return true;
}

bool ParseSeconds(const std::string& text, double* seconds) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(value > 0.0) || value > 86400.0) return false;
    *seconds = value;
    return true;
}

bool ApplyValue(const std::string& option, const std::string& value, ValidateOptions* options, std::string* error) {
    if (option == "--seed") {
        options->seedGiven = ParseSeed(value, &options->seed);
        if (!options->seedGiven) *error = "--seed takes a whole number, not \"" + value + "\"";
        return options->seedGiven;
    }
    if (option == "--seconds") {
        if (ParseSeconds(value, &options->seconds)) return true;
        *error = "--seconds takes a number of seconds above 0, not \"" + value + "\"";
        return false;
    }
    if (option == "--call-limit") {
        double seconds = 0.0;
        if (ParseSeconds(value, &seconds) && seconds >= 1.0 && seconds <= 3600.0) {
            options->callLimitSeconds = static_cast<int>(seconds);
            return true;
        }
        *error = "--call-limit takes whole seconds from 1 to 3600, not \"" + value + "\"";
        return false;
    }
    if (option == "--group")
        options->group = value;
    else if (option == "--child")
        options->childGroup = value;
    else if (option == "--report")
        options->reportPath = value;
    else {
        *error = "\"" + option + "\" is not an option of validate";
        return false;
    }
    return true;
}

}  // namespace

bool ParseValidateOptions(const std::vector<std::string>& arguments, ValidateOptions* options, std::string* error) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        std::string option = arguments[i];
        if (option == "--quick" || option == "--stale-ids") {
            (option == "--quick" ? options->quick : options->staleIds) = true;
            continue;
        }
        std::string value;
        if (const size_t equals = option.find('='); option.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
        } else if (i + 1 < arguments.size() && option.rfind("--", 0) == 0) {
            value = arguments[++i];
        } else {
            *error = option.rfind("--", 0) == 0 ? option + " needs a value"
                                                : "\"" + option + "\" is not an option of validate";
            return false;
        }
        if (!ApplyValue(option, value, options, error)) return false;
    }
    return true;
}

std::vector<std::string> ChildArguments(const ValidateOptions& options, const std::string& group,
                                        const std::string& reportPath) {
    std::vector<std::string> arguments = {"validate", options.library, "--child", group,
                                          "--report", reportPath,      "--seed",  std::to_string(options.seed)};
    if (options.seconds > 0.0) arguments.insert(arguments.end(), {"--seconds", std::to_string(options.seconds)});
    if (options.quick) arguments.push_back("--quick");
    if (options.staleIds) arguments.push_back("--stale-ids");
    return arguments;
}
