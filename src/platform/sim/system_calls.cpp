// The small Windows services of the simulated machine: the temporary folder, environment
// variables, the WOW64 answer, loading modules by name and message boxes.
#include <string>

#include "platform/environment.h"
#include "platform/message_box.h"
#include "platform/modules.h"
#include "platform/sim/machine.h"
#include "platform/temp_folder.h"
#include "platform/wow64.h"

namespace platform {

std::string TempFolder() {
    auto& machine = sim::Machine::Active();
    return machine.ShouldFail("TempFolder") ? std::string() : machine.system.tempFolder;
}

std::optional<std::string> GetEnvironmentValue(const std::string& name) {
    auto& machine = sim::Machine::Active();
    for (const auto& [key, value] : machine.system.environment) {
        if (machine.Lower(key) == machine.Lower(name))
            return value;
    }
    return std::nullopt;
}

bool HasIsWow64Process() {
    return sim::Machine::Active().system.hasIsWow64Process;
}

bool AskIsWow64Process(bool* wow64) {
    auto& machine = sim::Machine::Active();
    if (!machine.system.hasIsWow64Process || machine.ShouldFail("AskIsWow64Process"))
        return false;
    *wow64 = machine.system.is64Bit;
    return true;
}

// ---- Modules ----

namespace {

std::uintptr_t nextModule = 0x10000000;

bool CanLoad(sim::Machine& machine, const std::string& name) {
    if (name.find_first_of("\\/") != std::string::npos) {
        return machine.IsFile(name);
    }
    std::string file = name;
    if (file.find('.') == std::string::npos)
        file += ".dll";
    if (machine.system.loadableModules.count(machine.Lower(file)) != 0)
        return true;
    for (const std::string& folder :
         {machine.system.programFolder, machine.system.windowsFolder + "\\System32",
          machine.system.windowsFolder, machine.currentDirectory}) {
        if (machine.IsFile(folder + "\\" + file))
            return true;
    }
    return false;
}

} // namespace

ScopedModule ScopedModule::Load(const std::string& name) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("ScopedModule::Load", name) || !CanLoad(machine, name))
        return ScopedModule();
    const std::uintptr_t handle = nextModule += 0x10000;
    machine.system.loadedModules[std::to_string(handle)] = name;
    return ScopedModule(handle);
}

void ScopedModule::Release() {
    if (handle_ != 0 && sim::Machine::HasActive())
        sim::Machine::Active().system.loadedModules.erase(std::to_string(handle_));
    handle_ = 0;
}

// ---- Message boxes ----

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned type) {
    auto& system = sim::Machine::Active().system;
    system.messageBoxes.push_back({type, caption, text});
    if (!system.messageBoxAnswers.empty()) {
        const int answer = system.messageBoxAnswers.front();
        system.messageBoxAnswers.pop_front();
        return answer;
    }
    switch (type & kMbTypeMask) {
    case 0x02: // abort, retry, ignore
        return 3;
    case kMbYesNoCancel:
    case kMbYesNo:
        return kIdYes;
    case 0x05: // retry, cancel
        return 4;
    default:
        return kIdOk;
    }
}

} // namespace platform
