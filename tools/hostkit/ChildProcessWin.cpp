// On Windows the host runs children that write to a file or to nothing (the validator's
// groups); pipes to a child are for video and the live window, which are Linux features.
#include <windows.h>

#include <cstdio>

#include "platform/WidePath.h"
#include "tools/hostkit/ChildProcess.h"

namespace {

// The code a child stopped by the host ends with, as Ctrl-C would end it.
constexpr UINT kStoppedCode = 0xC000013Au;

// One argument quoted the way CommandLineToArgvW reads it back.
std::wstring Quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

std::wstring Wide(const std::string& text) {
    const std::wstring wide = WidePathFromUtf8(text.c_str());
    return wide.empty() ? std::wstring(text.begin(), text.end()) : wide;
}

// Every child joins this job, which ends them all when the host's last handle to it closes,
// that is when the host ends, even killed outright.
HANDLE ChildrenJob() {
    static const HANDLE job = [] {
        HANDLE made = CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (made) SetInformationJobObject(made, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        return made;
    }();
    return job;
}

HANDLE Handle(intptr_t process) { return reinterpret_cast<HANDLE>(process); }

bool Refuse(std::string* error, const std::string& text) {
    *error = text;
    return false;
}

}  // namespace

ChildProcess::~ChildProcess() {
    if (Running()) {
        Terminate();
        Wait();
    }
}

bool ChildProcess::Start(const std::vector<std::string>& arguments, const ChildPipes& pipes, std::string* error) {
    return Launch(arguments[0].c_str(), arguments, pipes, error);
}

bool ChildProcess::StartSelf(const std::vector<std::string>& arguments, const ChildPipes& pipes, std::string* error) {
    return Launch(nullptr, arguments, pipes, error);
}

bool ChildProcess::Launch(const char* program, const std::vector<std::string>& arguments, const ChildPipes& pipes,
                          std::string* error) {
    if (pipes.input || pipes.output || pipes.outputFd >= 0 || pipes.extraFd >= 0 || !pipes.environment.empty())
        return Refuse(error, "running " + arguments[0] + " is not available on Windows");
    wchar_t self[MAX_PATH * 4];
    const DWORD length = program ? 0 : GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    if (!program && (length == 0 || length >= MAX_PATH * 4)) return Refuse(error, "cannot find vigil-host's own file");
    std::wstring commandLine = program ? Quoted(Wide(program)) : Quoted(self);
    for (size_t i = 1; i < arguments.size(); ++i) commandLine += L" " + Quoted(Wide(arguments[i]));
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    const std::wstring outputPath = pipes.outputFile.empty() ? L"NUL" : Wide(pipes.outputFile);
    HANDLE output = CreateFileW(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) return Refuse(error, "cannot write " + pipes.outputFile);
    HANDLE input = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION started = {};
    // A crashing child must not stop the run with an error dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    const BOOL made = CreateProcessW(program ? nullptr : self, commandLine.data(), nullptr, nullptr, TRUE,
                                     CREATE_SUSPENDED, nullptr, nullptr, &startup, &started);
    CloseHandle(output);
    if (input != INVALID_HANDLE_VALUE) CloseHandle(input);
    if (!made) {
        const DWORD reason = GetLastError();
        if (reason == ERROR_FILE_NOT_FOUND && program)
            return Refuse(error, arguments[0] + " is not installed (it is not on the PATH)");
        return Refuse(error, "cannot start a child process (error " + std::to_string(reason) + ")");
    }
    // Where jobs cannot nest, the child runs outside one and ends only when told to.
    if (HANDLE job = ChildrenJob()) AssignProcessToJobObject(job, started.hProcess);
    ResumeThread(started.hThread);
    CloseHandle(started.hThread);
    process = reinterpret_cast<intptr_t>(started.hProcess);
    return true;
}

void ChildProcess::CloseInput() {}
void ChildProcess::CloseOutput() {}

void ChildProcess::Terminate() {
    if (Running()) TerminateProcess(Handle(process), kStoppedCode);
}

void ChildProcess::Kill() { Terminate(); }

int ChildProcess::Wait() {
    if (Running()) WaitForSingleObject(Handle(process), INFINITE);
    WaitFor(0);
    return end.code;
}

bool ChildProcess::WaitFor(int milliseconds) {
    if (!Running()) return true;
    if (WaitForSingleObject(Handle(process), static_cast<DWORD>(milliseconds)) != WAIT_OBJECT_0) return false;
    DWORD code = 0;
    GetExitCodeProcess(Handle(process), &code);
    CloseHandle(Handle(process));
    process = 0;
    // Exception codes (0xC0000005 and the like) are how a crashed process ends.
    end.exited = code < 0xC0000000u;
    end.code = static_cast<int>(code);
    return true;
}

std::string ChildProcess::EndText() const {
    char text[64];
    if (end.exited) return "exited with status " + std::to_string(end.code);
    std::snprintf(text, sizeof text, "crashed: exception 0x%08X", static_cast<unsigned>(end.code));
    return text;
}

std::string ChildProcess::ErrorText() const { return {}; }
