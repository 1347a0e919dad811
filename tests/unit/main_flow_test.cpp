// Install mode's own steps: the install switches, the earlier program group, the web page
// opened afterwards and the product started.
#include "engine_fixture.h"

#include "app/command_line.h"
#include "app/main_flow.h"
#include "common/maker.h"
#include "platform/file_ops.h"

namespace {

class MainFlow : public EngineTest {
  protected:
    MainFlow() { theSetupState.installDir = "C:\\Program Files\\Pictorva 6"; }
};

using Args = std::vector<std::string>;

} // namespace

TEST_F(MainFlow, InstallSwitches) {
    machine.AddFolder("C:\\Target");
    const struct {
        Args arguments;
        const char* installDir;
        int runAfter, allUsers, autoStart, desktopIcon;
    } kCases[] = {
        {{}, "C:\\Program Files\\Pictorva 6", 0, 0, 0, 1},
        {{"-instdir", "C:\\Target\\"}, "C:\\Target", 0, 0, 0, 1},
        {{"-instdir", "C:\\Target/"}, "C:\\Target", 0, 0, 0, 1},
        {{"-s", "-instdir"}, "C:\\Program Files\\Pictorva 6", 0, 0, 0, 1},
        {{"-INSTDIR", "C:\\Target"}, "C:\\Program Files\\Pictorva 6", 0, 0, 0, 1},
        {{"-instdir", "C:\\Missing"}, "C:\\Program Files\\Pictorva 6", 0, 0, 0, 1},
        {{"-instdir", "C:\\Target", "-instdir", "C:\\Missing"},
         "C:\\Program Files\\Pictorva 6",
         0,
         0,
         0,
         1},
        {{"-instdir", "C:\\Missing", "-instdir", "C:\\Target"}, "C:\\Target", 0, 0, 0, 1},
        {{"-RunAfter", "-ALLUSERS", "-autostart", "-NoDeskIco"},
         "C:\\Program Files\\Pictorva 6",
         1,
         1,
         1,
         0},
        // The path after -instdir is looked at as a switch too.
        {{"-instdir", "-runafter"}, "C:\\Program Files\\Pictorva 6", 1, 0, 0, 1},
        {{"-nodeskico", "-autostart", "/runafter", "-run"},
         "C:\\Program Files\\Pictorva 6",
         0,
         0,
         1,
         0},
    };
    for (const auto& c : kCases) {
        ResetSetupState();
        theSetupState.installDir = "C:\\Program Files\\Pictorva 6";
        ApplyInstallSwitches(c.arguments);
        std::string label;
        for (const auto& a : c.arguments)
            label += a + " ";
        EXPECT_EQ(theSetupState.installDir, c.installDir) << label;
        EXPECT_EQ(theSetupState.runAfter, c.runAfter) << label;
        EXPECT_EQ(theSetupState.allUsers, c.allUsers) << label;
        EXPECT_EQ(theSetupState.autoStart, c.autoStart) << label;
        EXPECT_EQ(theSetupState.desktopIcon, c.desktopIcon) << label;
    }
}

TEST_F(MainFlow, EarlierGroupFromTheLastShortcutUnderPrograms) {
    const std::string programs = kUserPrograms;
    machine.AddFile(theSetupState.installDir + "\\PictrvUnInst.log",
                    "File Copy: Pictrv6.exe\r\n\r\n"
                    "Made Dir: " +
                        programs +
                        "\\Tools\\Pictorva 6\r\n"
                        "Shell Link: " +
                        programs +
                        "\\Old Group\\Pictorva 6.lnk\r\n"
                        "Shell Link: C:\\USERS\\ANN\\START MENU\\PROGRAMS\\Tools\\Pictorva "
                        "6\\Pictorva 6.lnk\r\n"
                        "Shell Link: C:\\Users\\Ann\\Desktop\\Pictorva 6.lnk\r\n"
                        "Shell Link: " +
                        programs + "\\Startup\\Pictorva 6.lnk\r\n");
    theSetupState.groupName = "Pictorva 6";
    ReadEarlierProgramGroup();
    EXPECT_EQ(theSetupState.groupName, "Tools\\Pictorva 6");
}

TEST_F(MainFlow, EarlierGroupFallsBackToTheEarlierVersionsLog) {
    machine.AddFile(theSetupState.installDir + "\\install.log",
                    "Shell Link: " + std::string(kUserPrograms) + "\\Pictorva.lnk\r\n");
    theSetupState.groupName = "Pictorva 6";
    ReadEarlierProgramGroup(); // a shortcut right in Programs: an empty group
    EXPECT_EQ(theSetupState.groupName, "");
}

TEST_F(MainFlow, EarlierGroupFollowsTheInstallType) {
    machine.AddFile(theSetupState.installDir + "\\PictrvUnInst.log",
                    "Shell Link: " + std::string(kUserPrograms) +
                        "\\Mine\\Pictorva 6.lnk\r\n"
                        "Shell Link: " +
                        std::string(kCommonPrograms) + "\\Shared\\Pictorva 6.lnk\r\n");
    theSetupState.allUsers = 1;
    ReadEarlierProgramGroup();
    EXPECT_EQ(theSetupState.groupName, "Shared");

    // Without a Startup folder value no line counts; without a log nothing changes.
    theSetupState.allUsers = 0;
    theSetupState.groupName = "Pictorva 6";
    machine.SetRegString(platform::kCurrentUser, kShellFolders, "Startup", "");
    ReadEarlierProgramGroup();
    EXPECT_EQ(theSetupState.groupName, "Pictorva 6");
    theSetupState.installDir = "C:\\Elsewhere";
    ReadEarlierProgramGroup();
    EXPECT_EQ(theSetupState.groupName, "Pictorva 6");
}

TEST_F(MainFlow, PageOpenedAfterInstalling) {
    const struct {
        const char* homePage; // nullptr: no file
        int newInstall;
        std::string opened;
    } kCases[] = {
        {"[InternetShortcut]\r\nURL=http://www.quillmark.example/p6?src=cd&v=6\r\n", 1,
         std::string(kMakerInstallScriptPage) + "?src=cd&v=6"},
        {"URL=http://www.quillmark.example/p6\r\nURL=http://x/?late=1\r\n", 1, kMakerInstalledPage},
        {"URL=https://secure/?q=1\r\nurl=http://x/?q=2\r\n", 1, kMakerInstalledPage},
        {nullptr, 1, kMakerInstalledPage},
        {"URL=http://www.quillmark.example/p6?src=cd\r\n", 0, kMakerInstalledPage},
    };
    for (const auto& c : kCases) {
        machine.runs.opened.clear();
        if (c.homePage)
            machine.AddFile(theSetupState.installDir + "\\HomePage.url", c.homePage);
        theSetupState.newInstall = c.newInstall;
        OpenPageAfterInstall();
        ASSERT_EQ(machine.runs.opened.size(), 1u);
        EXPECT_EQ(machine.runs.opened[0], c.opened) << (c.homePage ? c.homePage : "none");
        platform::RemoveFile(theSetupState.installDir + "\\HomePage.url");
    }
}

TEST_F(MainFlow, InstalledProductStartsInTheInstallFolder) {
    machine.AddFile(theSetupState.installDir + "\\Pictrv6.exe", "exe");
    StartInstalledProduct();
    ASSERT_EQ(machine.runs.started.size(), 1u);
    EXPECT_EQ(machine.runs.started[0].commandLine, "C:\\Program Files\\Pictorva 6\\Pictrv6.exe");
    EXPECT_EQ(machine.runs.started[0].currentFolder, "C:\\Program Files\\Pictorva 6");
}
