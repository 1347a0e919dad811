// The wizard frame: page order, Back, the buttons and caption of each page, the installation
// on the ready page, Finish and Cancel, driven as a user drives it.
#include "wizard_fixture.h"

#include <functional>
#include <tuple>

namespace {

class WizardFrameTest : public WizardTest {
  protected:
    // The frame's buttons, picture and caption as the state table gives them for a page.
    // Next has the focus after every switch except to the agreement page, which leaves it.
    void ExpectFrameShows(unsigned page, bool switched) {
        SCOPED_TRACE("page " + std::to_string(page));
        EXPECT_EQ(ShownPage(), page);
        const bool agreement = page == IDD_AGREEMENT_PAGE;
        EXPECT_EQ(ui.Shown(IDC_BACK), page != IDD_WELCOME_PAGE);
        EXPECT_TRUE(ui.Enabled(IDC_BACK));
        EXPECT_EQ(ui.Text(IDOK), agreement ? "Yes" : "&Next >");
        EXPECT_EQ(ui.Text(IDCANCEL), agreement ? "No" : "Cancel");
        EXPECT_TRUE(ui.Enabled(IDOK));
        EXPECT_TRUE(ui.Enabled(IDCANCEL));
        EXPECT_EQ(ui.IsShown(FramePicture()), !agreement);
        EXPECT_EQ(ui.Caption(),
                  agreement ? "Please accept the License Agreement" : "Pictorva Setup");
        if (switched && !agreement) {
            EXPECT_TRUE(ui.Focused(IDOK));
        }
    }

    void Expect(unsigned page, bool switched = true) {
        ui.Then([this, page, switched] { ExpectFrameShows(page, switched); });
    }

    platform::WindowHandle FramePicture() const {
        return platform::DialogItem(ui.ModalDialog(), IDC_PICTURE);
    }
};

TEST_F(WizardFrameTest, OpensOnTheWelcomePageBesideThePicture) {
    // Back hidden, Next focused, the frame's own caption; the page at the picture's right
    // edge + 4 pixels and its top, in the frame's client area.
    Expect(IDD_WELCOME_PAGE);
    ui.Then([this] {
        const auto picture = platform::WindowRectOf(FramePicture());
        EXPECT_EQ(picture.right - picture.left, 120);
        EXPECT_EQ(picture.bottom - picture.top, 260);
        const auto page = platform::WindowRectOf(ui.Page());
        EXPECT_EQ(page.left, picture.right + 4);
        EXPECT_EQ(page.top, picture.top);
        EXPECT_EQ(ui.Window(ui.ModalDialog()).children.front(), ui.Page()) << "page on top";
    });
    Cancel();
    EXPECT_EQ(RunWizard(), IDCANCEL);
}

TEST_F(WizardFrameTest, NextAndBackWalkEveryPageAndRestoreTheFrame) {
    // Every transition of the state table before the installation, each way.
    const std::vector<std::pair<std::function<void()>, unsigned>> steps = {
        {[this] { Next(); }, IDD_AGREEMENT_PAGE}, {[this] { Back(); }, IDD_WELCOME_PAGE},
        {[this] { Next(); }, IDD_AGREEMENT_PAGE}, {[this] { Next(); }, IDD_FOLDER_PAGE},
        {[this] { Back(); }, IDD_AGREEMENT_PAGE}, {[this] { Next(); }, IDD_FOLDER_PAGE},
        {[this] { Next(); }, IDD_GROUP_PAGE},     {[this] { Back(); }, IDD_FOLDER_PAGE},
        {[this] { Next(); }, IDD_GROUP_PAGE},     {[this] { Next(); }, IDD_READY_PAGE},
        {[this] { Back(); }, IDD_GROUP_PAGE},     {[this] { Next(); }, IDD_READY_PAGE},
    };
    Expect(IDD_WELCOME_PAGE);
    for (const auto& [act, page] : steps) {
        act();
        Expect(page);
    }
    Cancel();
    EXPECT_EQ(RunWizard(), IDCANCEL);
    EXPECT_TRUE(ui.windows.empty()) << "every window is gone with the frame";
}

TEST_F(WizardFrameTest, PagesAreMadeAnewOnEachVisit) {
    // A page left and come back to is a new window that reads its settings again.
    platform::WindowHandle first = 0;
    Next(3);
    ui.Then([&] { first = ui.Page(); });
    ui.Type(IDC_GROUP_NAME, "My Tools");
    Next();
    Back();
    ui.Then([&] {
        EXPECT_NE(ui.Page(), first);
        EXPECT_EQ(ui.windows.count(first), 0u);
        EXPECT_EQ(ui.Text(IDC_GROUP_NAME), "My Tools");
    });
    Cancel();
    RunWizard();
}

TEST_F(WizardFrameTest, CancelAnsweredNoChangesNothing) {
    Next(3);
    ui.Type(IDC_GROUP_NAME, "Half typed");
    Cancel(platform::kIdNo);
    Expect(IDD_GROUP_PAGE, false);
    ui.Then([this] { EXPECT_EQ(ui.Text(IDC_GROUP_NAME), "Half typed"); });
    Next();
    Expect(IDD_READY_PAGE);
    ui.PressEscape(); // the same confirmation, answered Yes by default
    EXPECT_EQ(RunWizard(), IDCANCEL);
    ASSERT_EQ(machine.system.messageBoxes.size(), 2u);
    for (const auto& box : machine.system.messageBoxes) {
        EXPECT_EQ(box.text, "Do you really want to cancel Pictorva setup?");
        EXPECT_EQ(box.caption, "Pictorva Setup");
        EXPECT_EQ(box.type, 0x124u);
    }
    EXPECT_EQ(theSetupState.groupName, "Half typed") << "the group page was left by Next";
}

TEST_F(WizardFrameTest, NoOnTheAgreementPageAsksBeforeEnding) {
    Next();
    Cancel();
    EXPECT_EQ(RunWizard(), IDCANCEL);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{String(IDS_CONFIRM_CANCEL)});
    EXPECT_EQ(ui.messageBoxOwners.size(), 1u);
    EXPECT_NE(ui.messageBoxOwners.front(), 0u) << "the box belongs to the frame";
}

TEST_F(WizardFrameTest, ARefusedBackKeepsThePageAndNextGoesOn) {
    Next(3);
    ui.Type(IDC_GROUP_NAME, "ab");
    Back();
    Expect(IDD_GROUP_PAGE, false);
    ui.Type(IDC_GROUP_NAME, "abc");
    Next();
    Expect(IDD_READY_PAGE);
    Back();
    Expect(IDD_GROUP_PAGE);
    ui.Then([this] { EXPECT_EQ(ui.Text(IDC_GROUP_NAME), "abc"); });
    Cancel();
    RunWizard();
    EXPECT_EQ(MessageTexts().front(), String(IDS_GROUP_TOO_SHORT));
}

TEST_F(WizardFrameTest, NextOnTheReadyPageInstallsOnTheSamePage) {
    platform::WindowHandle ready = 0;
    Next(4);
    ui.Then([&] { ready = ui.Page(); });
    Next();
    ui.Then([&] {
        EXPECT_EQ(ui.Page(), ready) << "the ready page is kept";
        // Painted before the work: only the installing text is shown.
        ASSERT_EQ(ui.paints.size(), 1u);
        EXPECT_EQ(ui.paints[0].window, ready);
        EXPECT_EQ(ui.paints[0].shownTexts,
                  std::vector<std::string>{"Installing Pictorva, please wait..."});
        EXPECT_EQ(ui.cursorChanges,
                  (std::vector<platform::SystemCursor>{platform::SystemCursor::Wait,
                                                       platform::SystemCursor::Arrow}));
        EXPECT_TRUE(machine.IsFile(Dst("Pictrv6.exe")));

        EXPECT_FALSE(ui.Enabled(IDC_BACK));
        EXPECT_TRUE(ui.Shown(IDC_BACK));
        EXPECT_FALSE(ui.Enabled(IDCANCEL));
        EXPECT_TRUE(ui.Enabled(IDOK));
        EXPECT_TRUE(ui.Focused(IDOK));
        EXPECT_EQ(ui.Text(IDOK), "&Finish >");
        EXPECT_EQ(ui.Caption(), "Pictorva Setup");
        EXPECT_EQ(ui.Text(IDC_READY_TEXT), "Pictorva 6 has been successfully installed.");
        EXPECT_EQ(ui.Text(IDC_READY_HINT), "Press the Finish button to exit this installation.");
        EXPECT_TRUE(ui.Shown(IDC_READY_TEXT));
        EXPECT_TRUE(ui.Shown(IDC_READY_HINT));
        EXPECT_FALSE(ui.Shown(IDC_INSTALLING));
        EXPECT_TRUE(ui.Shown(IDC_RUN_PICTORVA));
        EXPECT_FALSE(ui.Checked(IDC_RUN_PICTORVA));
    });
    Next();
    EXPECT_EQ(RunWizard(), IDOK);
    EXPECT_TRUE(machine.system.messageBoxes.empty());
}

TEST_F(WizardFrameTest, FinishStoresRunPictorva) {
    // The box's state overwrites whatever runAfter held.
    for (const auto& [before, check, after] :
         std::vector<std::tuple<int, bool, int>>{{1, false, 0}, {0, true, 1}, {1, true, 1}}) {
        SCOPED_TRACE(std::to_string(before) + (check ? " checked" : " unchecked"));
        theSetupState.runAfter = before;
        Next(5);
        if (check)
            ui.Check(IDC_RUN_PICTORVA, true);
        Next();
        EXPECT_EQ(RunWizard(), IDOK);
        EXPECT_EQ(theSetupState.runAfter, after);
    }
}

} // namespace

namespace {

TEST_F(WizardFrameTest, AFullRunFromWelcomeToFinishInstallsWhatWasChosen) {
    machine.AddFolder("C:\\Tools");
    Next(2);
    ui.Press(IDC_ALL_USERS);
    ui.Then([this] { ui.browserChoices.push_back({{}, std::string("C:\\Tools"), false, false}); });
    ui.Press(IDC_BROWSE);
    Next();
    ui.Type(IDC_GROUP_NAME, " Graphics ");
    ui.Check(IDC_AUTO_START, true);
    ui.Check(IDC_DESKTOP_ICON, false);
    Next(2);
    ui.Check(IDC_RUN_PICTORVA, true);
    Next();
    EXPECT_EQ(RunWizard(), IDOK);

    EXPECT_TRUE(machine.system.messageBoxes.empty());
    EXPECT_EQ(theSetupState.installDir, "C:\\Tools");
    EXPECT_EQ(theSetupState.allUsers, 1);
    EXPECT_EQ(theSetupState.groupName, "Graphics");
    EXPECT_EQ(theSetupState.autoStart, 1);
    EXPECT_EQ(theSetupState.desktopIcon, 0);
    EXPECT_EQ(theSetupState.runAfter, 1);
    EXPECT_TRUE(machine.IsFile("C:\\Tools\\Pictrv6.exe"));
    EXPECT_TRUE(machine.IsFile("C:\\Tools\\PictrvUnInst.log"));
    EXPECT_TRUE(machine.IsFolder(std::string(kCommonPrograms) + "\\Graphics"));
    EXPECT_TRUE(ui.windows.empty());
}

} // namespace
