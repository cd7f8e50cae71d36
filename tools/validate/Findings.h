// The child's side of a group's report: what it is about to do, and what each check
// found. Every line is flushed at once, so the parent still reads the last step when the
// plug-in crashes or hangs the child.
//
// Lines: "step N TEXT", "mark TEXT" (a new call sequence begins), "check ID TITLE",
// "fail ID TEXT", "warn ID TEXT", "note ID TEXT" (more about the problem before), "done ID",
// and "end" when the group has run to its end.
#pragma once

#include <cstdio>
#include <string>

class Findings {
public:
    explicit Findings(std::FILE* report) : report(report) {}

    void Step(const std::string& text);
    void Mark(const std::string& text);
    void Line(const char* kind, const std::string& id, const std::string& text);

private:
    std::FILE* report;
    long step = 0;
};

// One check of a group: declared when made, finished when it goes. Problems beyond the
// first few are counted, not listed.
class Check {
public:
    Check(Findings& findings, std::string id, const std::string& title);
    ~Check();
    Check(const Check&) = delete;
    Check& operator=(const Check&) = delete;

    void Fail(const std::string& text) { Problem("fail", text, &failures); }
    void Warn(const std::string& text) { Problem("warn", text, &warnings); }
    // Fails with the text when the condition does not hold; answers the condition.
    bool Expect(bool condition, const std::string& text);
    // A further line about the problem just reported, kept only when that one was listed.
    void Note(const std::string& text);
    int Failures() const { return failures; }

private:
    void Problem(const char* kind, const std::string& text, int* count);

    Findings& findings;
    std::string id;
    int failures = 0;
    int warnings = 0;
    bool lastListed = false;
};
