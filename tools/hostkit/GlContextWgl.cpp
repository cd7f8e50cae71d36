#include <GL/glew.h>
#include <GL/wglew.h>
#include <windows.h>

#include "tools/hostkit/ContextRequest.h"
#include "tools/hostkit/GlContext.h"

namespace {

constexpr const char* kWindowClass = "VigilHostGl";

// A never-shown window whose device context carries the pixel format; rendering goes to
// framebuffer objects, so the window's own surface is never drawn to.
class WglContext final : public GlContext {
public:
    ~WglContext() override {
        wglMakeCurrent(nullptr, nullptr);
        if (context) wglDeleteContext(context);
        if (window && deviceContext) ReleaseDC(window, deviceContext);
        if (window) DestroyWindow(window);
    }

    bool MakeCurrent() override { return wglMakeCurrent(deviceContext, context) != FALSE; }

    bool Open(const GlContextOptions& options, std::string* error) {
        if (!OpenWindow()) return Fail(error, "cannot create the hidden window for OpenGL");
        if (!ChooseFormat()) return Fail(error, "no RGBA8 OpenGL pixel format");
        // wglCreateContextAttribsARB is only reachable through a current legacy context.
        HGLRC legacy = wglCreateContext(deviceContext);
        if (!legacy || !wglMakeCurrent(deviceContext, legacy)) {
            if (legacy) wglDeleteContext(legacy);
            return Fail(error, "cannot create a legacy OpenGL context");
        }
        auto create = reinterpret_cast<PFNWGLCREATECONTEXTATTRIBSARBPROC>(
            reinterpret_cast<void*>(wglGetProcAddress("wglCreateContextAttribsARB")));
        ContextRequest request;
        request.forwardCompatible = options.forwardCompatible;
        request.debug = options.debug;
        const auto attributes = ContextAttributes(
            request, {WGL_CONTEXT_MAJOR_VERSION_ARB, WGL_CONTEXT_MINOR_VERSION_ARB, WGL_CONTEXT_PROFILE_MASK_ARB,
                      WGL_CONTEXT_CORE_PROFILE_BIT_ARB, WGL_CONTEXT_FLAGS_ARB, WGL_CONTEXT_FORWARD_COMPATIBLE_BIT_ARB,
                      WGL_CONTEXT_DEBUG_BIT_ARB});
        const auto* shared = dynamic_cast<const WglContext*>(options.shareWith);
        context = create ? create(deviceContext, shared ? shared->context : nullptr, attributes.data()) : nullptr;
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(legacy);
        if (!create) return Fail(error, "WGL lacks wglCreateContextAttribsARB");
        if (!context) return Fail(error, "cannot create an OpenGL 4.1 core context");
        wglMakeCurrent(deviceContext, context);
        glewExperimental = GL_TRUE;
        if (glewInit() != GLEW_OK) return Fail(error, "glewInit failed in the host");
        return true;
    }

private:
    static bool Fail(std::string* error, const char* text) {
        *error = text;
        return false;
    }

    bool OpenWindow() {
        HINSTANCE module = GetModuleHandleA(nullptr);
        WNDCLASSA windowClass = {};
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = module;
        windowClass.lpszClassName = kWindowClass;
        // A second context in the same process finds the class already registered.
        if (!RegisterClassA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
        window = CreateWindowExA(0, kWindowClass, "vigil-host", WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                 0, 0, 16, 16, nullptr, nullptr, module, nullptr);
        if (!window) return false;
        deviceContext = GetDC(window);
        return deviceContext != nullptr;
    }

    bool ChooseFormat() {
        PIXELFORMATDESCRIPTOR format = {};
        format.nSize = sizeof format;
        format.nVersion = 1;
        format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        format.iPixelType = PFD_TYPE_RGBA;
        format.cColorBits = 32;
        format.cAlphaBits = 8;
        format.iLayerType = PFD_MAIN_PLANE;
        const int index = ChoosePixelFormat(deviceContext, &format);
        return index != 0 && SetPixelFormat(deviceContext, index, &format);
    }

    HWND window = nullptr;
    HDC deviceContext = nullptr;
    HGLRC context = nullptr;
};

}  // namespace

std::unique_ptr<GlContext> GlContext::Create(std::string* error, const GlContextOptions& options) {
    auto context = std::make_unique<WglContext>();
    if (!context->Open(options, error)) return nullptr;
    return context;
}
