// vigil-host font-sheet: every glyph of the built-in font on one picture.
#include "tools/Commands.h"
#include "tools/FontSheet.h"

int RunFontSheet(const HostOptions& options) {
    std::string error;
    if (!WriteFontSheet(options.output, &error)) return Fail(error);
    return kExitOk;
}
