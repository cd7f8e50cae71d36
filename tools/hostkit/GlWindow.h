// A window on the screen with its own OpenGL 4.1 core context, for the live view: the
// plug-in draws offscreen as in any host, and the frame is then copied into the window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum class WindowKey { Up, Down, Left, Right, Space, S, Escape, Q, Other };

struct WindowEvents {
    std::vector<WindowKey> keys;  // in the order they were pressed
    bool closed = false;          // the window's close button
};

class GlWindow {
public:
    // Opens the window at the given size, makes its context current and loads GL's entry points.
    static std::unique_ptr<GlWindow> Open(int width, int height, const std::string& title, std::string* error);
    virtual ~GlWindow() = default;

    // What happened since the last call, waiting at most `milliseconds` for the first event.
    virtual WindowEvents Poll(int milliseconds) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // Copies the framebuffer's colour into the whole window and shows it.
    virtual void Present(uint32_t framebuffer, int width, int height) = 0;
};
