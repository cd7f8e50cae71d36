#include <GL/glew.h>
#include <GL/glx.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>

#include "tools/hostkit/GlWindow.h"
#include "tools/hostkit/GlxCoreContext.h"

namespace {

WindowKey KeyOf(KeySym symbol) {
    switch (symbol) {
        case XK_Up: return WindowKey::Up;
        case XK_Down: return WindowKey::Down;
        case XK_Left: return WindowKey::Left;
        case XK_Right: return WindowKey::Right;
        case XK_space: return WindowKey::Space;
        case XK_s:
        case XK_S: return WindowKey::S;
        case XK_Escape: return WindowKey::Escape;
        case XK_q:
        case XK_Q: return WindowKey::Q;
        default: return WindowKey::Other;
    }
}

class GlxWindow final : public GlWindow {
public:
    GlxWindow() = default;
    GlxWindow(const GlxWindow&) = delete;
    GlxWindow& operator=(const GlxWindow&) = delete;
    ~GlxWindow() override {
        if (!display) return;
        glXMakeContextCurrent(display, None, None, nullptr);
        if (context) glXDestroyContext(display, context);
        if (window) XDestroyWindow(display, window);
        if (colormap) XFreeColormap(display, colormap);
        XCloseDisplay(display);
    }

    bool Create(int width, int height, const std::string& title, std::string* error) {
        display = OpenDisplayPatiently();
        if (!display) return Fail(error, "cannot open the X display");
        const int attributes[] = {GLX_DRAWABLE_TYPE,
                                  GLX_WINDOW_BIT,
                                  GLX_RENDER_TYPE,
                                  GLX_RGBA_BIT,
                                  GLX_DOUBLEBUFFER,
                                  True,
                                  GLX_RED_SIZE,
                                  8,
                                  GLX_GREEN_SIZE,
                                  8,
                                  GLX_BLUE_SIZE,
                                  8,
                                  None};
        int count = 0;
        GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), attributes, &count);
        if (!configs || count == 0) return Fail(error, "no double-buffered GLX configuration for a window");
        GLXFBConfig config = configs[0];
        XFree(configs);
        XVisualInfo* visual = glXGetVisualFromFBConfig(display, config);
        if (!visual) return Fail(error, "no X visual for the GLX configuration");
        const Window root = RootWindow(display, visual->screen);
        colormap = XCreateColormap(display, root, visual->visual, AllocNone);
        XSetWindowAttributes set{};
        set.colormap = colormap;
        set.event_mask = KeyPressMask | StructureNotifyMask;
        window = XCreateWindow(display, root, 0, 0, width, height, 0, visual->depth, InputOutput, visual->visual,
                               CWColormap | CWEventMask, &set);
        XFree(visual);
        if (!window) return Fail(error, "cannot create the window");
        closeMessage = XInternAtom(display, "WM_DELETE_WINDOW", False);
        XSetWMProtocols(display, window, &closeMessage, 1);
        SetTitle(title);
        XMapWindow(display, window);
        context = CreateCoreContext(display, config, false, error);
        if (!context || !glXMakeContextCurrent(display, window, window, context)) return false;
        glewExperimental = GL_TRUE;
        if (glewInit() != GLEW_OK) return Fail(error, "glewInit failed in the host");
        windowWidth = width;
        windowHeight = height;
        return true;
    }

    WindowEvents Poll(int milliseconds) override {
        WindowEvents events;
        if (!XPending(display) && milliseconds > 0) {
            pollfd ready{ConnectionNumber(display), POLLIN, 0};
            poll(&ready, 1, milliseconds);
        }
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == KeyPress) events.keys.push_back(KeyOf(XLookupKeysym(&event.xkey, 0)));
            if (event.type == ClientMessage && static_cast<Atom>(event.xclient.data.l[0]) == closeMessage)
                events.closed = true;
            if (event.type == DestroyNotify) events.closed = true;
            if (event.type == ConfigureNotify) {
                windowWidth = event.xconfigure.width;
                windowHeight = event.xconfigure.height;
            }
        }
        return events;
    }

    void SetTitle(const std::string& title) override {
        XStoreName(display, window, title.c_str());
        XFlush(display);
    }

    void Present(uint32_t framebuffer, int width, int height) override {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        glViewport(0, 0, windowWidth, windowHeight);
        glBlitFramebuffer(0, 0, width, height, 0, 0, windowWidth, windowHeight, GL_COLOR_BUFFER_BIT, GL_LINEAR);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glXSwapBuffers(display, window);
    }

private:
    static bool Fail(std::string* error, const char* text) {
        *error = text;
        return false;
    }

    Display* display = nullptr;
    Window window = 0;
    Colormap colormap = 0;
    GLXContext context = nullptr;
    Atom closeMessage = 0;
    int windowWidth = 0;
    int windowHeight = 0;
};

}  // namespace

std::unique_ptr<GlWindow> GlWindow::Open(int width, int height, const std::string& title, std::string* error) {
    auto window = std::make_unique<GlxWindow>();
    if (!window->Create(width, height, title, error)) return nullptr;
    return window;
}
