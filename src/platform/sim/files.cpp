// File and folder calls of the sim build, and the C runtime's stream files over the
// active machine's files, with the text-mode translation of the Windows C runtime.
#include "platform/files.h"

#include <algorithm>
#include <cstring>

#include "platform/sim/machine.h"

namespace platform {

bool PathExists(const std::string& path) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("PathExists", path))
        return false;
    return machine.Find(path) != nullptr;
}

std::uint32_t GetFileAttrs(const std::string& path) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("GetFileAttrs", path))
        return kInvalidAttributes;
    const sim::FsNode* node = machine.Find(path);
    if (node == nullptr)
        return kInvalidAttributes;
    if (node->folder)
        return node->attributes | kAttrDirectory;
    return node->attributes == 0 ? kAttrNormal : node->attributes;
}

bool SetFileAttrs(const std::string& path, std::uint32_t attributes) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("SetFileAttrs", path))
        return false;
    sim::FsNode* node = machine.Find(path);
    if (node == nullptr)
        return false;
    // Only these bits can be set; "normal" alone means none of them.
    constexpr std::uint32_t kSettable = kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive |
                                        0x100 /* temporary */ | 0x2000 /* not indexed */;
    node->attributes = (attributes & kSettable) | (node->folder ? kAttrDirectory : 0);
    return true;
}

bool CreateFolder(const std::string& path) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("CreateFolder", path))
        return false;
    auto resolved = machine.Resolve(path);
    // CreateDirectoryA takes at most 248 characters, leaving room for a file name.
    if (!resolved || resolved->parts.empty() || resolved->Text().size() > 247)
        return false;
    sim::FsNode* parent = machine.FindParentFolder(*resolved);
    if (parent == nullptr)
        return false;
    auto& slot = parent->children[machine.Lower(resolved->parts.back())];
    if (slot)
        return false; // already there, as a file or a folder
    slot = std::make_unique<sim::FsNode>();
    slot->name = resolved->parts.back();
    slot->folder = true;
    slot->attributes = kAttrDirectory;
    return true;
}

bool RemoveFolder(const std::string& path) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("RemoveFolder", path))
        return false;
    auto resolved = machine.Resolve(path);
    if (!resolved || resolved->parts.empty())
        return false;
    sim::FsNode* parent = machine.FindParentFolder(*resolved);
    if (parent == nullptr)
        return false;
    auto slot = parent->children.find(machine.Lower(resolved->parts.back()));
    if (slot == parent->children.end() || !slot->second->folder)
        return false;
    const sim::FsNode& folder = *slot->second;
    if (!folder.children.empty() || folder.undeletable || (folder.attributes & kAttrReadOnly))
        return false;
    // The current directory of a process cannot be removed.
    auto current = machine.Resolve(machine.currentDirectory);
    if (current && machine.Lower(current->Text()) == machine.Lower(resolved->Text()))
        return false;
    parent->children.erase(slot);
    return true;
}

// ---- Stream files ----

struct StreamFile::Impl {
    std::shared_ptr<std::string> data;
    sim::FsNode* node = nullptr; // valid while the stream is open: the file cannot go
    std::size_t position = 0;
    bool text = true;
    bool reading = false;
    bool writing = false;
    bool append = false;
    bool atEnd = false; // a text-mode read met the end-of-file byte
};

StreamFile StreamFile::Open(const std::string& path, const char* mode) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("StreamFile::Open", path) || mode == nullptr)
        return StreamFile();
    const char kind = mode[0];
    if (kind != 'r' && kind != 'w' && kind != 'a')
        return StreamFile();
    const bool plus = std::strchr(mode, '+') != nullptr;
    auto impl = std::make_unique<Impl>();
    impl->text = std::strchr(mode, 'b') == nullptr;
    impl->reading = kind == 'r' || plus;
    impl->writing = kind != 'r' || plus;
    impl->append = kind == 'a';

    auto resolved = machine.Resolve(path);
    if (!resolved || resolved->parts.empty())
        return StreamFile();
    sim::FsNode* node = machine.Node(*resolved);
    if (node != nullptr && node->folder)
        return StreamFile();
    if (node == nullptr) {
        if (kind == 'r')
            return StreamFile();
        sim::FsNode* parent = machine.FindParentFolder(*resolved);
        if (parent == nullptr)
            return StreamFile();
        auto& slot = parent->children[machine.Lower(resolved->parts.back())];
        slot = std::make_unique<sim::FsNode>();
        slot->name = resolved->parts.back();
        slot->attributes = kAttrArchive;
        node = slot.get();
    } else if (impl->writing) {
        if ((node->attributes & kAttrReadOnly) || node->hold != sim::Hold::None)
            return StreamFile();
    } else if (node->hold == sim::Hold::Exclusive) {
        return StreamFile();
    }
    if (kind == 'w')
        node->data->clear();
    ++node->openStreams;
    impl->node = node;
    impl->data = node->data;
    return StreamFile(impl.release());
}

namespace {

// The next byte of a stream as the C runtime delivers it, or -1 at the end: in text mode a
// CR LF pair reads as one line feed and a CTRL+Z byte ends the file.
int ReadChar(StreamFile::Impl& stream) {
    const std::string& data = *stream.data;
    if (stream.atEnd || stream.position >= data.size())
        return -1;
    char c = data[stream.position++];
    if (stream.text) {
        if (c == '\x1a') {
            stream.atEnd = true;
            return -1;
        }
        if (c == '\r' && stream.position < data.size() && data[stream.position] == '\n') {
            ++stream.position;
            c = '\n';
        }
    }
    return static_cast<unsigned char>(c);
}

} // namespace

bool StreamFile::GetLine(char* buffer, int size) {
    if (impl_ == nullptr || !impl_->reading || size <= 0)
        return false;
    int count = 0;
    while (count < size - 1) {
        int c = ReadChar(*impl_);
        if (c < 0)
            break;
        buffer[count++] = static_cast<char>(c);
        if (c == '\n')
            break;
    }
    if (count == 0)
        return false;
    buffer[count] = '\0';
    return true;
}

bool StreamFile::PutText(const std::string& text) {
    // A C string ends at its first zero byte.
    const std::size_t length = text.find('\0');
    const std::size_t size = length == std::string::npos ? text.size() : length;
    return size == 0 ? impl_ != nullptr && impl_->writing : Write(text.data(), size) == size;
}

std::size_t StreamFile::Write(const void* data, std::size_t size) {
    if (impl_ == nullptr || !impl_->writing)
        return 0;
    const auto* in = static_cast<const char*>(data);
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) {
        if (impl_->text && in[i] == '\n')
            bytes += '\r';
        bytes += in[i];
    }
    std::string& file = *impl_->data;
    if (impl_->append)
        impl_->position = file.size();
    if (impl_->position > file.size())
        file.resize(impl_->position, '\0');
    file.replace(impl_->position, std::min(bytes.size(), file.size() - impl_->position), bytes);
    impl_->position += bytes.size();
    return size;
}

std::size_t StreamFile::Read(void* buffer, std::size_t size) {
    if (impl_ == nullptr || !impl_->reading)
        return 0;
    auto* out = static_cast<char*>(buffer);
    std::size_t count = 0;
    for (int c; count < size && (c = ReadChar(*impl_)) >= 0;)
        out[count++] = static_cast<char>(c);
    return count;
}

bool StreamFile::Seek(long offset, int origin) {
    if (impl_ == nullptr)
        return false;
    long base = origin == 2   ? static_cast<long>(impl_->data->size())
                : origin == 1 ? static_cast<long>(impl_->position)
                              : 0;
    if (base + offset < 0)
        return false;
    impl_->position = static_cast<std::size_t>(base + offset);
    impl_->atEnd = false;
    return true;
}

long StreamFile::Tell() {
    return impl_ == nullptr ? -1L : static_cast<long>(impl_->position);
}

void StreamFile::Rewind() {
    Seek(0, 0);
}

void StreamFile::Close() {
    if (impl_ == nullptr)
        return;
    if (sim::Machine::HasActive() && impl_->node != nullptr)
        --impl_->node->openStreams;
    delete impl_;
    impl_ = nullptr;
}

} // namespace platform
