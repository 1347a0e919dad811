// Copying, moving and deleting files on the simulated machine, with Windows' refusals: files
// held open (by another process or by the program's own streams), read-only files, folders.
#include "platform/file_ops.h"

#include "platform/files.h"
#include "platform/sim/machine.h"

namespace platform {
namespace {

bool InUse(const sim::FsNode& node) {
    return node.hold != sim::Hold::None || node.openStreams > 0;
}

// The folder that holds path and the key of path's entry in it; null when the folder is
// missing.
sim::FsNode* ParentOf(sim::Machine& machine, const std::string& path, std::string* key,
                      std::string* name) {
    auto resolved = machine.Resolve(path);
    if (!resolved || resolved->parts.empty())
        return nullptr;
    *key = machine.Lower(resolved->parts.back());
    *name = resolved->parts.back();
    return machine.FindParentFolder(*resolved);
}

} // namespace

bool CopyFileTo(const std::string& source, const std::string& destination) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("CopyFileTo", source) || machine.ShouldFail("CopyFileTo", destination))
        return false;
    const sim::FsNode* from = machine.Find(source);
    if (from == nullptr || from->folder || from->hold == sim::Hold::Exclusive)
        return false;
    std::string key, name;
    sim::FsNode* parent = ParentOf(machine, destination, &key, &name);
    if (parent == nullptr)
        return false;
    auto slot = parent->children.find(key);
    if (slot != parent->children.end()) {
        sim::FsNode& to = *slot->second;
        if (&to == from || to.folder || InUse(to) || (to.attributes & kAttrReadOnly))
            return false;
        // A hidden file is overwritten only by a copy that is hidden as well.
        if ((to.attributes & kAttrHidden) && !(from->attributes & kAttrHidden))
            return false;
        to.data = std::make_shared<std::string>(*from->data);
        to.attributes = from->attributes | kAttrArchive;
        return true;
    }
    auto node = std::make_unique<sim::FsNode>();
    node->name = name;
    node->data = std::make_shared<std::string>(*from->data);
    node->attributes = from->attributes | kAttrArchive;
    parent->children[key] = std::move(node);
    return true;
}

bool MoveFileTo(const std::string& existing, const std::string& newName) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("MoveFileTo", existing) || machine.ShouldFail("MoveFileTo", newName))
        return false;
    std::string fromKey, fromName, toKey, toName;
    sim::FsNode* fromParent = ParentOf(machine, existing, &fromKey, &fromName);
    sim::FsNode* toParent = ParentOf(machine, newName, &toKey, &toName);
    if (fromParent == nullptr || toParent == nullptr)
        return false;
    auto from = fromParent->children.find(fromKey);
    if (from == fromParent->children.end())
        return false;
    sim::FsNode& node = *from->second;
    if (node.hold == sim::Hold::Exclusive || node.openStreams > 0)
        return false;
    const bool sameEntry = fromParent == toParent && fromKey == toKey;
    if (!sameEntry && toParent->children.count(toKey) != 0)
        return false;
    // A folder cannot go inside itself.
    for (auto resolvedFrom = machine.Resolve(existing), resolvedTo = machine.Resolve(newName);
         resolvedFrom && resolvedTo && node.folder;) {
        const std::string a = machine.Lower(resolvedFrom->Text()) + "\\";
        const std::string b = machine.Lower(resolvedTo->Text()) + "\\";
        if (b.compare(0, a.size(), a) == 0 && !sameEntry)
            return false;
        break;
    }
    std::unique_ptr<sim::FsNode> moved = std::move(from->second);
    fromParent->children.erase(from);
    moved->name = toName;
    toParent->children[toKey] = std::move(moved);
    return true;
}

bool RemoveFile(const std::string& path) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("RemoveFile", path))
        return false;
    std::string key, name;
    sim::FsNode* parent = ParentOf(machine, path, &key, &name);
    if (parent == nullptr)
        return false;
    auto slot = parent->children.find(key);
    if (slot == parent->children.end())
        return false;
    const sim::FsNode& node = *slot->second;
    if (node.folder || InUse(node) || node.undeletable || (node.attributes & kAttrReadOnly))
        return false;
    parent->children.erase(slot);
    return true;
}

} // namespace platform
