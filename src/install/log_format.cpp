#include "install/log_format.h"

#include <cstring>

LogReader::LogReader(const std::string& path) : file_(platform::StreamFile::Open(path, "r")) {}

bool LogReader::Next(std::string& line) {
    char buffer[kLogLineBufferSize];
    if (!file_.GetLine(buffer, sizeof buffer))
        return false;
    std::size_t length = std::strlen(buffer);
    while (length > 1 && static_cast<unsigned char>(buffer[length - 1]) <= 32)
        --length;
    line.assign(buffer, length);
    return true;
}

bool HasPrefix(const std::string& line, const char* prefix) {
    return line.compare(0, std::strlen(prefix), prefix) == 0;
}

void AppendLogLine(const std::string& path, const std::string& text) {
    auto file = platform::StreamFile::Open(path, "a");
    if (file)
        file.PutText(text + "\n");
}
