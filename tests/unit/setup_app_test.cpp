// The program from its command line: the run it chooses, what it asks, the running copies it
// ends, and where it hands over.
#include "engine_fixture.h"

#include <memory>

#include "app/setup_app.h"
#include "common/maker.h"
#include "platform/message_box.h"
#include "platform/sim/processes.h"
#include "platform/sim/program_end.h"
#include "platform/sim/program_image.h"
#include "platform/sim/ui_model.h"

namespace {

constexpr std::uint32_t kCloseMessage = 0x0010;

class SetupProgram : public EngineTest {
  protected:
    sim::ProcessTable& processes = machine.Processes();
    std::vector<std::unique_ptr<COXInstanceManager>> copies;
    std::vector<std::uint32_t> copyIds;

    SetupProgram() {
        machine.AddFile(Src("Pictrv6.exe"), sim::ProgramImage(6, 20, 0, 0));
        machine.AddFile(Src("readme.txt"), "read me");
        WriteManifest({"File Copy: Pictrv6.exe", "File Copy: readme.txt"});
        machine.SetRegString(platform::kLocalMachine,
                             "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                             "C:\\Program Files");
        machine.programPath = Src("setup.exe");
        machine.AddFile(machine.programPath, sim::ProgramImageWithoutVersion());
    }

    // A running copy of the product with its main window, listed before the setup starts.
    void StartProductCopy() {
        const std::uint32_t id = processes.Start();
        processes.AddWindow(id, "Pictorva 6");
        sim::ProcessTable::As as(processes, id);
        copies.push_back(std::make_unique<COXInstanceManager>());
        copyIds.push_back(id);
    }

    // The copies leave the list and end, as at their normal end.
    void EndCopies() {
        for (std::size_t i = 0; i < copies.size(); ++i) {
            {
                sim::ProcessTable::As as(processes, copyIds[i]);
                copies[i].reset();
            }
            processes.End(copyIds[i]);
        }
        copies.clear();
        copyIds.clear();
    }

    struct Outcome {
        int initResult = -1; // -1: the program ended itself
        int exitStatus = -1;
        bool endedItself = false;
        bool replaced = false;    // the exec overlay ended it
        bool wizardShown = false; // reached the wizard, for which no user acts here
    };

    Outcome Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), machine.programPath);
        std::vector<char*> argv;
        for (auto& argument : arguments)
            argv.push_back(&argument[0]);
        COXInstanceManager instances;
        CSetupApp app(instances);
        Outcome outcome;
        try {
            outcome.initResult = app.Run(static_cast<int>(argv.size()), argv.data());
            outcome.exitStatus = app.ExitStatus();
        } catch (const sim::ProgramEnded& end) {
            outcome.endedItself = true;
            outcome.exitStatus = end.status;
            outcome.replaced = end.immediate;
        } catch (const sim::UserScriptError&) {
            outcome.wizardShown = true;
        }
        return outcome;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& box : machine.system.messageBoxes)
            texts.push_back(box.text);
        return texts;
    }
    void Answer(std::initializer_list<int> answers) {
        for (int answer : answers)
            machine.system.messageBoxAnswers.push_back(answer);
    }
};

const char kConfirmUninstall[] =
    "This will completely uninstall Pictorva 6.\nDo you want to continue?";

} // namespace

TEST_F(SetupProgram, UninstallerAsksFirstAndStopsOnNo) {
    machine.programPath = "C:\\Program Files\\Pictorva 6\\PictrvUnInst.exe";
    machine.AddFile(machine.programPath, "uninstaller");
    Answer({platform::kIdNo});
    const Outcome outcome = Run({});
    EXPECT_EQ(outcome.initResult, 0);
    EXPECT_EQ(outcome.exitStatus, 2);
    ASSERT_EQ(machine.system.messageBoxes.size(), 1u);
    EXPECT_EQ(machine.system.messageBoxes[0].text, kConfirmUninstall);
    EXPECT_EQ(machine.system.messageBoxes[0].caption, "Pictorva Setup");
    EXPECT_EQ(machine.system.messageBoxes[0].type, 0x134u);
    EXPECT_TRUE(machine.runs.started.empty());
}

TEST_F(SetupProgram, ConfirmedUninstallEndsTheCopiesWithoutAskingAndHandsOver) {
    machine.programPath = "C:\\Program Files\\Pictorva 6\\PictrvUnInst.exe";
    machine.AddFile(machine.programPath, "uninstaller");
    StartProductCopy();
    StartProductCopy();
    Answer({platform::kIdYes});
    const Outcome outcome = Run({});
    EXPECT_TRUE(outcome.replaced);
    EXPECT_EQ(Texts(), std::vector<std::string>{kConfirmUninstall});
    EXPECT_EQ(machine.runs.terminated, copyIds);
    for (std::uint32_t id : copyIds) {
        bool closeAsked = false;
        for (const auto& post : processes.PostsReceivedBy(id))
            closeAsked |= post.message == kCloseMessage && post.wParam == 1001 && post.lParam == 0;
        EXPECT_TRUE(closeAsked) << id;
    }
    EXPECT_EQ(machine.runs.millisecondsWaited, 20u);
    ASSERT_EQ(machine.runs.started.size(), 1u);
    EXPECT_EQ(machine.runs.started[0].commandLine,
              "C:\\Windows\\Temp\\uni1A2B.tmp -delself \"C:\\Program Files\\Pictorva "
              "6\\PictrvUnInst.exe\"");
}

TEST_F(SetupProgram, ModeComesFromTheFirstArgumentOrTheProgramsName) {
    const struct {
        const char* program;
        std::vector<std::string> arguments;
        bool install;
    } kCases[] = {
        {"C:\\Source\\setup.exe", {}, true},
        {"C:\\Source\\MySetup.EXE", {}, true},
        {"C:\\Setup.exe files\\run.exe", {}, true},
        {"C:\\Source\\PictrvUnInst.exe", {"-INSTALL"}, true},
        {"C:\\Source\\PictrvUnInst.exe", {}, false},
        {"C:\\Source\\PictrvUnInst.exe", {"-delself"}, false},
        {"C:\\Source\\PictrvUnInst.exe", {"x", "-install"}, false},
    };
    for (const auto& c : kCases) {
        sim::Machine fresh;
        fresh.programPath = c.program;
        fresh.system.messageBoxAnswers.push_back(platform::kIdNo);
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.begin(), c.program);
        std::vector<char*> argv;
        for (auto& a : arguments)
            argv.push_back(&a[0]);
        COXInstanceManager instances;
        CSetupApp app(instances);
        try {
            app.Run(static_cast<int>(argv.size()), argv.data());
        } catch (const sim::ProgramEnded&) {
        }
        // Uninstall mode asks its confirmation first; install mode here stops as damaged.
        ASSERT_FALSE(fresh.system.messageBoxes.empty()) << c.program;
        EXPECT_EQ(fresh.system.messageBoxes[0].text == kConfirmUninstall, !c.install)
            << c.program << " " << (c.arguments.empty() ? "" : c.arguments[0]);
    }
}

TEST_F(SetupProgram, RunningCopiesQuestionInInstallMode) {
    const struct {
        int copies;
        std::vector<std::string> arguments;
        const char* question; // nullptr: not asked
    } kCases[] = {
        {1, {}, "1 instance of Pictorva is currently opened."},
        {2, {}, "2 instances of Pictorva are currently opened."},
        {1, {"-s"}, "1 instance of Pictorva is currently opened."},
        {1, {"-install", "-s"}, nullptr},
        {1, {"-install", "/S"}, nullptr},
        {1, {"-x", "-S"}, nullptr},
        {0, {"-s"}, nullptr},
    };
    for (const auto& c : kCases) {
        machine.system.messageBoxes.clear();
        machine.system.messageBoxAnswers.clear();
        machine.runs.terminated.clear();
        EndCopies();
        for (int i = 0; i < c.copies; ++i)
            StartProductCopy();
        Answer({platform::kIdNo});
        const Outcome outcome = Run(c.arguments);
        std::string label = std::to_string(c.copies);
        for (const auto& a : c.arguments)
            label += " " + a;
        if (c.question == nullptr) {
            for (const auto& text : Texts())
                EXPECT_EQ(text.find("currently opened"), std::string::npos) << label;
            EXPECT_EQ(machine.runs.terminated, copyIds) << label;
            EXPECT_TRUE(outcome.wizardShown || outcome.initResult == 0) << label;
            continue;
        }
        ASSERT_EQ(machine.system.messageBoxes.size(), 2u) << label;
        EXPECT_EQ(machine.system.messageBoxes[0].text.rfind(c.question, 0), 0u) << label;
        EXPECT_EQ(machine.system.messageBoxes[0].type, 0x34u) << label;
        EXPECT_EQ(machine.system.messageBoxes[1].text.rfind("Setup of Pictorva aborted.", 0), 0u);
        EXPECT_EQ(machine.system.messageBoxes[1].type, 0x40u);
        EXPECT_EQ(outcome.initResult, 1) << label;
        EXPECT_EQ(outcome.exitStatus, 2) << label;
        EXPECT_TRUE(machine.runs.terminated.empty()) << label;
    }
}

TEST_F(SetupProgram, UnattendedNewInstallation) {
    const Outcome outcome = Run({"-install", "-s", "-nodeskico"});
    EXPECT_EQ(outcome.initResult, 0);
    EXPECT_EQ(outcome.exitStatus, 0);
    EXPECT_TRUE(machine.system.messageBoxes.empty());
    EXPECT_TRUE(machine.IsFile("C:\\Program Files\\Pictorva 6\\Pictrv6.exe"));
    EXPECT_EQ(theSetupState.allUsers, 1); // an unattended new installation is for all users
    EXPECT_EQ(machine.GetRegString(platform::kLocalMachine, "SOFTWARE\\Quillmark\\Pictorva 6",
                                   "AllUsers"),
              "B");
    EXPECT_TRUE(machine.IsFile(std::string(kCommonPrograms) + "\\Pictorva 6\\Pictorva 6.lnk"));
    EXPECT_FALSE(machine.IsFile("C:\\Users\\Public\\Desktop\\Pictorva 6.lnk"));
    EXPECT_TRUE(machine.runs.opened.empty()); // no web page unattended
    EXPECT_EQ(machine.currentDirectory, "C:\\Program Files\\Pictorva 6");
}

TEST_F(SetupProgram, DamagedSetupStopsWithStatusOneEvenUnattended) {
    for (const char* missing : {"Pictrv6.exe", "PictrvUnInst.log"}) {
        sim::Machine fresh;
        fresh.programPath = "C:\\Source\\setup.exe";
        fresh.AddFile("C:\\Source\\Pictrv6.exe", sim::ProgramImage(6, 20, 0, 0));
        fresh.AddFile("C:\\Source\\PictrvUnInst.log", "File Copy: Pictrv6.exe\r\n");
        fresh.Find("C:\\Source")->children.erase(fresh.Lower(missing));
        std::vector<std::string> arguments = {"C:\\Source\\setup.exe", "-install", "-s"};
        std::vector<char*> argv;
        for (auto& a : arguments)
            argv.push_back(&a[0]);
        COXInstanceManager instances;
        CSetupApp app(instances);
        try {
            app.Run(3, argv.data());
            ADD_FAILURE() << missing << ": the program must end itself";
        } catch (const sim::ProgramEnded& end) {
            EXPECT_EQ(end.status, 1) << missing;
        }
        ASSERT_EQ(fresh.system.messageBoxes.size(), 1u) << missing;
        EXPECT_EQ(fresh.system.messageBoxes[0].type, 0x10u);
        EXPECT_EQ(fresh.system.messageBoxes[0].text,
                  std::string("This setup files are damaged, installation aborted.\n\nPlease "
                              "download the product again from ") +
                      kMakerHomePage + " and re-try the setup.");
        EXPECT_EQ(fresh.runs.opened, std::vector<std::string>{kMakerHomePage});
    }
}

TEST_F(SetupProgram, VersionQuestionsOverAnEarlierInstallation) {
    const struct {
        std::uint16_t installed[4];
        std::uint16_t ours[4];
        const char* question; // nullptr: an upgrade without a question
    } kCases[] = {
        {{6, 10, 0, 5}, {6, 20, 0, 0}, nullptr},
        {{6, 20, 0, 0},
         {6, 20, 0, 0},
         "Pictorva ver. 6.20.00.00 is already installed on this machine.\n\nWould you like to run "
         "this setup again to select different options or repair the files?"},
        {{6, 20, 0, 0},
         {6, 10, 0, 5},
         "Pictorva v. 6.20.00.00 is already installed on this machine. You are trying to install "
         "an older version 6.10.00.05 .\n\nDo you still want to continue?"},
    };
    for (const auto& c : kCases) {
        sim::Machine fresh;
        fresh.programPath = "C:\\Source\\setup.exe";
        fresh.AddFile("C:\\Source\\Pictrv6.exe",
                      sim::ProgramImage(c.ours[0], c.ours[1], c.ours[2], c.ours[3]));
        fresh.AddFile("C:\\Source\\PictrvUnInst.log", "File Copy: Pictrv6.exe\r\n");
        fresh.AddFile(
            "C:\\Apps\\P6\\Pictrv6.exe",
            sim::ProgramImage(c.installed[0], c.installed[1], c.installed[2], c.installed[3]));
        fresh.SetRegString(platform::kLocalMachine, "SOFTWARE\\Quillmark\\Pictorva 6", "Path",
                           "C:\\Apps\\P6");
        fresh.system.messageBoxAnswers.push_back(platform::kIdNo);
        if (c.question == nullptr) {
            for (int page = 0; page < 6; ++page)
                sim::Ui().Press(1); // the upgrade runs through the wizard to Finish
        }
        ResetSetupState();
        std::vector<std::string> arguments = {"C:\\Source\\setup.exe"};
        std::vector<char*> argv = {&arguments[0][0]};
        COXInstanceManager instances;
        CSetupApp app(instances);
        int result = -1;
        try {
            result = app.Run(1, argv.data());
        } catch (const sim::ProgramEnded&) {
        }
        if (c.question == nullptr) {
            EXPECT_EQ(result, 0);
            EXPECT_EQ(theSetupState.upgradeInstall, 1);
            EXPECT_TRUE(fresh.system.messageBoxes.empty());
            EXPECT_EQ(fresh.runs.opened, std::vector<std::string>{kMakerInstalledPage});
            EXPECT_EQ(fresh.FileText("C:\\Apps\\P6\\Pictrv6.exe"),
                      fresh.FileText("C:\\Source\\Pictrv6.exe"));
            continue;
        }
        ASSERT_FALSE(fresh.system.messageBoxes.empty());
        EXPECT_EQ(fresh.system.messageBoxes[0].text, c.question);
        EXPECT_EQ(fresh.system.messageBoxes[0].type, 0x24u);
        EXPECT_EQ(result, 1);
        EXPECT_EQ(theSetupState.upgradeInstall, 0);
    }
}

TEST_F(SetupProgram, SelfRemovalRunTakesTheDelselfPathCaseSensitively) {
    machine.AddFile("C:\\Apps\\P6\\PictrvUnInst.exe", "uninstaller");
    machine.AddFile("C:\\Apps\\P6\\PictrvUnInst.log", "File Copy: PictrvUnInst.exe\r\n");
    machine.programPath = "C:\\Windows\\Temp\\uni1.tmp";
    machine.AddFile(machine.programPath, "copy");
    const Outcome outcome = Run({"-delself", "C:\\Apps\\P6\\PictrvUnInst.exe", "-s"});
    EXPECT_TRUE(outcome.endedItself);
    EXPECT_FALSE(outcome.replaced);
    EXPECT_EQ(outcome.exitStatus, 0);
    EXPECT_FALSE(machine.IsFolder("C:\\Apps\\P6"));
    EXPECT_TRUE(machine.system.messageBoxes.empty());
}

TEST_F(SetupProgram, InteractiveNewInstallationOpensTheInstallScriptPage) {
    machine.AddFile(Src("HomePage.url"),
                    "[InternetShortcut]\r\nURL=http://www.quillmark.example/p6?from=cd\r\n");
    WriteManifest({"File Copy: Pictrv6.exe", "File Copy: readme.txt", "File Copy: HomePage.url"});
    for (int page = 0; page < 6; ++page)
        sim::Ui().Press(1); // Next through every page, the installation, then Finish
    const Outcome outcome = Run({});
    EXPECT_EQ(outcome.initResult, 0);
    EXPECT_EQ(outcome.exitStatus, 0);
    EXPECT_TRUE(machine.IsFile("C:\\Program Files\\Pictorva 6\\Pictrv6.exe"));
    EXPECT_EQ(machine.runs.opened,
              std::vector<std::string>{std::string(kMakerInstallScriptPage) + "?from=cd"});
    EXPECT_TRUE(machine.runs.started.empty()); // "Run Pictorva" was left unchecked
}

TEST_F(SetupProgram, SameVersionAnsweredYesRunsTheWizardAndOpensNoPage) {
    machine.AddFile("C:\\Apps\\P6\\Pictrv6.exe", sim::ProgramImage(6, 20, 0, 0));
    machine.SetRegString(platform::kLocalMachine, "SOFTWARE\\Quillmark\\Pictorva 6", "Path",
                         "C:\\Apps\\P6");
    machine.SetRegString(platform::kLocalMachine, "SOFTWARE\\Quillmark\\Pictorva 6", "AllUsers",
                         "B");
    Answer({platform::kIdYes});
    for (int page = 0; page < 6; ++page)
        sim::Ui().Press(1);
    const Outcome outcome = Run({"-allusers"});
    EXPECT_EQ(outcome.initResult, 0);
    ASSERT_FALSE(machine.system.messageBoxes.empty());
    EXPECT_EQ(machine.system.messageBoxes[0].text.rfind("Pictorva ver. 6.20.00.00 is already", 0),
              0u);
    EXPECT_EQ(theSetupState.upgradeInstall, 0);
    EXPECT_EQ(theSetupState.allUsers, 1); // the earlier installation's stored choice
    EXPECT_TRUE(machine.IsFile("C:\\Apps\\P6\\readme.txt"));
    EXPECT_TRUE(machine.runs.opened.empty());
    EXPECT_EQ(machine.currentDirectory, "C:\\Apps\\P6");
}

TEST_F(SetupProgram, CancelledWizardEndsWithoutTheAfterInstallationSteps) {
    Answer({platform::kIdYes}); // "Do you really want to cancel Pictorva setup?"
    sim::Ui().Press(2);
    const Outcome outcome = Run({"-runafter"});
    EXPECT_EQ(outcome.initResult, 1);
    EXPECT_EQ(outcome.exitStatus, 2);
    EXPECT_FALSE(machine.IsFolder("C:\\Program Files\\Pictorva 6"));
    EXPECT_TRUE(machine.runs.opened.empty());
    EXPECT_TRUE(machine.runs.started.empty());
    EXPECT_EQ(machine.currentDirectory, "C:\\");
}
