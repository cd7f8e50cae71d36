// GL's debug output in the current debug context: synchronous, every message enabled,
// and each message raised inside a plug-in call kept with that call. The driver reports
// there what glGetError never shows: an error the plug-in raised and cleared itself,
// undefined behaviour, unportable use, slow paths.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/validate/Subject.h"

struct DebugMessage {
    uint32_t source = 0;
    uint32_t type = 0;
    uint32_t id = 0;
    uint32_t severity = 0;
    std::string text;
    std::string call;  // the plug-in call it was raised in
};

// How a check weighs a message: errors, undefined behaviour and unportable use fail;
// performance and deprecated behaviour warn; the rest (notes, markers) say nothing.
enum class DebugWeight { Failure, Warning, None };
DebugWeight WeightOf(const DebugMessage& message);

// "code 17 (process frame): error 1282 from the API (high): GL_INVALID_OPERATION in ...".
std::string DebugMessageText(const DebugMessage& message);

class DebugMessages final : public CallWatcher {
public:
    DebugMessages() = default;
    ~DebugMessages() override { Uninstall(); }
    DebugMessages(const DebugMessages&) = delete;
    DebugMessages& operator=(const DebugMessages&) = delete;

    // False with the reason when the current context is no debug context or has no
    // debug output.
    bool Install(std::string* why);
    void Uninstall();

    void Enter(const std::string& call) override;
    void Leave() override;

    // The messages raised inside calls since the last look.
    std::vector<DebugMessage> Take();

    // What GL's callback hands on; a message outside the plug-in's calls is not kept.
    void Keep(DebugMessage message);

private:
    bool installed = false;
    bool inside = false;
    std::string currentCall;
    std::vector<DebugMessage> messages;
    uint64_t dropped = 0;  // beyond what is kept between two looks
};
