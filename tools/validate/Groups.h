// The validator's groups of checks. Each runs in a child process of its own, so that a
// crash or a hang in the plug-in ends only that group.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tools/hostkit/GlContext.h"
#include "tools/validate/Findings.h"
#include "tools/validate/Random.h"
#include "tools/validate/Subject.h"
#include "tools/validate/ValidateOptions.h"

struct GroupContext {
    Subject& subject;
    Findings& findings;
    const ValidateOptions& options;
    Random random;
    std::string scratch;  // a folder of this process for files the checks make
};

struct Group {
    const char* name;
    const char* title;
    void (*run)(GroupContext& group);
};

const std::vector<Group>& Groups();
const Group* FindGroup(const std::string& name);

// The host's GL context for a group; on failure the group reports why and gets null.
std::unique_ptr<GlContext> OpenHostContext(GroupContext& group, const GlContextOptions& options = {});

void RunDescriptionChecks(GroupContext& group);
void RunLifeChecks(GroupContext& group);
void RunFrameChecks(GroupContext& group);
void RunParameterChecks(GroupContext& group);
void RunFloatTargetChecks(GroupContext& group);
void RunHostSituationChecks(GroupContext& group);
void RunDebugOutputChecks(GroupContext& group);
void RunRandomSequences(GroupContext& group);
