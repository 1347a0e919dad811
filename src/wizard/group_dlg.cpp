#include "wizard/group_dlg.h"

#include "common/ansi_text.h"
#include "common/app_message_box.h"
#include "common/registry_strings.h"
#include "common/setup_state.h"
#include "platform/codepage.h"
#include "platform/message_box.h"
#include "res/resource.h"

namespace {

constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::size_t kShortestGroupName = 3;

// The last part of a folder path (the whole text without a backslash), in lower case.
std::string LowerLastPart(const std::string& path) {
    const std::size_t slash = FindLastChar(path, '\\');
    return platform::LowerCase(slash == std::string::npos ? path : path.substr(slash + 1));
}

} // namespace

CGroupDlg::CGroupDlg(unsigned templateId, CWnd* parent) : CDialog(templateId, parent) {}

CGroupDlg::~CGroupDlg() = default;

void CGroupDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GROUP_NAME, m_groupNameView);
    DDX_Check(pDX, IDC_AUTO_START, m_autoStart);
    DDX_Check(pDX, IDC_DESKTOP_ICON, m_desktopIcon);
    DDX_Text(pDX, IDC_GROUP_NAME, m_groupName);
}

bool CGroupDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_autoStart = theSetupState.autoStart;
    m_desktopIcon = theSetupState.desktopIcon;
    m_groupName = theSetupState.groupName;
    UpdateData(false);
    return true;
}

bool CGroupDlg::DestroyWindow() {
    if (!UpdateData(true))
        return false;
    m_groupName = TrimWhiteSpace(m_groupName);
    if (m_groupName.size() < kShortestGroupName) {
        AfxMessageBox(IDS_GROUP_TOO_SHORT, platform::kMbOk);
        return false;
    }
    const std::string lowerName = platform::LowerCase(m_groupName);
    const std::string userStartup =
        LowerLastPart(ReadRegistryString(platform::kCurrentUser, kShellFolders, "Startup"));
    const std::string commonStartup =
        LowerLastPart(ReadRegistryString(platform::kLocalMachine, kShellFolders, "Common Startup"));
    if (lowerName == userStartup || lowerName == commonStartup) {
        AfxMessageBox(IDS_GROUP_IS_STARTUP, platform::kMbOk);
        return false;
    }
    theSetupState.autoStart = m_autoStart;
    theSetupState.desktopIcon = m_desktopIcon;
    theSetupState.groupName = m_groupName;
    return CDialog::DestroyWindow();
}
