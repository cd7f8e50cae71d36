#include <windows.h>

#include <cstdio>

#include "platform/WidePath.h"
#include "tools/validate/ProcessPlatform.h"

namespace {

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

}  // namespace

GroupProcess::~GroupProcess() {
    Kill();
    if (handle) CloseHandle(reinterpret_cast<HANDLE>(handle));
}

bool GroupProcess::Start(const std::vector<std::string>& arguments, const std::string& outputPath, std::string* error) {
    wchar_t self[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    if (length == 0 || length >= MAX_PATH * 4) {
        *error = "cannot find vigil-host's own file";
        return false;
    }
    std::wstring commandLine = Quoted(self);
    for (const std::string& argument : arguments) commandLine += L" " + Quoted(Wide(argument));
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileW(Wide(outputPath).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        *error = "cannot write " + outputPath;
        return false;
    }
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION process = {};
    // A crashing child must not stop the run with an error dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    const BOOL started =
        CreateProcessW(self, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(output);
    if (!started) {
        *error = "cannot start a child process (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    CloseHandle(process.hThread);
    handle = reinterpret_cast<intptr_t>(process.hProcess);
    running = true;
    return true;
}

bool GroupProcess::Wait(int milliseconds) {
    if (!running) return true;
    if (WaitForSingleObject(reinterpret_cast<HANDLE>(handle), static_cast<DWORD>(milliseconds)) != WAIT_OBJECT_0)
        return false;
    DWORD code = 0;
    GetExitCodeProcess(reinterpret_cast<HANDLE>(handle), &code);
    running = false;
    // Exception codes (0xC0000005 and the like) are how a crashed process ends.
    exited = code < 0xC0000000u;
    status = static_cast<int>(code);
    return true;
}

void GroupProcess::Kill() {
    if (!running) return;
    TerminateProcess(reinterpret_cast<HANDLE>(handle), 0xC000013Au);
    Wait(60000);
}

std::string GroupProcess::EndText() const {
    char text[64];
    if (exited) return "exited with status " + std::to_string(status);
    std::snprintf(text, sizeof text, "crashed: exception 0x%08X", static_cast<unsigned>(status));
    return text;
}

bool MakeFifo(const std::string&) { return false; }

const char* EndlessFile() { return nullptr; }
