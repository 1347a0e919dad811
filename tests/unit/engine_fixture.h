// A typical machine for the installation engine's tests: shell folders for all users and for
// the current user, a source folder with its manifest and files, and a fresh settings record.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/setup_state.h"
#include "install/shortcuts.h"
#include "platform/registry.h"
#include "platform/sim/machine.h"

class EngineTest : public ::testing::Test {
  protected:
    static constexpr char kSource[] = "C:\\Source";
    static constexpr char kInstall[] = "C:\\Program Files\\Quillmark\\Pictorva 6";
    static constexpr char kShellFolders[] =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    static constexpr char kUserPrograms[] = "C:\\Users\\Ann\\Start Menu\\Programs";
    static constexpr char kCommonPrograms[] = "C:\\ProgramData\\Start Menu\\Programs";

    sim::Machine machine;

    EngineTest() {
        ResetSetupState();
        ForgetComStarted();
        machine.SetRegString(platform::kCurrentUser, kShellFolders, "Programs", kUserPrograms);
        machine.SetRegString(platform::kCurrentUser, kShellFolders, "Desktop",
                             "C:\\Users\\Ann\\Desktop");
        machine.SetRegString(platform::kCurrentUser, kShellFolders, "Startup",
                             std::string(kUserPrograms) + "\\Startup");
        machine.SetRegString(platform::kLocalMachine, kShellFolders, "Common Programs",
                             kCommonPrograms);
        machine.SetRegString(platform::kLocalMachine, kShellFolders, "Common Desktop",
                             "C:\\Users\\Public\\Desktop");
        machine.SetRegString(platform::kLocalMachine, kShellFolders, "Common Startup",
                             std::string(kCommonPrograms) + "\\Startup");
        for (const char* folder :
             {kUserPrograms, "C:\\Users\\Ann\\Desktop",
              "C:\\Users\\Ann\\Start Menu\\Programs\\Startup", kCommonPrograms,
              "C:\\Users\\Public\\Desktop", "C:\\ProgramData\\Start Menu\\Programs\\Startup"})
            machine.AddFolder(folder);
        machine.system.programFolder = kSource;
        theSetupState.sourceDir = kSource;
        theSetupState.installDir = kInstall;
        theSetupState.groupName = "Pictorva 6";
    }

    ~EngineTest() override { ForgetComStarted(); }

    static std::string Src(const std::string& name) { return std::string(kSource) + "\\" + name; }
    static std::string Dst(const std::string& name) { return std::string(kInstall) + "\\" + name; }

    // The source folder's manifest, lines ended by CR LF.
    void WriteManifest(const std::vector<std::string>& lines) {
        std::string text;
        for (const auto& line : lines)
            text += line + "\r\n";
        machine.AddFile(Src("PictrvUnInst.log"), text);
    }

    // A file's lines as the C runtime reads them in text mode (CR LF as one end).
    std::vector<std::string> Lines(const std::string& path) const {
        std::vector<std::string> lines;
        const std::string text = machine.FileText(path);
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos)
                end = text.size();
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    // The delayed-move list as strings, in order.
    std::vector<std::string> PendingOperations() const {
        std::vector<std::string> strings;
        auto value = machine.GetRegValue(platform::kLocalMachine,
                                         "SYSTEM\\CurrentControlSet\\Control\\Session Manager",
                                         "PendingFileRenameOperations");
        if (!value)
            return strings;
        const std::string& data = value->data;
        for (std::size_t start = 0; start < data.size();) {
            std::size_t end = data.find('\0', start);
            strings.push_back(data.substr(start, end - start));
            start = end + 1;
        }
        // The list ends with one more zero byte.
        if (!strings.empty() && strings.back().empty())
            strings.pop_back();
        return strings;
    }
};
