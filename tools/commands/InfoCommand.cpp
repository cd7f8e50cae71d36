#include "tools/commands/InfoCommand.h"

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
    std::printf("Library       %s\n", options.library.c_str());
    PrintRecords(info, extended);
    PrintCapabilities(client);
    PrintParameters(parameters);
    return kExitOk;
}
