// The install type and folder page: the folder browser, what a chosen folder becomes, the
// hint, and the install type stored when the page is left.
#include "wizard_fixture.h"

#include "platform/ui.h"

namespace {

class FolderPageTest : public WizardTest {
  protected:
    static constexpr char kEarlier[] = "C:\\Apps\\Pictorva 6";
    const std::string initialHint =
        "To install into a different folder, Click Browse, and select another one.";

    FolderPageTest() { theSetupState.installDir = kEarlier; }

    // Opens the folder page, browses once with choice, then runs look and cancels.
    void Browse(
        const sim::BrowserChoice& choice, std::function<void()> look = [] {}) {
        Next(2);
        ui.Then([this, choice] { ui.browserChoices.push_back(choice); });
        ui.Press(IDC_BROWSE);
        ui.Then(std::move(look));
        Cancel();
        RunWizard();
    }
    static sim::BrowserChoice Choose(const std::string& folder) {
        sim::BrowserChoice choice;
        choice.folder = folder;
        return choice;
    }
};

TEST_F(FolderPageTest, BrowseOpensOnTheInstallFolderAndFreesWhatItGets) {
    Browse(Choose("C:\\Empty"));
    ASSERT_EQ(ui.browsers.size(), 1u);
    const auto& shown = ui.browsers.front();
    EXPECT_EQ(shown.title, "Select the folder where where Pictorva should be installed.");
    EXPECT_EQ(shown.flags, 0x71u);
    EXPECT_EQ(shown.selection, kEarlier);
    EXPECT_NE(shown.owner, 0u);
    EXPECT_TRUE(ui.itemLists.empty()) << "the item list is freed";
    EXPECT_TRUE(machine.system.comInitialized) << "COM is started for the browser";
    EXPECT_FALSE(machine.IsFolder(kEarlier)) << "the folder made for the browser is gone";
}

TEST_F(FolderPageTest, WhatAChosenFolderBecomes) {
    struct Case {
        const char* name;
        std::vector<const char*> files; // made under the chosen folder
        const char* chosen;
        const char* stored; // installDir afterwards
        unsigned message;   // 0: none
    };
    for (const Case& c : std::vector<Case>{
             {"old version first",
              {"Pictrv.exe", "Pictrv6.exe"},
              "C:\\Old",
              kEarlier,
              IDS_OLD_VERSION_FOLDER},
             {"version 5", {"Pictrv5.exe"}, "C:\\Five", kEarlier, IDS_OLD_VERSION_FOLDER},
             {"version 6 kept", {"Pictrv6.exe", "other.txt"}, "C:\\Six", "C:\\Six", 0},
             {"other content",
              {"notes.txt"},
              "C:\\Program Files",
              "C:\\Program Files\\Pictorva 6",
              0},
             {"a subfolder only", {"Sub\\x"}, "C:\\Deep", "C:\\Deep\\Pictorva 6", 0},
             {"drive root", {}, "C:\\", "C:\\\\Pictorva 6", 0},
         }) {
        SCOPED_TRACE(c.name);
        machine.system.messageBoxes.clear();
        theSetupState.installDir = kEarlier;
        for (const char* file : c.files)
            machine.AddFile(std::string(c.chosen) + "\\" + file, "x");
        Browse(Choose(c.chosen), [this, c] { EXPECT_EQ(ui.Text(IDC_FOLDER_DISPLAY), c.stored); });
        EXPECT_EQ(theSetupState.installDir, c.stored);
        std::vector<std::string> expected;
        if (c.message != 0)
            expected.push_back(String(c.message));
        expected.push_back(String(IDS_CONFIRM_CANCEL));
        EXPECT_EQ(MessageTexts(), expected);
        EXPECT_TRUE(ui.itemLists.empty());
    }
}

TEST_F(FolderPageTest, AnEmptyOrNewFolderIsUsedAndRemovedAgain) {
    machine.AddFolder("C:\\Empty");
    for (sim::BrowserChoice choice : {Choose("C:\\Empty"), Choose("C:\\Made\\Here")}) {
        choice.makeFolder = choice.folder == "C:\\Made\\Here";
        SCOPED_TRACE(*choice.folder);
        Browse(choice);
        EXPECT_EQ(theSetupState.installDir, *choice.folder);
        EXPECT_FALSE(machine.IsFolder(*choice.folder));
    }
}

TEST_F(FolderPageTest, CancelInTheBrowserOrAnItemWithoutPathChangesNothing) {
    machine.AddFolder(kEarlier); // empty: the browser's folder dance removes it
    sim::BrowserChoice noPath = Choose("::{Control Panel}");
    noPath.notFileSystem = true;
    for (const sim::BrowserChoice& choice : {sim::BrowserChoice{}, noPath}) {
        Browse(choice, [this] { EXPECT_EQ(ui.Text(IDC_FOLDER_DISPLAY), kEarlier); });
        EXPECT_EQ(theSetupState.installDir, kEarlier);
        EXPECT_TRUE(ui.itemLists.empty());
    }
    EXPECT_FALSE(machine.IsFolder(kEarlier));
}

TEST_F(FolderPageTest, ATypedNameThatIsNoFolderKeepsTheBrowserOpen) {
    sim::BrowserChoice choice = Choose("C:\\Empty");
    choice.invalidNames = {"C:\\no such"};
    Browse(choice);
    EXPECT_EQ(ui.browsers.front().validateAnswers, std::vector<int>{1});
    EXPECT_EQ(MessageTexts().front(), String(IDS_INVALID_FOLDER));
    EXPECT_EQ(machine.system.messageBoxes.front().type, 0x30u);
    EXPECT_EQ(theSetupState.installDir, "C:\\Empty");
}

TEST_F(FolderPageTest, TheHintNamesAnEarlierCopyOnlyOverAnEarlierInstallation) {
    machine.AddFile(std::string(kEarlier) + "\\Pictrv6.exe", "old");
    machine.AddFile("C:\\Other\\readme.txt", "x");
    const std::string previous = String(IDS_PREVIOUS_COPY);
    for (const int newInstall : {0, 1}) {
        SCOPED_TRACE(newInstall);
        theSetupState.newInstall = newInstall;
        theSetupState.installDir = kEarlier;
        Next(2);
        ui.Then([&] { EXPECT_EQ(ui.Text(IDC_FOLDER_HINT), newInstall ? initialHint : previous); });
        ui.Then([this] { ui.browserChoices.push_back(Choose("C:\\Other")); });
        ui.Press(IDC_BROWSE);
        ui.Then([&] { EXPECT_EQ(ui.Text(IDC_FOLDER_HINT), initialHint); });
        ui.Then([this] { ui.browserChoices.push_back(Choose(kEarlier)); });
        ui.Press(IDC_BROWSE);
        ui.Then([&] { EXPECT_EQ(ui.Text(IDC_FOLDER_HINT), newInstall ? initialHint : previous); });
        Cancel();
        RunWizard();
    }
}

TEST_F(FolderPageTest, TheInstallTypeIsShownAndStoredWhenThePageIsLeft) {
    for (const bool byBack : {false, true}) {
        SCOPED_TRACE(byBack ? "Back" : "Next");
        theSetupState.allUsers = 1;
        Next(2);
        ui.Then([this] {
            EXPECT_FALSE(ui.Checked(IDC_CURRENT_USER));
            EXPECT_TRUE(ui.Checked(IDC_ALL_USERS));
            EXPECT_EQ(ui.Text(IDC_FOLDER_DISPLAY), kEarlier);
        });
        ui.Press(IDC_CURRENT_USER);
        ui.Then([this] { EXPECT_FALSE(ui.Checked(IDC_ALL_USERS)); });
        if (byBack)
            Back();
        else
            Next();
        ui.Then([this] { EXPECT_EQ(theSetupState.allUsers, 0); });
        Cancel();
        RunWizard();
    }
}

} // namespace
