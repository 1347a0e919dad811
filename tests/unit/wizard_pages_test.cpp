// The welcome, agreement, group and ready pages as the user sees and leaves them.
#include "wizard_fixture.h"

#include <tuple>

namespace {

using WizardPagesTest = WizardTest;

TEST_F(WizardPagesTest, WelcomeShowsTheVersionAndABetaLabelOnlyForARevision) {
    struct Case {
        ProductVersion version; // revision, build, minor, major
        const char* firstLine;
    };
    for (const Case& c : std::vector<Case>{{{0, 1, 7, 6}, "Pictorva ver. 6.07.01 "},
                                           {{3, 1, 7, 6}, "Pictorva ver. 6.07.01 Beta 3"},
                                           {{0, 1000, 123, 6}, "Pictorva ver. 6.123.1000 "},
                                           {{0, 0, 0, 0}, "Pictorva ver. 0.00.00 "}}) {
        SCOPED_TRACE(c.firstLine);
        theSetupState.productVersion = c.version;
        ui.Then([&] {
            const std::string text = ui.Text(IDC_VERSION_TEXT);
            EXPECT_EQ(text.substr(0, text.find('\n')), c.firstLine);
            EXPECT_EQ(text.substr(text.find('\n')),
                      "\nCopyright \xA9 Quillmark Technology LLC.\nAll rights reserved.");
        });
        Cancel();
        RunWizard();
    }
}

TEST_F(WizardPagesTest, AgreementShowsTheFileByteForByteFromItsStart) {
    const std::string agreement = "Licence \xE9t\xE9\r\n\r\nline\nbare LF\rlone CR";
    machine.AddFile(Src("agreement.txt"), agreement);
    Next();
    ui.Then([&] {
        const auto view = ui.Window(ui.Find(IDC_AGREEMENT_TEXT));
        EXPECT_EQ(view.text, agreement);
        EXPECT_EQ(view.selStart, view.selEnd) << "nothing selected";
        EXPECT_EQ(view.selEnd, 0);
        EXPECT_EQ(view.viewStart, 0) << "the view shows the start";
        // Over the picture, at (4, 4) in the frame's client area.
        const auto page = platform::WindowRectOf(ui.Page());
        int x = page.left, y = page.top;
        platform::ScreenToClientOf(ui.ModalDialog(), &x, &y);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(4, 4));
    });
    Cancel();
    RunWizard();
}

TEST_F(WizardPagesTest, AgreementIsReadAgainOnEachVisitAndMayBeMissing) {
    Next();
    ui.Then([this] {
        EXPECT_EQ(ui.Text(IDC_AGREEMENT_TEXT), "The licence.\r\nSecond line.\r\n");
        machine.AddFile(Src("agreement.txt"), "");
    });
    Back();
    Next();
    ui.Then([this] {
        EXPECT_EQ(ui.Text(IDC_AGREEMENT_TEXT), "");
        machine.FailCalls("StreamFile::Open");
        machine.AddFile(Src("agreement.txt"), "unreadable");
    });
    Next();
    Back();
    ui.Then([this] { EXPECT_EQ(ui.Text(IDC_AGREEMENT_TEXT), ""); });
    Next(); // Yes still works
    ui.Then([this] { EXPECT_EQ(ShownPage(), IDD_FOLDER_PAGE); });
    Cancel();
    RunWizard();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{String(IDS_CONFIRM_CANCEL)});
}

class GroupPageTest : public WizardTest {
  protected:
    // Opens the group page, types name, presses Next (or Back) and cancels the wizard.
    void Leave(const std::string& name, bool byBack = false) {
        Next(3);
        ui.Type(IDC_GROUP_NAME, name);
        if (byBack)
            Back();
        else
            Next();
        Cancel();
        RunWizard();
    }
};

TEST_F(GroupPageTest, OpensWithTheStoredSettings) {
    theSetupState.groupName = "Imaging";
    theSetupState.autoStart = 1;
    theSetupState.desktopIcon = 0;
    Next(3);
    ui.Then([this] {
        EXPECT_EQ(ui.Text(IDC_GROUP_NAME), "Imaging");
        EXPECT_TRUE(ui.Checked(IDC_AUTO_START));
        EXPECT_FALSE(ui.Checked(IDC_DESKTOP_ICON));
    });
    Cancel();
    RunWizard();
}

TEST_F(GroupPageTest, NamesAreTrimmedAndCheckedAgainstTheStartupFolders) {
    // The user's start-up folder ends in "Startup"; the all-users one here in "Autostart".
    machine.SetRegString(platform::kLocalMachine, kShellFolders, "Common Startup",
                         "C:\\ProgramData\\Autostart");
    struct Case {
        const char* typed;
        const char* stored; // nullptr: refused
        unsigned message;
    };
    for (const Case& c : std::vector<Case>{
             {"  ab \t", nullptr, IDS_GROUP_TOO_SHORT},
             {"", nullptr, IDS_GROUP_TOO_SHORT},
             {" abc ", "abc", 0},
             {"Startup", nullptr, IDS_GROUP_IS_STARTUP},
             {" sTARTup\t", nullptr, IDS_GROUP_IS_STARTUP},
             {"AUTOSTART", nullptr, IDS_GROUP_IS_STARTUP},
             {"Tools\\Startup", "Tools\\Startup", 0},
             {"Startup Tools", "Startup Tools", 0},
         }) {
        SCOPED_TRACE(c.typed);
        machine.system.messageBoxes.clear();
        theSetupState.groupName = "Pictorva 6";
        Leave(c.typed);
        EXPECT_EQ(theSetupState.groupName, c.stored ? c.stored : "Pictorva 6");
        std::vector<std::string> expected;
        if (c.message != 0)
            expected.push_back(String(c.message));
        expected.push_back(String(IDS_CONFIRM_CANCEL));
        EXPECT_EQ(MessageTexts(), expected);
        if (c.message != 0) {
            EXPECT_EQ(machine.system.messageBoxes.front().type, 0x30u);
            EXPECT_EQ(machine.system.messageBoxes.front().caption, "Pictorva Setup");
        }
    }
}

TEST_F(GroupPageTest, StartupIsAcceptedWhereTheFoldersAreNamedOtherwiseOrMissing) {
    for (const bool missing : {false, true}) {
        SCOPED_TRACE(missing ? "values missing" : "other names");
        for (const auto& [root, name] : {std::pair{platform::kCurrentUser, "Startup"},
                                         std::pair{platform::kLocalMachine, "Common Startup"}}) {
            if (missing)
                machine.DenyKey(root, kShellFolders); // read as empty texts
            else
                machine.SetRegString(root, kShellFolders, name, "C:\\Users\\Ann\\Autostart");
        }
        machine.system.messageBoxes.clear();
        Leave("Startup");
        EXPECT_EQ(theSetupState.groupName, "Startup");
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{String(IDS_CONFIRM_CANCEL)});
    }
}

TEST_F(GroupPageTest, OptionsAreStoredOnlyWithAnAcceptedNameByNextOrBack) {
    theSetupState.autoStart = 0;
    theSetupState.desktopIcon = 1;
    Next(3);
    ui.Check(IDC_AUTO_START, true);
    ui.Check(IDC_DESKTOP_ICON, false);
    ui.Type(IDC_GROUP_NAME, "x");
    Back();
    ui.Then([this] {
        EXPECT_EQ(theSetupState.autoStart, 0);
        EXPECT_EQ(theSetupState.desktopIcon, 1);
    });
    ui.Type(IDC_GROUP_NAME, "Graphics ");
    Back();
    ui.Then([this] {
        EXPECT_EQ(ShownPage(), IDD_FOLDER_PAGE);
        EXPECT_EQ(theSetupState.autoStart, 1);
        EXPECT_EQ(theSetupState.desktopIcon, 0);
        EXPECT_EQ(theSetupState.groupName, "Graphics");
    });
    Next();
    ui.Then([this] {
        EXPECT_EQ(ui.Text(IDC_GROUP_NAME), "Graphics");
        EXPECT_TRUE(ui.Checked(IDC_AUTO_START));
        EXPECT_FALSE(ui.Checked(IDC_DESKTOP_ICON));
    });
    Cancel();
    RunWizard();
}

TEST_F(WizardPagesTest, ReadyPageOpensWithItsReadyTexts) {
    Next(4);
    ui.Then([this] {
        EXPECT_EQ(ui.Text(IDC_READY_TEXT), "You are now ready to install Pictorva.");
        EXPECT_TRUE(ui.Shown(IDC_READY_TEXT));
        EXPECT_TRUE(ui.Shown(IDC_READY_HINT));
        EXPECT_FALSE(ui.Shown(IDC_INSTALLING));
        EXPECT_FALSE(ui.Shown(IDC_RUN_PICTORVA));
    });
    Cancel();
    RunWizard();
}

} // namespace
