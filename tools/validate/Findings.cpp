#include "tools/validate/Findings.h"

namespace {

// Problems listed per check; the rest are only counted.
constexpr int kListedProblems = 6;

// One line per entry: line breaks inside a text would split it.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

}  // namespace

void Findings::Step(const std::string& text) {
    std::fprintf(report, "step %ld %s\n", ++step, OneLine(text).c_str());
    std::fflush(report);
}

void Findings::Mark(const std::string& text) {
    std::fprintf(report, "mark %s\n", OneLine(text).c_str());
    std::fflush(report);
}

void Findings::Line(const char* kind, const std::string& id, const std::string& text) {
    std::fprintf(report, "%s %s %s\n", kind, id.c_str(), OneLine(text).c_str());
    std::fflush(report);
}

Check::Check(Findings& findings, std::string checkId, const std::string& title)
    : findings(findings), id(std::move(checkId)) {
    findings.Line("check", id, title);
}

Check::~Check() {
    if (failures > kListedProblems)
        findings.Line("fail", id, "... " + std::to_string(failures - kListedProblems) + " more");
    if (warnings > kListedProblems)
        findings.Line("warn", id, "... " + std::to_string(warnings - kListedProblems) + " more");
    findings.Line("done", id, "");
}

bool Check::Expect(bool condition, const std::string& text) {
    if (!condition) Fail(text);
    return condition;
}

void Check::Note(const std::string& text) {
    if (lastListed) findings.Line("note", id, text);
}

void Check::Problem(const char* kind, const std::string& text, int* count) {
    lastListed = ++*count <= kListedProblems;
    if (lastListed) findings.Line(kind, id, text);
}
