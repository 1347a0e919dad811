// One installation from start to end on a typical machine.
#include "engine_fixture.h"

#include "install/install_driver.h"
#include <algorithm>
#include <tuple>

#include "platform/file_ops.h"
#include "platform/files.h"

namespace {

using Strings = std::vector<std::string>;

class InstallDriverTest : public EngineTest {
  protected:
    const Strings manifest = {"File Copy: Pictrv6.exe",
                              "File Copy: PictrvUnInst.exe",
                              "File Copy: Pictrv6Man.chm",
                              "File Copy: readme.txt",
                              "Make Dir: Help",
                              "File Copy: Help\\*.htm",
                              "File Del: old.dll | retired"};
    const std::string group = std::string(kUserPrograms) + "\\Pictorva 6";

    InstallDriverTest() {
        for (const char* name :
             {"Pictrv6.exe", "PictrvUnInst.exe", "Pictrv6Man.chm", "readme.txt", "Help\\index.htm"})
            machine.AddFile(Src(name), std::string("new ") + name);
        WriteManifest(manifest);
        theSetupState.newInstall = 1;
        theSetupState.desktopIcon = 0;
        theSetupState.productVersion.major = 6;
        theSetupState.productVersion.minor = 70;
        theSetupState.productVersion.build = 2;
    }

    std::string Uninstall(const char* name) const {
        return machine
            .GetRegString(platform::kLocalMachine,
                          "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pictorva 6",
                          name)
            .value_or("<missing>");
    }
    std::string Product(const char* name) const {
        return machine
            .GetRegString(platform::kLocalMachine, "SOFTWARE\\Quillmark\\Pictorva 6", name)
            .value_or("<missing>");
    }

    Strings ShortcutPaths() const {
        Strings paths;
        for (const auto& shortcut : machine.system.shortcuts)
            paths.push_back(shortcut.path);
        return paths;
    }
};

} // namespace

TEST_F(InstallDriverTest, ANewInstallationFromStartToEnd) {
    theSetupState.desktopIcon = 1;
    theSetupState.autoStart = 1;
    PerformInstall();

    EXPECT_EQ(machine.List(kInstall),
              (Strings{"Help", "Pictrv6.exe", "Pictrv6Man.chm", "PictrvUnInst.exe",
                       "PictrvUnInst.log", "readme.txt"}));
    EXPECT_EQ(machine.List(Dst("Help")), (Strings{"index.htm"}));

    // The log: the manifest unchanged, an empty line, the group, the six shortcuts in order.
    Strings log = manifest;
    log.push_back("");
    log.push_back("Made Dir: " + group);
    const Strings links = {group + "\\Pictorva 6.lnk",
                           group + "\\Pictorva 6 Help.lnk",
                           group + "\\Read about Pictorva 6.lnk",
                           group + "\\Uninstall Pictorva 6.lnk",
                           "C:\\Users\\Ann\\Desktop\\Pictorva 6.lnk",
                           std::string(kUserPrograms) + "\\Startup\\Pictorva 6.lnk"};
    for (const auto& link : links)
        log.push_back("Shell Link: " + link);
    EXPECT_EQ(Lines(Dst("PictrvUnInst.log")), log);

    ASSERT_EQ(ShortcutPaths(), links);
    const Strings targets = {"Pictrv6.exe",      "Pictrv6Man.chm", "readme.txt",
                             "PictrvUnInst.exe", "Pictrv6.exe",    "Pictrv6.exe"};
    for (std::size_t i = 0; i < links.size(); ++i) {
        const auto& shortcut = machine.system.shortcuts[i];
        EXPECT_EQ(shortcut.target, Dst(targets[i])) << i;
        const bool product = targets[i] == "Pictrv6.exe";
        EXPECT_EQ(shortcut.workingDirectory,
                  product ? std::optional<std::string>("%APPDATA%") : std::nullopt)
            << i;
        EXPECT_TRUE(machine.IsFile(links[i])) << i;
    }

    EXPECT_EQ(Product("AllUsers"), "A");
    EXPECT_EQ(Product("Path"), kInstall);
    EXPECT_EQ(machine
                  .GetRegString(platform::kLocalMachine,
                                "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App "
                                "Paths\\Pictrv6.exe",
                                nullptr)
                  .value_or(""),
              Dst("Pictrv6.exe"));
    EXPECT_EQ(Uninstall("Contact"), "Support");
    EXPECT_EQ(Uninstall("DisplayName"), "Pictorva 6");
    EXPECT_EQ(Uninstall("DisplayVersion"), "6.70.02");
    EXPECT_EQ(Uninstall("Publisher"), "Quillmark Technology LLC");
    EXPECT_EQ(Uninstall("UninstallString"), Dst("PictrvUnInst.exe"));
    EXPECT_EQ(Uninstall("URLInfoAbout"), "http://www.quillmark.example");
    EXPECT_TRUE(machine.system.messageBoxes.empty());
    EXPECT_TRUE(PendingOperations().empty());
}

TEST_F(InstallDriverTest, DisplayVersionShowsThreeNumbers) {
    for (const auto& [minor, build, text] : std::vector<std::tuple<int, int, std::string>>{
             {70, 2, "6.70.02"}, {1, 10, "6.01.10"}, {0, 0, "6.00.00"}, {123, 456, "6.123.456"}}) {
        theSetupState.productVersion.minor = static_cast<std::uint32_t>(minor);
        theSetupState.productVersion.build = static_cast<std::uint32_t>(build);
        theSetupState.productVersion.revision = 9;
        PerformInstall();
        EXPECT_EQ(Uninstall("DisplayVersion"), text);
    }
}

TEST_F(InstallDriverTest, ANewInstallationRemovesNothingFirst) {
    machine.AddFile(Dst("old.dll"), "kept");
    machine.AddFile(Dst("install.log"), "Shell Link: C:\\Users\\Ann\\Desktop\\keep.lnk\r\n");
    machine.AddFile("C:\\Users\\Ann\\Desktop\\keep.lnk", "l");
    PerformInstall();
    EXPECT_TRUE(machine.IsFile(Dst("old.dll")));
    EXPECT_TRUE(machine.IsFile("C:\\Users\\Ann\\Desktop\\keep.lnk"));
}

TEST_F(InstallDriverTest, AnUpgradeClearsTheEarlierShortcutsGroupAndRetiredFiles) {
    // Both earlier logs are read; the earlier group goes once empty; "File Del: " files go.
    const std::string oldGroup = std::string(kUserPrograms) + "\\Quillmark\\Pictorva";
    machine.AddFile(oldGroup + "\\Pictorva 6.lnk", "l");
    machine.AddFile("C:\\Users\\Ann\\Desktop\\Pictorva 5.lnk", "l");
    machine.AddFile(Dst("PictrvUnInst.log"), "File Copy: Pictrv6.exe\r\n\r\nMade Dir: " + oldGroup +
                                                 "\r\nShell Link: " + oldGroup +
                                                 "\\Pictorva 6.lnk\r\n");
    machine.AddFile(Dst("install.log"), "Shell Link: C:\\Users\\Ann\\Desktop\\Pictorva 5.lnk\r\n");
    machine.AddFile(Dst("old.dll"), "retired", 0x23);
    machine.AddFile(Dst("Pictrv6.exe"), "old");
    machine.AddFile(Dst("user.dat"), "mine");
    theSetupState.newInstall = 0;
    PerformInstall();
    EXPECT_FALSE(machine.IsFolder(std::string(kUserPrograms) + "\\Quillmark"));
    EXPECT_FALSE(machine.IsFile("C:\\Users\\Ann\\Desktop\\Pictorva 5.lnk"));
    EXPECT_FALSE(machine.IsFile(Dst("old.dll")));
    EXPECT_EQ(machine.FileText(Dst("Pictrv6.exe")), "new Pictrv6.exe");
    EXPECT_EQ(machine.FileText(Dst("user.dat")), "mine");
    EXPECT_TRUE(machine.IsFile(group + "\\Pictorva 6.lnk"));
    // The earlier log is replaced, not merged.
    EXPECT_EQ(Lines(Dst("PictrvUnInst.log")).front(), manifest.front());
    EXPECT_EQ(Lines(Dst("PictrvUnInst.log")).size(), manifest.size() + 2 + 4);
}

TEST_F(InstallDriverTest, AProductInUseIsReplacedAtTheNextStart) {
    machine.AddFile(Dst("Pictrv6.exe"), "old").hold = sim::Hold::Exclusive;
    theSetupState.newInstall = 0;
    PerformInstall();
    EXPECT_EQ(machine.FileText(Dst("Pictrv6.exe")), "old");
    machine.Restart();
    EXPECT_EQ(machine.FileText(Dst("Pictrv6.exe")), "new Pictrv6.exe");
    EXPECT_FALSE(machine.IsFile(Dst("Pictrv6.exe.new")));
}

TEST_F(InstallDriverTest, AllUsersNeedsAUsableCommonProgramsFolder) {
    // A missing or too short "Common Programs" sends every shortcut to the user's folders.
    struct Case {
        std::optional<std::string> commonPrograms;
        std::string allUsers;
        std::string groupParent;
        std::string desktop;
    };
    const std::vector<Case> cases = {
        {kCommonPrograms, "B", kCommonPrograms, "C:\\Users\\Public\\Desktop"},
        {std::string("C:\\"), "A", kUserPrograms, "C:\\Users\\Ann\\Desktop"},
        {std::nullopt, "A", kUserPrograms, "C:\\Users\\Ann\\Desktop"},
    };
    for (const auto& c : cases) {
        sim::Machine::Active().system.shortcuts.clear();
        if (c.commonPrograms)
            machine.SetRegString(platform::kLocalMachine, kShellFolders, "Common Programs",
                                 *c.commonPrograms);
        else
            machine.FindKey(platform::kLocalMachine, kShellFolders)
                ->values.erase("common programs");
        theSetupState.allUsers = 1;
        theSetupState.desktopIcon = 1;
        theSetupState.autoStart = 1;
        PerformInstall();
        EXPECT_EQ(Product("AllUsers"), c.allUsers);
        ASSERT_EQ(machine.system.shortcuts.size(), 6u);
        EXPECT_EQ(machine.system.shortcuts[0].path, c.groupParent + "\\Pictorva 6\\Pictorva 6.lnk");
        EXPECT_EQ(machine.system.shortcuts[4].path, c.desktop + "\\Pictorva 6.lnk");
        EXPECT_EQ(machine.system.shortcuts[5].path, c.groupParent + "\\Startup\\Pictorva 6.lnk");
    }
}

TEST_F(InstallDriverTest, TheGroupNameIsCleanedAndMadeLevelByLevel) {
    theSetupState.groupName = " /Tools/Pictorva 6/ ";
    PerformInstall();
    EXPECT_EQ(theSetupState.groupName, "Tools\\Pictorva 6");
    const std::string made = std::string(kUserPrograms) + "\\Tools\\Pictorva 6";
    EXPECT_TRUE(machine.IsFile(made + "\\Pictorva 6.lnk"));
    const Strings log = Lines(Dst("PictrvUnInst.log"));
    EXPECT_EQ(std::count(log.begin(), log.end(), "Made Dir: " + made), 1);
}

TEST_F(InstallDriverTest, WithoutAProgramsFolderTheGroupLiesAtTheDrivesRoot) {
    machine.FindKey(platform::kCurrentUser, kShellFolders)->values.erase("programs");
    PerformInstall();
    const Strings log = Lines(Dst("PictrvUnInst.log"));
    EXPECT_EQ(log[manifest.size() + 1], "Made Dir: \\Pictorva 6");
    EXPECT_TRUE(machine.IsFile("C:\\Pictorva 6\\Pictorva 6.lnk"));
}

TEST_F(InstallDriverTest, AGroupFolderThatCannotBeMadeGetsNoShortcuts) {
    machine.FailCalls("CreateFolder", group);
    theSetupState.desktopIcon = 1;
    PerformInstall();
    EXPECT_EQ(ShortcutPaths(), (Strings{"C:\\Users\\Ann\\Desktop\\Pictorva 6.lnk"}));
    const Strings log = Lines(Dst("PictrvUnInst.log"));
    EXPECT_EQ(log[manifest.size() + 1], "Made Dir: " + group);
}

TEST_F(InstallDriverTest, SettingsFilesBesideThePackage) {
    struct Case {
        std::optional<std::string> sfxname;
        bool iniInstalled;
    };
    machine.AddFile("C:\\Downloads\\Pictrv6.ini", "settings");
    for (const auto& c : std::vector<Case>{{std::nullopt, false},
                                           {std::string("setup.exe"), false},
                                           {std::string("C:\\Downloads\\setup.exe"), true}}) {
        machine.system.environment.erase("sfxname");
        if (c.sfxname)
            machine.system.environment["SFXNAME"] = *c.sfxname;
        platform::RemoveFile(Dst("Pictrv6.ini"));
        PerformInstall();
        EXPECT_EQ(machine.IsFile(Dst("Pictrv6.ini")), c.iniInstalled) << c.sfxname.value_or("-");
        EXPECT_FALSE(machine.IsFile(Dst("Pictrv6.reg")));
        machine.system.environment.erase("SFXNAME");
    }
}

TEST_F(InstallDriverTest, InstallingIntoTheSourceFolderAppendsToTheManifestItself) {
    theSetupState.installDir = kSource;
    PerformInstall();
    const Strings log = Lines(Src("PictrvUnInst.log"));
    ASSERT_EQ(log.size(), manifest.size() + 2 + 4);
    EXPECT_EQ(log[manifest.size()], "");
}
