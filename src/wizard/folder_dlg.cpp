#include "wizard/folder_dlg.h"

#include "common/app_message_box.h"
#include "common/setup_state.h"
#include "platform/files.h"
#include "platform/find_files.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "platform/shell_link.h"
#include "platform/ui.h"
#include "res/resource.h"

namespace {

constexpr unsigned kBrowseFlags = platform::kBifReturnOnlyFsDirs | platform::kBifEditBox |
                                  platform::kBifValidate | platform::kBifNewDialogStyle;

// The shell wants COM on the thread that opens the browser; once per process is enough.
bool comStartedForBrowser = false;

std::string Join(const std::string& folder, const char* name) {
    return folder + "\\" + name;
}

int BrowseCallback(platform::WindowHandle browser, unsigned message, std::intptr_t lParam,
                   std::intptr_t) {
    (void)lParam;
    if (message == platform::kBffmInitialized) {
        platform::SendWindowMessage(
            browser, platform::kBffmSetSelectionA, 1,
            reinterpret_cast<std::intptr_t>(theSetupState.installDir.c_str()));
        return 0;
    }
    if (message == platform::kBffmValidateFailedA) {
        AfxMessageBox(IDS_INVALID_FOLDER, platform::kMbOk);
        return 1;
    }
    return 0;
}

} // namespace

int CountFolderEntries(const std::string& folder) {
    platform::FoundEntry entry;
    platform::FileSearch search = platform::FileSearch::Start(folder + "\\*", &entry);
    if (!search)
        return 0;
    int count = 0;
    do {
        if (entry.name != "." && entry.name != "..")
            ++count;
    } while (search.Next(&entry));
    return count;
}

CFolderDlg::CFolderDlg(unsigned templateId, CWnd* parent) : CDialog(templateId, parent) {}

CFolderDlg::~CFolderDlg() = default;

void CFolderDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FOLDER_DISPLAY, m_folderDisplay);
    DDX_Radio(pDX, IDC_CURRENT_USER, m_installType);
}

bool CFolderDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    GetDlgItem(IDC_FOLDER_HINT)->GetWindowText(m_initialHint);
    RefreshFolderHint();
    m_folderDisplay.SetWindowText(theSetupState.installDir);
    m_installType = theSetupState.allUsers;
    UpdateData(false);
    return true;
}

bool CFolderDlg::OnCommand(int id, int code) {
    if (id == IDC_BROWSE && code == BN_CLICKED) {
        OnBrowse();
        return true;
    }
    return CDialog::OnCommand(id, code);
}

void CFolderDlg::RefreshFolderHint() {
    CWnd* hint = GetDlgItem(IDC_FOLDER_HINT);
    if (theSetupState.newInstall == 0 &&
        platform::PathExists(Join(theSetupState.installDir, "Pictrv6.exe")))
        hint->SetWindowText(platform::LoadResourceString(IDS_PREVIOUS_COPY));
    else
        hint->SetWindowText(m_initialHint);
}

void CFolderDlg::OnBrowse() {
    if (!comStartedForBrowser) {
        platform::InitializeCom();
        comStartedForBrowser = true;
    }
    platform::BrowseRequest request;
    request.owner = m_hWnd;
    request.title = platform::LoadResourceString(IDS_BROWSE_TITLE);
    request.flags = kBrowseFlags;
    request.callback = BrowseCallback;
    request.data = 0;

    platform::CreateFolder(theSetupState.installDir);
    const platform::ItemList items = platform::BrowseForFolder(request);
    platform::RemoveFolder(theSetupState.installDir);
    if (items == 0)
        return;

    std::string path;
    if (!platform::PathFromItemList(items, &path)) {
        platform::FreeItemList(items);
        return;
    }
    platform::RemoveFolder(path);
    if (platform::PathExists(Join(path, "Pictrv.exe")) ||
        platform::PathExists(Join(path, "Pictrv5.exe"))) {
        AfxMessageBox(IDS_OLD_VERSION_FOLDER, platform::kMbOk);
        platform::FreeItemList(items);
        return;
    }
    if (!platform::PathExists(Join(path, "Pictrv6.exe")) && CountFolderEntries(path) > 0)
        path = Join(path, "Pictorva 6");
    theSetupState.installDir = path;
    m_folderDisplay.SetWindowText(path);
    RefreshFolderHint();
    platform::FreeItemList(items);
}

bool CFolderDlg::DestroyWindow() {
    UpdateData(true);
    theSetupState.allUsers = m_installType;
    return CDialog::DestroyWindow();
}
