// The simulated Windows computer behind the sim implementation of the platform layer.
//
// A test builds a Machine, shapes it (files, registry, user rights, code page, failures),
// runs the routine under test, and inspects the Machine afterwards. While a Machine lives it
// is the active one: every platform call of the sim build acts on it. Machines nest (the
// newest is active); the platform layer never creates one by itself.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/sim/program_runs.h"
#include "platform/sim/system_model.h"

namespace sim {

// How another process holds a file open; the program's own streams are counted apart.
enum class Hold {
    None,
    // Opened without sharing: it can be neither written, deleted nor moved.
    Exclusive,
    // A running program's image: it can be read and moved, but not written or deleted.
    RunningImage,
};

struct FsNode {
    std::string name; // as created (case preserved)
    bool folder = false;
    std::shared_ptr<std::string> data = std::make_shared<std::string>();
    std::uint32_t attributes = 0;
    Hold hold = Hold::None;
    int openStreams = 0;      // streams of the simulated program itself
    bool undeletable = false; // deletion (or removal) fails as with access denied
    // Children by folded name, so lookups ignore letter case while names keep theirs.
    std::map<std::string, std::unique_ptr<FsNode>> children;
};

struct RegValue {
    std::string name;
    std::uint32_t type = 0;
    std::string data; // bytes as the ANSI calls return them
};

struct RegNode {
    std::string name;                              // as created
    std::string folded;                            // lower case, for lookups
    std::map<std::string, RegValue> values;        // by folded name; "" is the default value
    std::vector<std::shared_ptr<RegNode>> subkeys; // in creation order
    bool deleted = false;
    bool denied = false;         // every open fails with access denied
    bool adminOnlyWrite = false; // set on machine-wide and other users' keys

    std::shared_ptr<RegNode> Find(const std::string& folded) const;
};

// A path resolved against the machine: drive letter and the components below its root.
struct ResolvedPath {
    char drive = 'C';
    std::vector<std::string> parts;
    std::string Text() const; // canonical form, "C:\A\B" or "C:\"
};

class ProcessTable;
class UiModel;

class Machine {
  public:
    Machine();
    ~Machine();
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    // The machine that platform calls act on; there must be one.
    static Machine& Active();
    static bool HasActive();

    // ---- The ANSI code page: 1252 (Western) or 932 (Japanese, two-byte characters whose
    // second byte may be a backslash).
    unsigned codePage = 1252;
    bool IsLeadByte(unsigned char c) const;
    std::string Lower(const std::string& text) const;

    // ---- Files and folders. Paths take '\' and '/' alike, ignore letter case and doubled
    // separators, and resolve relative forms against currentDirectory.
    std::string currentDirectory = "C:\\";
    // The running program's full path, and the Windows folder.
    std::string programPath = "C:\\Setup\\setup.exe";
    std::string windowsFolder = "C:\\Windows";

    std::optional<ResolvedPath> Resolve(const std::string& path) const;
    FsNode* Find(const std::string& path);
    const FsNode* Find(const std::string& path) const;
    FsNode* FindParentFolder(const ResolvedPath& path);
    FsNode* Node(const ResolvedPath& path);

    // Test set-up: folders and parents are made as needed.
    void AddDrive(char letter);
    FsNode& AddFolder(const std::string& path);
    FsNode& AddFile(const std::string& path, const std::string& contents,
                    std::uint32_t attributes = 0x20);
    // Test inspection.
    bool IsFile(const std::string& path) const;
    bool IsFolder(const std::string& path) const;
    std::string FileText(const std::string& path) const;            // empty when missing
    std::vector<std::string> List(const std::string& folder) const; // names, as stored

    // ---- Registry. HKEY_CURRENT_USER is the loaded hive of currentUserSid under
    // HKEY_USERS; HKEY_CLASSES_ROOT is HKEY_LOCAL_MACHINE\SOFTWARE\Classes.
    std::string currentUserSid = "S-1-5-21-1004336348-1177238915-682003330-1001";
    // Without administrator rights, machine keys and other users' hives open for reading
    // only; creating keys or writing values there fails with access denied.
    bool userIsAdministrator = true;

    std::shared_ptr<RegNode> RootNode(platform::RegKey root) const;
    std::shared_ptr<RegNode> FindKey(platform::RegKey root, const std::string& path) const;
    std::shared_ptr<RegNode> MakeKey(platform::RegKey root, const std::string& path);
    void LoadUserHive(const std::string& sid); // another user logged on

    // Test set-up and inspection of values.
    void SetRegString(platform::RegKey root, const std::string& path, const char* name,
                      const std::string& text);
    void SetRegValue(platform::RegKey root, const std::string& path, const char* name,
                     std::uint32_t type, const std::string& bytes);
    std::optional<RegValue> GetRegValue(platform::RegKey root, const std::string& path,
                                        const char* name) const;
    // Text of a string value without its terminating zero; nullopt when absent.
    std::optional<std::string> GetRegString(platform::RegKey root, const std::string& path,
                                            const char* name) const;
    bool KeyExists(platform::RegKey root, const std::string& path) const;
    // Every open of that key fails with access denied.
    void DenyKey(platform::RegKey root, const std::string& path);

    // Open key handles of the registry calls.
    struct OpenKey {
        std::shared_ptr<RegNode> node;
        std::uint32_t access = 0;
    };
    std::map<platform::RegKey, OpenKey> openKeys;
    platform::RegKey nextKeyHandle = 0x1000;

    // Times the shell was told that file associations changed.
    int associationChangeNotices = 0;

    // Processes started, waited for and terminated by the program.
    ProgramRuns runs;

    // ---- Windows itself: family, width, modules, environment, shortcuts, message boxes.
    SystemModel system;

    // The next start of Windows: other processes' holds on files end, then the operations
    // scheduled for the start are carried out in order (the delayed-move list on NT, the
    // "rename" section of WININIT.INI on 95/98/Me) and their record is cleared.
    void Restart();

    // ---- Failures injected by a test: every call of the named platform function fails,
    // or only those whose path equals the one given (resolved, letter case aside).
    void FailCalls(const std::string& call, const std::string& path = "");
    void StopFailing(const std::string& call);
    bool ShouldFail(const std::string& call, const std::string& path = "") const;

    // Splits a registry path at backslashes, by characters of the code page.
    std::vector<std::string> SplitKeyPath(const std::string& path) const;

    // ---- Processes, their windows and posted messages, shared kernel objects
    // (platform/sim/processes.h).
    ProcessTable& Processes();

    // ---- The user interface: windows, controls and the scripted user (platform/sim/ui_model.h).
    std::shared_ptr<UiModel> ui;

  private:
    std::shared_ptr<ProcessTable> processes_;
    std::map<char, std::unique_ptr<FsNode>> drives_;
    std::shared_ptr<RegNode> hklm_;
    std::shared_ptr<RegNode> hku_;
    std::multimap<std::string, std::string> failures_; // call -> resolved path or ""
    Machine* previous_ = nullptr;
};

} // namespace sim
