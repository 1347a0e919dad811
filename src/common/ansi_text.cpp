#include "common/ansi_text.h"

#include <cstring>

#include "platform/codepage.h"

std::size_t NextCharPos(const std::string& text, std::size_t pos) {
    if (pos < text.size() && platform::IsLeadByte(static_cast<unsigned char>(text[pos])) &&
        pos + 1 < text.size() && text[pos + 1] != '\0')
        return pos + 2;
    return pos + 1;
}

std::size_t LastCharPos(const std::string& text) {
    std::size_t last = std::string::npos;
    for (std::size_t pos = 0; pos < text.size(); pos = NextCharPos(text, pos))
        last = pos;
    return last;
}

bool EndsWithChar(const std::string& text, char c) {
    std::size_t last = LastCharPos(text);
    return last != std::string::npos && last + 1 == text.size() && text[last] == c;
}

std::size_t FindChar(const std::string& text, char c, std::size_t from) {
    for (std::size_t pos = 0; pos < text.size(); pos = NextCharPos(text, pos)) {
        if (pos >= from && text[pos] == c && NextCharPos(text, pos) == pos + 1)
            return pos;
    }
    return std::string::npos;
}

std::size_t FindLastChar(const std::string& text, char c) {
    std::size_t found = std::string::npos;
    for (std::size_t pos = 0; pos < text.size(); pos = NextCharPos(text, pos)) {
        if (text[pos] == c && NextCharPos(text, pos) == pos + 1)
            found = pos;
    }
    return found;
}

std::size_t FindText(const std::string& text, const std::string& what, std::size_t from) {
    if (what.empty())
        return from <= text.size() ? from : std::string::npos;
    for (std::size_t pos = 0; pos < text.size(); pos = NextCharPos(text, pos)) {
        if (pos >= from && text.compare(pos, what.size(), what) == 0)
            return pos;
    }
    return std::string::npos;
}

std::string TrimChars(const std::string& text, const char* set) {
    auto inSet = [&](std::size_t pos) {
        return NextCharPos(text, pos) == pos + 1 && text[pos] != '\0' &&
               std::strchr(set, text[pos]) != nullptr;
    };
    std::size_t begin = 0;
    while (begin < text.size() && inSet(begin))
        begin = NextCharPos(text, begin);
    // The trailing run is found walking forwards, so that a trail byte is never mistaken
    // for a character of the set.
    std::size_t end = text.size();
    std::size_t runStart = std::string::npos;
    for (std::size_t pos = begin; pos < text.size(); pos = NextCharPos(text, pos)) {
        if (inSet(pos)) {
            if (runStart == std::string::npos)
                runStart = pos;
        } else {
            runStart = std::string::npos;
        }
    }
    if (runStart != std::string::npos)
        end = runStart;
    return text.substr(begin, end - begin);
}

std::string TrimWhiteSpace(const std::string& text) {
    return TrimChars(text, " \t\n\v\f\r");
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    auto fold = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
    };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}
