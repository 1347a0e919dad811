// Uninstalling an installation from start to end on the simulated machine.
#include "engine_fixture.h"

#include "install/install_driver.h"
#include "platform/sim/program_image.h"
#include "uninstall/uninstall_driver.h"

using platform::kCurrentUser;
using platform::kLocalMachine;
using platform::kUsers;

namespace {

class Uninstall : public EngineTest {
  protected:
    const std::string kFolder = std::string(kInstall) + "\\";

    // A complete current-user installation with a user-named group, desktop and start-up
    // shortcuts, a subfolder of help files, and a product key with settings.
    void InstallProduct(const char* group = "Tools\\Imaging") {
        machine.AddFile(Src("Pictrv6.exe"), sim::ProgramImage(6, 20, 0, 0));
        machine.AddFile(Src("PictrvUnInst.exe"), sim::ProgramImageWithoutVersion());
        machine.AddFile(Src("readme.txt"), "read me");
        machine.AddFile(Src("Help\\intro.chm"), "help");
        machine.AddFile(Src("Help\\tools.chm"), "help");
        WriteManifest({"File Copy: Pictrv6.exe", "File Copy: PictrvUnInst.exe",
                       "File Copy: readme.txt", "Make Dir: Help", "File Copy: Help\\*.chm"});
        theSetupState.newInstall = 1;
        theSetupState.allUsers = 0;
        theSetupState.desktopIcon = 1;
        theSetupState.autoStart = 1;
        theSetupState.groupName = group;
        theSetupState.productVersion = {0, 0, 20, 6};
        PerformInstall();
        machine.SetRegString(kCurrentUser, "SOFTWARE\\Quillmark\\Pictorva 6\\Settings", "Zoom",
                             "100");
    }
};

} // namespace

TEST_F(Uninstall, LeavesNothingOfACompleteInstallation) {
    InstallProduct();
    ASSERT_TRUE(machine.IsFile(Dst("Help\\tools.chm")));
    ASSERT_TRUE(machine.IsFolder(std::string(kUserPrograms) + "\\Tools\\Imaging"));

    PerformUninstall(kFolder);

    EXPECT_FALSE(machine.IsFolder(kInstall)) << "install folder";
    EXPECT_TRUE(machine.IsFolder("C:\\Program Files\\Quillmark"));
    EXPECT_FALSE(machine.IsFolder(std::string(kUserPrograms) + "\\Tools")) << "group and parent";
    EXPECT_TRUE(machine.IsFolder(kUserPrograms));
    EXPECT_FALSE(machine.IsFile("C:\\Users\\Ann\\Desktop\\Pictorva 6.lnk"));
    EXPECT_FALSE(machine.IsFile(std::string(kUserPrograms) + "\\Startup\\Pictorva 6.lnk"));
    EXPECT_FALSE(machine.KeyExists(kLocalMachine, "SOFTWARE\\Quillmark"));
    EXPECT_FALSE(machine.KeyExists(kCurrentUser, "SOFTWARE\\Quillmark"));
    EXPECT_FALSE(machine.KeyExists(
        kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pictorva 6"));
    EXPECT_FALSE(machine.KeyExists(
        kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Pictrv6.exe"));
    // The current folder was moved off the install folder, to the drive's root.
    EXPECT_EQ(machine.currentDirectory, "C:\\");
}

TEST_F(Uninstall, FileInUseKeepsItselfAndTheInstallFolder) {
    InstallProduct("Pictorva 6");
    machine.Find(Dst("readme.txt"))->hold = sim::Hold::Exclusive;

    PerformUninstall(kFolder);

    EXPECT_TRUE(machine.IsFile(Dst("readme.txt")));
    EXPECT_EQ(machine.List(kInstall), std::vector<std::string>{"readme.txt"});
    EXPECT_FALSE(machine.IsFolder(std::string(kUserPrograms) + "\\Pictorva 6"));
}

TEST_F(Uninstall, SweepFindsTheFixedNameShortcutsAndGroupsWithoutLogs) {
    // Logs lost: only the registry and the fixed-name shortcuts and groups can be found.
    const std::string otherSid = "S-1-5-21-1004336348-1177238915-682003330-1002";
    machine.LoadUserHive(otherSid);
    const std::string otherPrograms = "C:\\Users\\Bob\\Start Menu\\Programs";
    machine.SetRegString(kUsers, otherSid + "\\" + kShellFolders, "Programs", otherPrograms);
    machine.SetRegString(kUsers, otherSid + "\\" + kShellFolders, "Desktop",
                         "C:\\Users\\Bob\\Desktop");
    const std::vector<std::string> kept = {"C:\\Users\\Bob\\Desktop\\Other.lnk",
                                           std::string(kUserPrograms) + "\\Other\\x.lnk"};
    const std::vector<std::string> gone = {
        std::string(kCommonPrograms) + "\\Pictorva 6\\Pictorva 6.lnk",
        std::string(kCommonPrograms) + "\\Startup\\Pictorva 6.lnk",
        "C:\\Users\\Public\\Desktop\\Pictorva 6.lnk",
        std::string(kUserPrograms) + "\\Pictorva 6\\notes the user put here.txt",
        "C:\\Users\\Ann\\Desktop\\Pictorva 6.lnk",
        otherPrograms + "\\Pictorva 6\\Pictorva 6 Help.lnk",
        "C:\\Users\\Bob\\Desktop\\Pictorva 6.lnk"};
    for (const auto& path : kept)
        machine.AddFile(path, "lnk");
    for (const auto& path : gone)
        machine.AddFile(path, "lnk");
    machine.AddFile(Dst("Pictrv6.exe"), "exe");

    PerformUninstall(kFolder);

    for (const auto& path : gone)
        EXPECT_FALSE(machine.IsFile(path)) << path;
    for (const auto& path : kept)
        EXPECT_TRUE(machine.IsFile(path)) << path;
    EXPECT_FALSE(machine.IsFolder(std::string(kCommonPrograms) + "\\Pictorva 6"));
    EXPECT_FALSE(machine.IsFolder(otherPrograms + "\\Pictorva 6"));
    // Nothing records the product's files, so they and their folder stay.
    EXPECT_TRUE(machine.IsFile(Dst("Pictrv6.exe")));
}

TEST_F(Uninstall, WithoutAdministratorRightsTheUsersOwnPartGoes) {
    InstallProduct("Pictorva 6");
    const std::string otherSid = "S-1-5-21-1004336348-1177238915-682003330-1002";
    machine.LoadUserHive(otherSid);
    machine.SetRegString(kUsers, otherSid + "\\" + kShellFolders, "Desktop",
                         "C:\\Users\\Bob\\Desktop");
    machine.AddFile("C:\\Users\\Bob\\Desktop\\Pictorva 6.lnk", "lnk");
    machine.AddFile("C:\\Users\\Public\\Desktop\\Pictorva 6.lnk", "lnk");
    machine.userIsAdministrator = false;

    PerformUninstall(kFolder);

    EXPECT_FALSE(machine.KeyExists(kCurrentUser, "SOFTWARE\\Quillmark"));
    EXPECT_TRUE(machine.KeyExists(kLocalMachine, "SOFTWARE\\Quillmark\\Pictorva 6"));
    EXPECT_TRUE(machine.IsFile("C:\\Users\\Bob\\Desktop\\Pictorva 6.lnk")); // hive not writable
    EXPECT_FALSE(machine.IsFile("C:\\Users\\Ann\\Desktop\\Pictorva 6.lnk"));
    EXPECT_FALSE(machine.IsFolder(kInstall));
}
