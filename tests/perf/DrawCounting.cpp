#include "tests/perf/DrawCounting.h"

#include <GL/glew.h>
#include <dlfcn.h>

namespace {

FrameCalls counted;
PFNGLBUFFERSUBDATAPROC realBufferSubData = nullptr;

void GLAPIENTRY CountingBufferSubData(GLenum target, GLintptr offset, GLsizeiptr size, const void* data) {
    ++counted.uploads;
    realBufferSubData(target, offset, size, data);
}

}  // namespace

extern "C" void glDrawArrays(GLenum mode, GLint first, GLsizei count) {
    using Function = void (*)(GLenum, GLint, GLsizei);
    static const Function next = reinterpret_cast<Function>(dlsym(RTLD_NEXT, "glDrawArrays"));
    ++counted.draws;
    if (next) next(mode, first, count);
}

void CountBufferUploads() {
    if (__glewBufferSubData == &CountingBufferSubData) return;
    realBufferSubData = __glewBufferSubData;
    __glewBufferSubData = &CountingBufferSubData;
}

FrameCalls CountedCalls() { return counted; }
