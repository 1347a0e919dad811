#include "wizard/setup_dlg.h"

#include "common/app_message_box.h"
#include "common/setup_state.h"
#include "install/install_driver.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "res/resource.h"
#include "wizard/agreement_dlg.h"
#include "wizard/folder_dlg.h"
#include "wizard/group_dlg.h"
#include "wizard/into_dlg.h"
#include "wizard/start_dlg.h"

std::string theInitialNextText;
std::string theInitialCancelText;

namespace {

// The ready page stays on Next and becomes the installation-done page.
constexpr std::int32_t kReadyPage = 4;
constexpr unsigned kMbDefButton2 = 0x100;

} // namespace

CSetupDlg::CSetupDlg(CWnd* parent) : CDialog(IDD_SETUP_FRAME, parent) {}

CSetupDlg::~CSetupDlg() {
    delete m_currentPage;
}

void CSetupDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDCANCEL, m_cancelButton);
    DDX_Control(pDX, IDC_PICTURE, m_picture);
    DDX_Control(pDX, IDC_BACK, m_backButton);
    DDX_Control(pDX, IDOK, m_nextButton);
}

bool CSetupDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_nextButton.GetWindowText(theInitialNextText);
    m_cancelButton.GetWindowText(theInitialCancelText);
    OnOK();
    return false;
}

bool CSetupDlg::OnCommand(int id, int code) {
    if (id == IDC_BACK && code == BN_CLICKED) {
        OnBack();
        return true;
    }
    return CDialog::OnCommand(id, code);
}

void CSetupDlg::OnBack() {
    m_pagePosition -= 2;
    const std::int32_t lowered = m_pagePosition;
    OnOK();
    // The page refused to be left: the position goes back to where it was.
    if (m_pagePosition == lowered)
        m_pagePosition += 2;
}

void CSetupDlg::OnOK() {
    if (m_currentPage != nullptr && m_pagePosition < kReadyPage) {
        if (!m_currentPage->DestroyWindow())
            return;
        delete m_currentPage;
        m_currentPage = nullptr;
    }
    ++m_pagePosition;
    if (m_savedTitle.empty())
        GetWindowText(m_savedTitle);
    if (m_pagePosition != 1) {
        m_nextButton.SetWindowText(theInitialNextText);
        m_cancelButton.SetWindowText(theInitialCancelText);
    }
    switch (m_pagePosition) {
    case 0:
        m_currentPage = new CIntoDlg(IDD_WELCOME_PAGE, this);
        m_currentPage->Create(IDD_WELCOME_PAGE, this);
        m_backButton.ShowWindow(SW_HIDE);
        break;
    case 1:
        m_nextButton.SetWindowText(platform::LoadResourceString(IDS_YES));
        m_cancelButton.SetWindowText(platform::LoadResourceString(IDS_NO));
        m_backButton.ShowWindow(SW_SHOW);
        m_picture.ShowWindow(SW_HIDE);
        m_currentPage = new CAgreementDlg(IDD_AGREEMENT_PAGE, this);
        m_currentPage->Create(IDD_AGREEMENT_PAGE, this);
        SetWindowText(platform::LoadResourceString(IDS_ACCEPT_AGREEMENT));
        return;
    case 2:
        m_currentPage = new CFolderDlg(IDD_FOLDER_PAGE, this);
        m_currentPage->Create(IDD_FOLDER_PAGE, this);
        break;
    case 3:
        m_currentPage = new CGroupDlg(IDD_GROUP_PAGE, this);
        m_currentPage->Create(IDD_GROUP_PAGE, this);
        break;
    case kReadyPage:
        m_currentPage = new CStartDlg(IDD_READY_PAGE, this);
        m_currentPage->Create(IDD_READY_PAGE, this);
        break;
    case kReadyPage + 1:
        RunInstallation();
        return;
    default: {
        CWnd* box =
            m_currentPage != nullptr ? m_currentPage->GetDlgItem(IDC_RUN_PICTORVA) : nullptr;
        theSetupState.runAfter = box != nullptr && box->SendMessage(BM_GETCHECK) == 1 ? 1 : 0;
        CDialog::OnOK();
        return;
    }
    }
    ShowCreatedPage();
}

void CSetupDlg::ShowCreatedPage() {
    SetWindowText(m_savedTitle);
    m_picture.ShowWindow(SW_SHOW);
    m_nextButton.EnableWindow(true);
    m_nextButton.SetFocus();
    CRect picture;
    m_picture.GetWindowRect(&picture);
    ScreenToClient(&picture);
    m_currentPage->SetWindowPos(&CWnd::wndTop, picture.right + 4, picture.top, 0, 0,
                                SWP_NOSIZE | SWP_SHOWWINDOW);
}

void CSetupDlg::RunInstallation() {
    m_currentPage->GetDlgItem(IDC_READY_TEXT)->ShowWindow(SW_HIDE);
    m_currentPage->GetDlgItem(IDC_READY_HINT)->ShowWindow(SW_HIDE);
    m_currentPage->GetDlgItem(IDC_INSTALLING)->ShowWindow(SW_SHOW);
    m_currentPage->UpdateWindow();
    m_backButton.EnableWindow(false);
    m_nextButton.EnableWindow(false);
    m_cancelButton.EnableWindow(false);
    SetWaitCursor();
    PerformInstall();
    SetArrowCursor();
    m_nextButton.EnableWindow(true);
    m_nextButton.SetWindowText(platform::LoadResourceString(IDS_FINISH));
    m_currentPage->GetDlgItem(IDC_INSTALLING)->ShowWindow(SW_HIDE);
    m_currentPage->GetDlgItem(IDC_RUN_PICTORVA)->ShowWindow(SW_SHOW);
    CWnd* done = m_currentPage->GetDlgItem(IDC_READY_TEXT);
    CWnd* hint = m_currentPage->GetDlgItem(IDC_READY_HINT);
    done->SetWindowText(platform::LoadResourceString(IDS_INSTALLED));
    hint->SetWindowText(platform::LoadResourceString(IDS_PRESS_FINISH));
    done->ShowWindow(SW_SHOW);
    hint->ShowWindow(SW_SHOW);
    m_nextButton.SetFocus();
}

void CSetupDlg::OnCancel() {
    const std::string question = platform::LoadResourceString(IDS_CONFIRM_CANCEL);
    if (AfxMessageBox(question, platform::kMbYesNo | platform::kMbIconQuestion | kMbDefButton2) ==
        IDYES)
        CDialog::OnCancel();
}
