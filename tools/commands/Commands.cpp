#include "tools/commands/Commands.h"

#include <string_view>

#include "tools/commands/BenchCommand.h"
#include "tools/commands/FontSheetCommand.h"
#include "tools/commands/GalleryCommand.h"
#include "tools/commands/HelpCommand.h"
#include "tools/commands/InfoCommand.h"
#include "tools/commands/PlayCommand.h"
#include "tools/commands/RenderCommand.h"
#include "tools/commands/ThumbnailCommand.h"
#include "tools/hostcli/ExitStatus.h"
#include "tools/validate/ValidateCommand.h"

namespace {

struct Command {
    std::string_view name;
    int (*run)(const HostOptions& options);
};

constexpr Command kCommands[] = {
    {"info", RunInfo},         {"thumbnail", RunThumbnail}, {"render", RunRender},
    {"play", RunPlay},         {"bench", RunBench},         {"font-sheet", RunFontSheet},
    {"validate", RunValidate}, {"help", RunHelp},           {"gallery", RunGallery},
};

}  // namespace

int RunCommand(const HostOptions& options) {
    for (const Command& command : kCommands)
        if (command.name == options.command) return command.run(options);
    return UsageError("unknown command \"" + options.command + "\"");
}
