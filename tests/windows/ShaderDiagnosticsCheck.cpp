// Run under Wine by compare-under-wine.sh, with Wine's debug-string channel on: a shader
// that fails to compile reports on standard output here, and on the debugger channel,
// which the script reads from Wine's trace.
#include <GL/glew.h>

#include <cstdio>
#include <string>

#include "gl/ShaderProgram.h"
#include "tests/support/EffectTestAccess.h"
#include "tools/hostkit/GlContext.h"

int main() {
    std::string error;
    auto context = GlContext::Create(&error);
    if (!context) {
        std::printf("FAIL: no GL context: %s\n", error.c_str());
        return 1;
    }
    ShaderProgram program;
    const bool compiled = program.Compile("#version 410 core\nvoid main() { gl_Position = nonsense; }\n",
                                          "#version 410 core\nout vec4 c;\nvoid main() { c = vec4(1.0); }\n");
    std::printf(
        "%s: a broken vertex shader fails without leaving GL names\n",
        !compiled && program.ProgramHandle() == 0 && EffectTestAccess::VertexShader(program) == 0 ? "ok" : "FAIL");
    return compiled ? 1 : 0;
}
