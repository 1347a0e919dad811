// Profile sections on the simulated machine: the .ini file is an ordinary file of the
// machine, so a test can read it, and the next start of 95/98/Me can carry it out.
#include "platform/profile.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/sim/machine.h"

namespace platform {
namespace {

std::string ProfilePath(const sim::Machine& machine, const char* file) {
    const std::string name = file ? file : "";
    if (name.find_first_of("\\/:") == std::string::npos)
        return machine.system.windowsFolder + "\\" + name;
    return name;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The section header's name when line is one ("[name]"), else nullopt.
std::optional<std::string> SectionName(const std::string& line) {
    const std::string trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[')
        return std::nullopt;
    const std::size_t close = trimmed.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return Trim(trimmed.substr(1, close - 1));
}

} // namespace

std::uint32_t ReadIniSection(const char* section, char* buffer, std::uint32_t size,
                             const char* file) {
    auto& machine = sim::Machine::Active();
    if (size == 0)
        return 0;
    buffer[0] = '\0';
    if (size < 2)
        return 0;
    const std::string path = ProfilePath(machine, file);
    const sim::FsNode* node = machine.Find(path);
    if (machine.ShouldFail("ReadIniSection", path) || node == nullptr || node->folder)
        return 0;
    std::string block;
    bool inSection = false;
    for (const std::string& line : SplitLines(*node->data)) {
        if (auto name = SectionName(line)) {
            inSection = machine.Lower(*name) == machine.Lower(section);
            continue;
        }
        const std::string trimmed = Trim(line);
        if (!inSection || trimmed.empty())
            continue;
        const std::size_t equals = trimmed.find('=');
        if (equals == std::string::npos)
            block += trimmed;
        else
            block += Trim(trimmed.substr(0, equals)) + "=" + Trim(trimmed.substr(equals + 1));
        block += '\0';
    }
    if (block.size() + 1 > size) {
        std::memcpy(buffer, block.data(), size - 2);
        buffer[size - 2] = '\0';
        buffer[size - 1] = '\0';
        return size - 2;
    }
    std::memcpy(buffer, block.data(), block.size());
    buffer[block.size()] = '\0';
    return static_cast<std::uint32_t>(block.size());
}

bool WriteIniSection(const char* section, const char* block, const char* file) {
    auto& machine = sim::Machine::Active();
    const std::string path = ProfilePath(machine, file);
    if (machine.ShouldFail("WriteIniSection", path) || section == nullptr || block == nullptr)
        return false;
    std::vector<std::string> entries;
    for (const char* entry = block; *entry != '\0'; entry += std::strlen(entry) + 1)
        entries.push_back(entry);

    std::string text;
    if (const sim::FsNode* node = machine.Find(path)) {
        if (node->folder)
            return false;
        text = *node->data;
    }
    std::string rebuilt;
    bool inSection = false;
    bool written = false;
    auto writeSection = [&]() {
        rebuilt += "[" + std::string(section) + "]\r\n";
        for (const auto& entry : entries)
            rebuilt += entry + "\r\n";
        written = true;
    };
    for (const std::string& line : SplitLines(text)) {
        if (auto name = SectionName(line)) {
            inSection = machine.Lower(*name) == machine.Lower(section);
            if (inSection) {
                if (!written)
                    writeSection();
                continue;
            }
        }
        if (!inSection)
            rebuilt += line + "\r\n";
    }
    if (!written)
        writeSection();
    auto stream = StreamFile::Open(path, "wb");
    return stream && stream.Write(rebuilt.data(), rebuilt.size()) == rebuilt.size();
}

} // namespace platform
