// vigil-host play in a real window on the test run's display, driven by key presses as a
// user drives it, and looked at through a screenshot of the screen.
#include <signal.h>

#include <chrono>
#include <thread>

#include "HostProcess.h"
#include "tools/hostcli/PictureLoad.h"

TEST(PlayWindow, AKeyChangesTheModeOnScreenAndEscapeEnds) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs the test run's display";
    const auto directory = ScratchDirectory("play");
    const pid_t host = fork();
    if (host == 0) {
        execl(VIGIL_HOST_PATH, VIGIL_HOST_PATH, "play", VIGIL_PLUGIN_PATH, "--size", "160x120", "--set",
              "Show Info=off", "--set", "Corners=off", static_cast<char*>(nullptr));
        _exit(127);
    }
    const std::string window = ShellOutput("timeout 30 xdotool search --sync --onlyvisible --name 'vigil-host play'");
    ASSERT_FALSE(window.empty()) << "no window appeared";
    const std::string id = window.substr(0, window.find('\n'));
    // The first parameter is "Color Mode": one step right is "Night Vision".
    ShellOutput("xdotool key --window " + id + " Right");
    const std::string readTitle = "xdotool getwindowname " + id;
    std::string title;
    for (int wait = 0; wait < 100 && title.find("Night Vision") == std::string::npos; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        title = ShellOutput(readTitle);
    }
    EXPECT_NE(title.find("Color Mode = Night Vision"), std::string::npos) << title;
    EXPECT_NE(title.find("ms/frame"), std::string::npos) << title;
    // Night vision turns the whole test card green: green leads in the middle of every bar.
    const std::string shot = (directory / "screen.png").string();
    const std::string takeShot = "import -window " + id + " " + shot;
    int greenBars = 0;
    for (int attempt = 0; attempt < 20 && greenBars < 7; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ShellOutput(takeShot);
        Picture screen;
        std::string error;
        if (!LoadPicture(shot, &screen, &error) || screen.width < 160) continue;
        greenBars = 0;
        for (int bar = 0; bar < 7; ++bar) {
            const uint8_t* pixel = screen.At(bar * 20 + 10, 30);
            greenBars += pixel[1] > pixel[0] + 40 && pixel[1] > pixel[2] + 40;
        }
    }
    EXPECT_EQ(greenBars, 7);
    ShellOutput("xdotool key --window " + id + " Escape");
    int status = 0;
    waitpid(host, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}
