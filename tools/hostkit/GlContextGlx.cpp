#include <GL/glew.h>
#include <GL/glx.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "tools/hostkit/ContextRequest.h"
#include "tools/hostkit/GlContext.h"
#include "tools/hostkit/GlxCoreContext.h"

using CreateContextAttribs = GLXContext (*)(Display*, GLXFBConfig, GLXContext, Bool, const int*);

GLXContext CreateCoreContext(Display* display, GLXFBConfig config, bool forwardCompatible, std::string* error,
                             GLXContext shareWith, bool debug) {
    auto create = reinterpret_cast<CreateContextAttribs>(
        glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXCreateContextAttribsARB")));
    if (!create) {
        *error = "GLX lacks glXCreateContextAttribsARB";
        return nullptr;
    }
    ContextRequest request;
    request.forwardCompatible = forwardCompatible;
    request.debug = debug;
    const auto attributes = ContextAttributes(
        request, {GLX_CONTEXT_MAJOR_VERSION_ARB, GLX_CONTEXT_MINOR_VERSION_ARB, GLX_CONTEXT_PROFILE_MASK_ARB,
                  GLX_CONTEXT_CORE_PROFILE_BIT_ARB, GLX_CONTEXT_FLAGS_ARB, GLX_CONTEXT_FORWARD_COMPATIBLE_BIT_ARB,
                  GLX_CONTEXT_DEBUG_BIT_ARB});
    GLXContext context = create(display, config, shareWith, True, attributes.data());
    if (!context) *error = "cannot create an OpenGL 4.1 core context";
    return context;
}

Display* OpenDisplayPatiently() {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (Display* opened = XOpenDisplay(nullptr)) return opened;
        if (!std::getenv("DISPLAY")) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return nullptr;
}

namespace {

class GlxContext final : public GlContext {
public:
    GlxContext() = default;
    GlxContext(const GlxContext&) = delete;
    GlxContext& operator=(const GlxContext&) = delete;
    ~GlxContext() override {
        if (!display) return;
        glXMakeContextCurrent(display.get(), None, None, nullptr);
        if (context) glXDestroyContext(display.get(), context);
        if (pbuffer) glXDestroyPbuffer(display.get(), pbuffer);
    }

    bool MakeCurrent() override { return glXMakeContextCurrent(display.get(), pbuffer, pbuffer, context); }

    bool Open(const GlContextOptions& options, std::string* error) {
        // Contexts that share objects must live on one display connection.
        const auto* shared = dynamic_cast<const GlxContext*>(options.shareWith);
        if (shared)
            display = shared->display;
        else if (Display* opened = OpenDisplayPatiently())
            display.reset(opened, XCloseDisplay);
        if (!display) return Fail(error, "cannot open the X display (is DISPLAY set? run under xvfb-run -a)");
        const int configAttributes[] = {GLX_DRAWABLE_TYPE,
                                        GLX_PBUFFER_BIT,
                                        GLX_RENDER_TYPE,
                                        GLX_RGBA_BIT,
                                        GLX_RED_SIZE,
                                        8,
                                        GLX_GREEN_SIZE,
                                        8,
                                        GLX_BLUE_SIZE,
                                        8,
                                        GLX_ALPHA_SIZE,
                                        8,
                                        None};
        int count = 0;
        GLXFBConfig* configs = glXChooseFBConfig(display.get(), DefaultScreen(display.get()), configAttributes, &count);
        if (!configs || count == 0) return Fail(error, "no GLX framebuffer configuration with a pbuffer");
        GLXFBConfig config = configs[0];
        XFree(configs);

        context = CreateCoreContext(display.get(), config, options.forwardCompatible, error,
                                    shared ? shared->context : nullptr, options.debug);
        if (!context) return false;
        const int pbufferAttributes[] = {GLX_PBUFFER_WIDTH, 16, GLX_PBUFFER_HEIGHT, 16, None};
        pbuffer = glXCreatePbuffer(display.get(), config, pbufferAttributes);
        if (!pbuffer) return Fail(error, "cannot create a GLX pbuffer");
        glXMakeContextCurrent(display.get(), pbuffer, pbuffer, context);
        glewExperimental = GL_TRUE;
        if (glewInit() != GLEW_OK) return Fail(error, "glewInit failed in the host");
        return true;
    }

private:
    static bool Fail(std::string* error, const char* text) {
        *error = text;
        return false;
    }

    std::shared_ptr<Display> display;
    GLXContext context = nullptr;
    GLXPbuffer pbuffer = 0;
};

}  // namespace

std::unique_ptr<GlContext> GlContext::Create(std::string* error, const GlContextOptions& options) {
    auto context = std::make_unique<GlxContext>();
    if (!context->Open(options, error)) return nullptr;
    return context;
}
