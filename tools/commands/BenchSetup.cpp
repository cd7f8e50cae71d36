#include "tools/commands/OverlayBenchSetup.h"

#include <algorithm>

#include "abi/ffgl_abi.h"
#include "tools/hostcli/InputPicture.h"

bool OpenOverlayBench(const HostOptions& options, OverlayBenchSetup* setup, std::string* error) {
    std::vector<ParameterInfo> parameters;
    if (!LoadInputPicture(options.input, options.width, options.height, &setup->input, error) ||
        !setup->client.Open(options.library, error) || !setup->client.ReadParameters(&parameters, error) ||
        !ResolveSettings(options.settings, parameters, &setup->settings, error))
        return false;
    const auto file = std::find_if(parameters.begin(), parameters.end(),
                                   [](const ParameterInfo& p) { return p.type == ffgl::kTypeFile; });
    if (file == parameters.end()) {
        *error = setup->client.FileName() + " has no file parameter to load into";
        return false;
    }
    setup->fileIndex = file->index;
    setup->context = GlContext::Create(error, {.forwardCompatible = options.forwardCompatible});
    return setup->context != nullptr;
}
