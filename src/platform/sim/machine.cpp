// The simulated machine's model: drives and folders, the registry hives, the code page and
// the failures a test injects. The platform calls of the sim build live beside it, one file
// per service.
#include "platform/sim/machine.h"

#include "platform/files.h"

#include <cassert>
#include <stdexcept>

namespace sim {
namespace {

Machine* activeMachine = nullptr;

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

} // namespace

std::shared_ptr<RegNode> RegNode::Find(const std::string& folded) const {
    for (const auto& key : subkeys) {
        if (!key->deleted && key->folded == folded)
            return key;
    }
    return nullptr;
}

std::string ResolvedPath::Text() const {
    std::string text(1, drive);
    text += ":\\";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            text += '\\';
        text += parts[i];
    }
    return text;
}

Machine::Machine() {
    previous_ = activeMachine;
    activeMachine = this;

    AddDrive('C');
    AddFolder("C:\\Windows\\System32");
    AddFolder("C:\\Windows\\Temp");
    AddFolder("C:\\Program Files");

    hklm_ = std::make_shared<RegNode>();
    hklm_->adminOnlyWrite = true;
    hku_ = std::make_shared<RegNode>();
    hku_->adminOnlyWrite = true;
    MakeKey(platform::kLocalMachine, "SOFTWARE\\Classes");
    MakeKey(platform::kLocalMachine, "SYSTEM");
    MakeKey(platform::kUsers, ".DEFAULT\\Software");
    LoadUserHive(currentUserSid);
}

Machine::~Machine() {
    assert(activeMachine == this);
    activeMachine = previous_;
}

Machine& Machine::Active() {
    if (activeMachine == nullptr)
        throw std::logic_error("no simulated machine is active");
    return *activeMachine;
}

bool Machine::HasActive() {
    return activeMachine != nullptr;
}

// ---- Code page ----

bool Machine::IsLeadByte(unsigned char c) const {
    if (codePage == 932)
        return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    return false;
}

std::string Machine::Lower(const std::string& text) const {
    std::string result = text;
    for (std::size_t i = 0; i < result.size(); ++i) {
        auto c = static_cast<unsigned char>(result[i]);
        if (IsLeadByte(c) && i + 1 < result.size()) {
            auto t = static_cast<unsigned char>(result[i + 1]);
            // Full-width Latin, Greek and Cyrillic capitals have small letters in the
            // same lead-byte row; every other two-byte character stays as it is.
            if (c == 0x82 && t >= 0x60 && t <= 0x79)
                result[i + 1] = static_cast<char>(t + 0x21);
            else if (c == 0x83 && t >= 0x9F && t <= 0xB6)
                result[i + 1] = static_cast<char>(t + 0x20);
            else if (c == 0x84 && t >= 0x40 && t <= 0x60) {
                int small = t + 0x30;
                if (small >= 0x7F)
                    ++small; // the row skips 0x7F
                result[i + 1] = static_cast<char>(small);
            }
            ++i;
            continue;
        }
        if (c >= 'A' && c <= 'Z') {
            result[i] = static_cast<char>(c + 0x20);
        } else if (codePage == 1252) {
            if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
                result[i] = static_cast<char>(c + 0x20);
            else if (c == 0x8A || c == 0x8C || c == 0x8E)
                result[i] = static_cast<char>(c + 0x10);
            else if (c == 0x9F)
                result[i] = static_cast<char>(0xFF);
        }
    }
    return result;
}

// ---- Files and folders ----

std::optional<ResolvedPath> Machine::Resolve(const std::string& path) const {
    if (path.empty())
        return std::nullopt;

    ResolvedPath base;
    std::size_t pos = 0;
    bool absolute = false;
    const bool hasDrive =
        path.size() >= 2 && path[1] == ':' &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    if (hasDrive) {
        base.drive = static_cast<char>(path[0] & ~0x20);
        pos = 2;
        absolute = pos < path.size() && IsSeparator(path[pos]);
        if (!absolute && (currentDirectory.empty() || (currentDirectory[0] & ~0x20) != base.drive))
            absolute = true; // another drive's own current folder is its root
    } else if (IsSeparator(path[0])) {
        if (path.size() > 1 && IsSeparator(path[1]))
            return std::nullopt; // network paths do not exist on this machine
        base.drive =
            currentDirectory.empty() ? 'C' : static_cast<char>(currentDirectory[0] & ~0x20);
        absolute = true;
    } else {
        auto current = Resolve(currentDirectory);
        if (!current || !IsSeparator(currentDirectory.size() > 2 ? currentDirectory[2] : '\\'))
            return std::nullopt;
        base = *current;
    }
    if (!absolute && hasDrive) {
        auto current = Resolve(currentDirectory);
        if (current)
            base = *current;
    }

    std::string part;
    auto flush = [&]() {
        if (part.empty() || part == ".") {
        } else if (part == "..") {
            if (!base.parts.empty())
                base.parts.pop_back();
        } else {
            // Windows drops trailing dots and blanks of a name.
            while (!part.empty() && (part.back() == '.' || part.back() == ' '))
                part.pop_back();
            if (!part.empty())
                base.parts.push_back(part);
        }
        part.clear();
    };
    for (std::size_t i = pos; i < path.size(); ++i) {
        auto c = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(c) && i + 1 < path.size()) {
            part += path[i];
            part += path[i + 1];
            ++i;
        } else if (IsSeparator(path[i])) {
            flush();
        } else {
            if (c < 32 || c == '"' || c == '<' || c == '>' || c == '|' || c == ':' || c == '*' ||
                c == '?')
                return std::nullopt; // not a valid name (wildcards are the search's business)
            part += path[i];
        }
    }
    flush();

    // The ANSI calls take paths of at most 259 characters.
    if (base.Text().size() > 259 || path.size() > 259)
        return std::nullopt;
    return base;
}

FsNode* Machine::Node(const ResolvedPath& path) {
    auto drive = drives_.find(path.drive);
    if (drive == drives_.end())
        return nullptr;
    FsNode* node = drive->second.get();
    for (const auto& part : path.parts) {
        if (!node->folder)
            return nullptr;
        auto child = node->children.find(Lower(part));
        if (child == node->children.end())
            return nullptr;
        node = child->second.get();
    }
    return node;
}

FsNode* Machine::Find(const std::string& path) {
    auto resolved = Resolve(path);
    return resolved ? Node(*resolved) : nullptr;
}

const FsNode* Machine::Find(const std::string& path) const {
    return const_cast<Machine*>(this)->Find(path);
}

FsNode* Machine::FindParentFolder(const ResolvedPath& path) {
    if (path.parts.empty())
        return nullptr;
    ResolvedPath parent = path;
    parent.parts.pop_back();
    FsNode* node = Node(parent);
    return node && node->folder ? node : nullptr;
}

void Machine::AddDrive(char letter) {
    auto root = std::make_unique<FsNode>();
    root->folder = true;
    root->name = std::string(1, letter) + ":";
    root->attributes = platform::kAttrDirectory;
    drives_[static_cast<char>(letter & ~0x20)] = std::move(root);
}

FsNode& Machine::AddFolder(const std::string& path) {
    auto resolved = Resolve(path);
    if (!resolved)
        throw std::invalid_argument("not a valid path: " + path);
    auto drive = drives_.find(resolved->drive);
    if (drive == drives_.end())
        throw std::invalid_argument("no such drive: " + path);
    FsNode* node = drive->second.get();
    for (const auto& part : resolved->parts) {
        auto& slot = node->children[Lower(part)];
        if (!slot) {
            slot = std::make_unique<FsNode>();
            slot->name = part;
            slot->folder = true;
            slot->attributes = platform::kAttrDirectory;
        }
        if (!slot->folder)
            throw std::invalid_argument("a file stands in the way: " + path);
        node = slot.get();
    }
    return *node;
}

FsNode& Machine::AddFile(const std::string& path, const std::string& contents,
                         std::uint32_t attributes) {
    auto resolved = Resolve(path);
    if (!resolved || resolved->parts.empty())
        throw std::invalid_argument("not a valid file path: " + path);
    ResolvedPath parentPath = *resolved;
    parentPath.parts.pop_back();
    FsNode& parent = AddFolder(parentPath.Text());
    auto& slot = parent.children[Lower(resolved->parts.back())];
    if (slot && slot->folder)
        throw std::invalid_argument("a folder stands in the way: " + path);
    if (!slot) {
        slot = std::make_unique<FsNode>();
        slot->name = resolved->parts.back();
    }
    *slot->data = contents;
    slot->attributes = attributes;
    return *slot;
}

bool Machine::IsFile(const std::string& path) const {
    const FsNode* node = Find(path);
    return node && !node->folder;
}

bool Machine::IsFolder(const std::string& path) const {
    const FsNode* node = Find(path);
    return node && node->folder;
}

std::string Machine::FileText(const std::string& path) const {
    const FsNode* node = Find(path);
    return node && !node->folder ? *node->data : std::string();
}

std::vector<std::string> Machine::List(const std::string& folder) const {
    std::vector<std::string> names;
    const FsNode* node = Find(folder);
    if (node && node->folder) {
        for (const auto& [key, child] : node->children)
            names.push_back(child->name);
    }
    return names;
}

// ---- Registry ----

std::vector<std::string> Machine::SplitKeyPath(const std::string& path) const {
    std::vector<std::string> parts;
    std::string part;
    for (std::size_t i = 0; i < path.size(); ++i) {
        auto c = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(c) && i + 1 < path.size()) {
            part += path[i];
            part += path[++i];
        } else if (path[i] == '\\') {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part += path[i];
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

std::shared_ptr<RegNode> Machine::RootNode(platform::RegKey root) const {
    switch (root) {
    case platform::kLocalMachine:
        return hklm_;
    case platform::kUsers:
        return hku_;
    case platform::kCurrentUser:
        return hku_->Find(Lower(currentUserSid));
    case platform::kClassesRoot: {
        auto software = hklm_->Find("software");
        return software ? software->Find("classes") : nullptr;
    }
    default: {
        auto open = openKeys.find(root);
        return open == openKeys.end() ? nullptr : open->second.node;
    }
    }
}

std::shared_ptr<RegNode> Machine::FindKey(platform::RegKey root, const std::string& path) const {
    auto node = RootNode(root);
    for (const auto& part : SplitKeyPath(path)) {
        if (!node)
            return nullptr;
        node = node->Find(Lower(part));
    }
    return node && !node->deleted ? node : nullptr;
}

std::shared_ptr<RegNode> Machine::MakeKey(platform::RegKey root, const std::string& path) {
    auto node = RootNode(root);
    if (!node)
        return nullptr;
    for (const auto& part : SplitKeyPath(path)) {
        auto child = node->Find(Lower(part));
        if (!child) {
            child = std::make_shared<RegNode>();
            child->name = part;
            child->folded = Lower(part);
            child->adminOnlyWrite = node->adminOnlyWrite;
            node->subkeys.push_back(child);
        }
        node = child;
    }
    return node;
}

void Machine::LoadUserHive(const std::string& sid) {
    auto hive = MakeKey(platform::kUsers, sid);
    // A user's own hive is writable by that user; other users' hives need administrators.
    hive->adminOnlyWrite = (Lower(sid) != Lower(currentUserSid));
    auto software = hive->Find("software");
    if (!software) {
        software = std::make_shared<RegNode>();
        software->name = "Software";
        software->folded = "software";
        hive->subkeys.push_back(software);
    }
    software->adminOnlyWrite = hive->adminOnlyWrite;
}

void Machine::SetRegValue(platform::RegKey root, const std::string& path, const char* name,
                          std::uint32_t type, const std::string& bytes) {
    auto key = MakeKey(root, path);
    if (!key)
        throw std::invalid_argument("no such root for " + path);
    std::string valueName = name ? name : "";
    key->values[Lower(valueName)] = RegValue{valueName, type, bytes};
}

void Machine::SetRegString(platform::RegKey root, const std::string& path, const char* name,
                           const std::string& text) {
    SetRegValue(root, path, name, platform::kRegSz, text + std::string(1, '\0'));
}

std::optional<RegValue> Machine::GetRegValue(platform::RegKey root, const std::string& path,
                                             const char* name) const {
    auto key = FindKey(root, path);
    if (!key)
        return std::nullopt;
    auto value = key->values.find(Lower(name ? name : ""));
    if (value == key->values.end())
        return std::nullopt;
    return value->second;
}

std::optional<std::string> Machine::GetRegString(platform::RegKey root, const std::string& path,
                                                 const char* name) const {
    auto value = GetRegValue(root, path, name);
    if (!value)
        return std::nullopt;
    std::string text = value->data;
    auto zero = text.find('\0');
    if (zero != std::string::npos)
        text.resize(zero);
    return text;
}

bool Machine::KeyExists(platform::RegKey root, const std::string& path) const {
    return FindKey(root, path) != nullptr;
}

void Machine::DenyKey(platform::RegKey root, const std::string& path) {
    MakeKey(root, path)->denied = true;
}

// ---- Injected failures ----

void Machine::FailCalls(const std::string& call, const std::string& path) {
    std::string key;
    if (!path.empty()) {
        auto resolved = Resolve(path);
        key = Lower(resolved ? resolved->Text() : path);
    }
    failures_.emplace(call, key);
}

void Machine::StopFailing(const std::string& call) {
    failures_.erase(call);
}

bool Machine::ShouldFail(const std::string& call, const std::string& path) const {
    auto range = failures_.equal_range(call);
    if (range.first == range.second)
        return false;
    std::string key;
    if (!path.empty()) {
        auto resolved = Resolve(path);
        key = Lower(resolved ? resolved->Text() : path);
    }
    for (auto it = range.first; it != range.second; ++it) {
        if (it->second.empty() || it->second == key)
            return true;
    }
    return false;
}

} // namespace sim
