#include "tools/commands/BenchSetup.h"

#include <algorithm>

#include "abi/ffgl_abi.h"
#include "tools/hostcli/InputPicture.h"

bool OpenBenchLibrary(const HostOptions& options, BenchSetup* setup, std::string* error) {
    return LoadInputPicture(options.input, options.width, options.height, &setup->input, error) &&
           setup->client.Open(options.library, error) && setup->client.ReadParameters(&setup->parameters, error) &&
           ResolveSettings(options.settings, setup->parameters, &setup->settings, error);
}

bool MakeBenchContext(const HostOptions& options, BenchSetup* setup, std::string* error) {
    setup->context = GlContext::Create(error, {.forwardCompatible = options.forwardCompatible});
    return setup->context != nullptr;
}

bool FindFileParameter(const BenchSetup& setup, uint32_t* index, std::string* error) {
    const auto file = std::find_if(setup.parameters.begin(), setup.parameters.end(),
                                   [](const ParameterInfo& p) { return p.type == ffgl::kTypeFile; });
    if (file == setup.parameters.end()) {
        *error = setup.client.FileName() + " has no file parameter to load into";
        return false;
    }
    *index = file->index;
    return true;
}
