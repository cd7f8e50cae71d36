// The host's children: how they ended, told apart, a wait that gives up in time, and
// output to a file.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/vigil_host/HostProcess.h"
#include "tools/hostkit/ChildProcess.h"

TEST(ChildProcess, TellsAnExitFromASignalAndNamesEach) {
    ChildProcess exits, killed;
    std::string error;
    ASSERT_TRUE(exits.Start({"sh", "-c", "exit 3"}, {}, &error)) << error;
    ASSERT_TRUE(killed.Start({"sh", "-c", "kill -9 $$"}, {}, &error)) << error;
    EXPECT_EQ(exits.Wait(), 3);
    EXPECT_TRUE(exits.End().exited);
    EXPECT_EQ(exits.EndText(), "exited with status 3");
    EXPECT_EQ(killed.Wait(), 128 + 9);
    EXPECT_FALSE(killed.End().exited);
    EXPECT_EQ(killed.End().code, 9);
    EXPECT_EQ(killed.EndText(), "crashed: Killed (signal 9)");
}

TEST(ChildProcess, ATimedWaitGivesUpAndAKilledChildEnds) {
    ChildProcess child;
    std::string error;
    ASSERT_TRUE(child.Start({"sleep", "30"}, {}, &error)) << error;
    EXPECT_FALSE(child.WaitFor(50));
    EXPECT_TRUE(child.Running());
    child.Kill();
    EXPECT_TRUE(child.WaitFor(10000));
    EXPECT_FALSE(child.End().exited);
    EXPECT_FALSE(child.Running());
}

TEST(ChildProcess, WritesBothStreamsToItsFileAndNamesAMissingProgram) {
    const std::filesystem::path file = ScratchDirectory("child") / "out.txt";
    ChildPipes pipes;
    pipes.outputFile = file.string();
    ChildProcess child;
    std::string error;
    ASSERT_TRUE(child.Start({"sh", "-c", "echo out; echo err >&2"}, pipes, &error)) << error;
    EXPECT_EQ(child.Wait(), 0);
    EXPECT_EQ(ReadWholeFile(file), "out\nerr\n");
    ChildProcess missing;
    EXPECT_FALSE(missing.Start({"no-such-program-here"}, {}, &error));
    EXPECT_EQ(error, "no-such-program-here is not installed (it is not on the PATH)");
}
