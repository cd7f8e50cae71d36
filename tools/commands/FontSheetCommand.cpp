#include "tools/commands/FontSheetCommand.h"

#include "tools/hostcli/ExitStatus.h"
#include "tools/hostcli/FontSheet.h"

int RunFontSheet(const HostOptions& options) {
    std::string error;
    if (!WriteFontSheet(options.output, &error)) return Fail(error);
    return kExitOk;
}
