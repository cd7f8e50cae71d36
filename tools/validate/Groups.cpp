#include "tools/validate/Groups.h"

const std::vector<Group>& Groups() {
    static const std::vector<Group> groups = {
        {"description", "Description", RunDescriptionChecks},
        {"life", "Life", RunLifeChecks},
        {"frames", "Frames", RunFrameChecks},
        {"parameters", "Parameters", RunParameterChecks},
        {"float-targets", "Float targets", RunFloatTargetChecks},
        {"host-situations", "Host situations", RunHostSituationChecks},
        {"debug-output", "Debug output", RunDebugOutputChecks},
        {"random", "Random sequences", RunRandomSequences},
    };
    return groups;
}

const Group* FindGroup(const std::string& name) {
    for (const Group& group : Groups())
        if (name == group.name) return &group;
    return nullptr;
}

std::unique_ptr<GlContext> OpenHostContext(GroupContext& group, const GlContextOptions& options) {
    std::string error;
    group.findings.Step(std::string("making the host's GL context") +
                        (options.forwardCompatible ? " (forward-compatible)" : "") +
                        (options.shareWith ? " (shared)" : "") + (options.debug ? " (debug)" : ""));
    std::unique_ptr<GlContext> context = GlContext::Create(&error, options);
    if (!context) Check(group.findings, "gl-context", "the host's GL context").Fail(error);
    return context;
}
