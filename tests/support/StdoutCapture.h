// Standard output of this process, redirected into a temporary file for the object's life.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <string>

class StdoutCapture {
public:
    StdoutCapture() {
        std::fflush(stdout);
        saved = dup(1);
        file = std::tmpfile();
        dup2(fileno(file), 1);
    }
    ~StdoutCapture() { Finish(); }
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    std::string Finish() {
        if (saved < 0) return text;
        std::fflush(stdout);
        dup2(saved, 1);
        close(saved);
        saved = -1;
        std::rewind(file);
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
        std::fclose(file);
        return text;
    }

private:
    int saved = -1;
    std::FILE* file = nullptr;
    std::string text;
};
