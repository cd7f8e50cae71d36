#include "tools/validate/TextRules.h"

#include <cstdio>
#include <cstring>

namespace {

bool Printable(unsigned char c) { return c >= 0x20 && c != 0x7F; }

std::string Hex(unsigned char c) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", c);
    return text;
}

}  // namespace

bool ReadTerminated(const char* text, size_t limit, std::string* read) {
    const size_t length = strnlen(text, limit);
    if (length == limit) return false;
    read->assign(text, length);
    return true;
}

bool IsUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80           ? 1
                              : (lead >> 5) == 0x6  ? 2
                              : (lead >> 4) == 0xE  ? 3
                              : (lead >> 3) == 0x1E ? 4
                                                    : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

std::string FixedFieldProblem(const char* field, size_t size, bool mayBeEmpty) {
    size_t length = 0;
    while (length < size && field[length] != '\0') {
        if (!Printable(static_cast<unsigned char>(field[length])))
            return "byte " + std::to_string(length) + " is " + Hex(static_cast<unsigned char>(field[length]));
        ++length;
    }
    if (length == 0 && !mayBeEmpty) return "it is empty";
    for (size_t i = length; i < size; ++i)
        if (field[i] != '\0')
            return "byte " + std::to_string(i) + " is " + Hex(static_cast<unsigned char>(field[i])) +
                   " after the terminator (not zero-padded)";
    return "";
}

std::string Shown(const std::string& text) {
    constexpr size_t kShown = 40;
    std::string shown = "\"";
    for (size_t i = 0; i < text.size() && i < kShown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        shown += c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c)) : "\\x" + Hex(c).substr(2);
    }
    return shown + (text.size() > kShown ? "...\" (" + std::to_string(text.size()) + " bytes)" : "\"");
}
