// Registry calls of the sim build, over the active machine's hives.
#include "platform/registry.h"

#include <cstring>

#include "platform/sim/machine.h"

namespace platform {
namespace {

constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
constexpr std::uint32_t kDelete = 0x00010000;
constexpr std::uint32_t kWriteBits =
    kKeySetValue | kKeyCreateSubKey | 0x0020 | kDelete | 0x00040000 | 0x00080000;

bool IsRoot(RegKey key) {
    return key >= kClassesRoot && key <= kUsers;
}

// The rights a key handle carries: roots carry everything the user may have.
std::uint32_t AccessOf(const sim::Machine& machine, RegKey key) {
    if (IsRoot(key))
        return kKeyAllAccess;
    auto open = machine.openKeys.find(key);
    return open == machine.openKeys.end() ? 0 : open->second.access;
}

bool WriteAllowed(const sim::Machine& machine, const sim::RegNode& node) {
    return machine.userIsAdministrator || !node.adminOnlyWrite;
}

RegKey NewHandle(sim::Machine& machine, std::shared_ptr<sim::RegNode> node, std::uint32_t access) {
    RegKey handle = machine.nextKeyHandle;
    machine.nextKeyHandle += 4;
    machine.openKeys[handle] = sim::Machine::OpenKey{std::move(node), access};
    return handle;
}

constexpr long kErrorKeyDeleted = 1018;

// The key behind a handle, for a call that needs the right given (and, for changes, the
// user's right to write there): success and *node, or the error the call returns.
long KeyFor(sim::Machine& machine, RegKey key, std::uint32_t right, bool changes,
            std::shared_ptr<sim::RegNode>* node) {
    *node = machine.RootNode(key);
    if (!*node)
        return kErrorInvalidHandle;
    if ((*node)->deleted)
        return kErrorKeyDeleted;
    if ((AccessOf(machine, key) & right) == 0 || (changes && !WriteAllowed(machine, **node)))
        return kErrorAccessDenied;
    return kErrorSuccess;
}

} // namespace

long OpenKey(RegKey key, const char* subKey, std::uint32_t access, RegKey* result) {
    auto& machine = sim::Machine::Active();
    *result = 0;
    if (machine.ShouldFail("OpenKey", subKey ? subKey : ""))
        return kErrorAccessDenied;
    auto base = machine.RootNode(key);
    if (!base || base->deleted)
        return kErrorInvalidHandle;
    auto node = machine.FindKey(key, subKey ? subKey : "");
    if (!node)
        return kErrorFileNotFound;
    if (node->denied)
        return kErrorAccessDenied;
    if ((access & kWriteBits) != 0 && !WriteAllowed(machine, *node))
        return kErrorAccessDenied;
    *result = NewHandle(machine, node, access);
    return kErrorSuccess;
}

long CreateKey(RegKey key, const char* subKey, RegKey* result) {
    auto& machine = sim::Machine::Active();
    *result = 0;
    if (machine.ShouldFail("CreateKey", subKey ? subKey : ""))
        return kErrorAccessDenied;
    auto node = machine.RootNode(key);
    if (!node || node->deleted)
        return kErrorInvalidHandle;
    const bool handleMayCreate = IsRoot(key) || (AccessOf(machine, key) & kKeyCreateSubKey) != 0;
    for (const auto& part : machine.SplitKeyPath(subKey ? subKey : "")) {
        if (node->denied)
            return kErrorAccessDenied;
        auto child = node->Find(machine.Lower(part));
        if (!child) {
            if (!WriteAllowed(machine, *node) || !handleMayCreate)
                return kErrorAccessDenied;
            child = std::make_shared<sim::RegNode>();
            child->name = part;
            child->folded = machine.Lower(part);
            child->adminOnlyWrite = node->adminOnlyWrite;
            node->subkeys.push_back(child);
        }
        node = child;
    }
    if (node->denied)
        return kErrorAccessDenied;
    // RegCreateKeyA asks for every right; without write rights the key is still opened.
    std::uint32_t access = WriteAllowed(machine, *node) ? kKeyAllAccess : kKeyRead;
    *result = NewHandle(machine, node, access);
    return kErrorSuccess;
}

long QueryValue(RegKey key, const char* name, std::uint32_t* type, void* data,
                std::uint32_t* size) {
    auto& machine = sim::Machine::Active();
    std::shared_ptr<sim::RegNode> node;
    if (long status = KeyFor(machine, key, kKeyQueryValue, false, &node); status != kErrorSuccess)
        return status;
    if (machine.ShouldFail("QueryValue", name ? name : ""))
        return kErrorFileNotFound;
    auto value = node->values.find(machine.Lower(name ? name : ""));
    if (value == node->values.end())
        return kErrorFileNotFound;
    const std::string& bytes = value->second.data;
    if (type)
        *type = value->second.type;
    if (data == nullptr) {
        if (size)
            *size = static_cast<std::uint32_t>(bytes.size());
        return kErrorSuccess;
    }
    if (size == nullptr)
        return 998; // ERROR_NOACCESS: a buffer without a size
    if (*size < bytes.size()) {
        *size = static_cast<std::uint32_t>(bytes.size());
        return kErrorMoreData;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    *size = static_cast<std::uint32_t>(bytes.size());
    return kErrorSuccess;
}

long SetValue(RegKey key, const char* name, std::uint32_t type, const void* data,
              std::uint32_t size) {
    auto& machine = sim::Machine::Active();
    std::shared_ptr<sim::RegNode> node;
    if (long status = KeyFor(machine, key, kKeySetValue, true, &node); status != kErrorSuccess)
        return status;
    if (machine.ShouldFail("SetValue", name ? name : ""))
        return kErrorAccessDenied;
    std::string valueName = name ? name : "";
    std::string bytes(static_cast<const char*>(data), size);
    node->values[machine.Lower(valueName)] = sim::RegValue{valueName, type, bytes};
    return kErrorSuccess;
}

long EnumKey(RegKey key, std::uint32_t index, char* name, std::uint32_t size) {
    auto& machine = sim::Machine::Active();
    std::shared_ptr<sim::RegNode> node;
    if (long status = KeyFor(machine, key, kKeyEnumerateSubKeys, false, &node);
        status != kErrorSuccess)
        return status;
    std::uint32_t position = 0;
    for (const auto& child : node->subkeys) {
        if (child->deleted)
            continue;
        if (position++ == index) {
            if (name == nullptr || child->name.size() + 1 > size)
                return kErrorMoreData;
            std::memcpy(name, child->name.c_str(), child->name.size() + 1);
            return kErrorSuccess;
        }
    }
    return kErrorNoMoreItems;
}

long DeleteKey(RegKey key, const char* subKey) {
    auto& machine = sim::Machine::Active();
    if (subKey == nullptr || *subKey == '\0')
        return kErrorAccessDenied; // a handle cannot delete the key it names
    auto parent = machine.RootNode(key);
    if (!parent || parent->deleted)
        return kErrorInvalidHandle;
    auto node = machine.FindKey(key, subKey);
    if (!node)
        return kErrorFileNotFound;
    if (node->denied || !WriteAllowed(machine, *node) ||
        machine.ShouldFail("DeleteKey", subKey))
        return kErrorAccessDenied;
    for (const auto& child : node->subkeys) {
        if (!child->deleted)
            return kErrorAccessDenied;
    }
    // Handles still open on the key see it as deleted; the key leaves its parent's list.
    node->deleted = true;
    auto parts = machine.SplitKeyPath(subKey);
    parts.pop_back();
    std::string parentPath;
    for (const auto& part : parts)
        parentPath += (parentPath.empty() ? "" : "\\") + part;
    auto owner = machine.FindKey(key, parentPath);
    if (owner) {
        auto& list = owner->subkeys;
        for (auto it = list.begin(); it != list.end(); ++it) {
            if (*it == node) {
                list.erase(it);
                break;
            }
        }
    }
    return kErrorSuccess;
}

long DeleteValue(RegKey key, const char* name) {
    auto& machine = sim::Machine::Active();
    std::shared_ptr<sim::RegNode> node;
    if (long status = KeyFor(machine, key, kKeySetValue, true, &node); status != kErrorSuccess)
        return status;
    return node->values.erase(machine.Lower(name ? name : "")) == 1 ? kErrorSuccess
                                                                    : kErrorFileNotFound;
}

long CloseKey(RegKey key) {
    if (IsRoot(key))
        return kErrorSuccess;
    auto& machine = sim::Machine::Active();
    return machine.openKeys.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

} // namespace platform
