#include "tools/commands/InfoCommand.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "abi/ffgl_abi.h"
#include "tools/hostcli/ExitStatus.h"
#include "tools/hostkit/PluginClient.h"

namespace {

const char* PluginTypeName(uint32_t type) {
    return type == 0 ? "effect" : type == 1 ? "source" : type == 2 ? "mixer" : "unknown";
}

std::string CapabilityText(uint32_t answer) { return answer == ffgl::kFailure32 ? "refused" : std::to_string(answer); }

std::string DefaultText(const ParameterInfo& parameter) {
    if (ffgl::IsTextType(parameter.type)) return "\"" + parameter.defaultText + "\"";
    return NumberText(parameter.defaultValue);
}

std::string Details(const ParameterInfo& parameter) {
    std::string details;
    for (const OptionElementInfo& element : parameter.elements)
        details += (details.empty() ? "" : ", ") + element.name + "=" + NumberText(element.value);
    for (const std::string& extension : parameter.extensions) details += (details.empty() ? "" : " ") + extension;
    if (parameter.type == ffgl::kTypeBoolean) details = "off=0, on=1";
    if (details.empty() && parameter.type == ffgl::kTypeStandard)
        details = "range " + NumberText(parameter.rangeMin) + " to " + NumberText(parameter.rangeMax);
    return details;
}

void PrintRecords(const PluginInfo& info, const ExtendedInfo& extended) {
    std::printf("API version   %u.%u\n", info.apiMajorVersion, info.apiMinorVersion);
    std::printf("Identifier    %s\n", info.identifier.c_str());
    std::printf("Name          %s\n", info.name.c_str());
    std::printf("Type          %s (%u)\n", PluginTypeName(info.pluginType), info.pluginType);
    std::printf("Version       %u.%u\n", extended.pluginMajorVersion, extended.pluginMinorVersion);
    std::printf("Description   %s\n", extended.description.c_str());
    std::printf("About         %s\n", extended.about.c_str());
}

void PrintCapabilities(PluginClient& client) {
    std::printf("Capabilities  time %s, minimum inputs %s, maximum inputs %s, top-left orientation %s\n",
                CapabilityText(client.Capability(ffgl::kCapTimeSupported)).c_str(),
                CapabilityText(client.Capability(ffgl::kCapMinimumInputs)).c_str(),
                CapabilityText(client.Capability(ffgl::kCapMaximumInputs)).c_str(),
                CapabilityText(client.Capability(ffgl::kCapTopLeftOrientation)).c_str());
}

void PrintParameters(const std::vector<ParameterInfo>& parameters) {
    std::printf("\nParameters (%zu)\n", parameters.size());
    std::printf("  %-3s %-16s %-9s %-8s %s\n", "#", "Name", "Type", "Default", "Values");
    for (const ParameterInfo& parameter : parameters)
        std::printf("  %-3u %-16s %-9s %-8s %s\n", parameter.index, parameter.name.c_str(),
                    ParameterTypeName(parameter.type).c_str(), DefaultText(parameter).c_str(),
                    Details(parameter).c_str());
}

// A JSON string: quotes, backslashes and control characters escaped; other bytes (UTF-8) kept.
std::string Json(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string JsonNumber(float value) { return std::isfinite(value) ? NumberText(value) : "null"; }

std::string JsonCapability(uint32_t answer) { return answer == ffgl::kFailure32 ? "null" : std::to_string(answer); }

std::string JsonParameter(const ParameterInfo& parameter) {
    std::string json =
        "{\"index\": " + std::to_string(parameter.index) + ", \"name\": " + Json(parameter.name) +
        ", \"type\": " + Json(ParameterTypeName(parameter.type)) + ", \"default\": " +
        (ffgl::IsTextType(parameter.type) ? Json(parameter.defaultText) : JsonNumber(parameter.defaultValue));
    if (parameter.type == ffgl::kTypeStandard)
        json += ", \"range\": [" + JsonNumber(parameter.rangeMin) + ", " + JsonNumber(parameter.rangeMax) + "]";
    if (parameter.type == ffgl::kTypeOption) {
        json += ", \"options\": [";
        for (size_t i = 0; i < parameter.elements.size(); ++i)
            json += (i ? ", " : "") + std::string("{\"name\": ") + Json(parameter.elements[i].name) +
                    ", \"value\": " + JsonNumber(parameter.elements[i].value) + "}";
        json += "]";
    }
    if (parameter.type == ffgl::kTypeFile) {
        json += ", \"extensions\": [";
        for (size_t i = 0; i < parameter.extensions.size(); ++i)
            json += (i ? ", " : "") + Json(parameter.extensions[i]);
        json += "]";
    }
    return json + "}";
}

void PrintJson(const std::string& library, const PluginInfo& info, const ExtendedInfo& extended, PluginClient& client,
               const std::vector<ParameterInfo>& parameters) {
    std::printf(
        "{\"library\": %s, \"apiVersion\": \"%u.%u\", \"identifier\": %s, \"name\": %s, "
        "\"type\": %s, \"version\": \"%u.%u\", \"description\": %s, \"about\": %s,\n",
        Json(library).c_str(), info.apiMajorVersion, info.apiMinorVersion, Json(info.identifier).c_str(),
        Json(info.name).c_str(), Json(PluginTypeName(info.pluginType)).c_str(), extended.pluginMajorVersion,
        extended.pluginMinorVersion, Json(extended.description).c_str(), Json(extended.about).c_str());
    std::printf(
        " \"capabilities\": {\"time\": %s, \"minimumInputs\": %s, \"maximumInputs\": %s, "
        "\"topLeftOrientation\": %s},\n",
        JsonCapability(client.Capability(ffgl::kCapTimeSupported)).c_str(),
        JsonCapability(client.Capability(ffgl::kCapMinimumInputs)).c_str(),
        JsonCapability(client.Capability(ffgl::kCapMaximumInputs)).c_str(),
        JsonCapability(client.Capability(ffgl::kCapTopLeftOrientation)).c_str());
    std::printf(" \"parameters\": [");
    for (size_t i = 0; i < parameters.size(); ++i)
        std::printf("%s\n  %s", i ? "," : "", JsonParameter(parameters[i]).c_str());
    std::printf("\n ]}\n");
}

}  // namespace

int RunInfo(const HostOptions& options) {
    PluginClient client;
    std::string error;
    PluginInfo info;
    ExtendedInfo extended;
    std::vector<ParameterInfo> parameters;
    if (!client.Open(options.library, &error) || !client.ReadInfo(&info, &error) ||
        !client.ReadExtendedInfo(&extended, &error) || !client.ReadParameters(&parameters, &error))
        return Fail(error);
    if (options.json) {
        PrintJson(options.library, info, extended, client, parameters);
        return kExitOk;
    }
    std::printf("Library       %s\n", options.library.c_str());
    PrintRecords(info, extended);
    PrintCapabilities(client);
    PrintParameters(parameters);
    return kExitOk;
}
