// The program group and options page: the Start-menu group's name, auto-start and the
// desktop icon. Leaving it checks the name and stores all three.
#pragma once

#include <cstdint>
#include <string>

#include "ui/dialog.h"

class CGroupDlg : public CDialog {
  public:
    CGroupDlg(unsigned templateId, CWnd* parent);
    ~CGroupDlg() override;

    // Refuses (0) a name shorter than 3 bytes or one that names a start-up folder, after
    // telling the user; otherwise stores the settings and closes the page.
    bool DestroyWindow() override;
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;

    CEdit m_groupNameView;
    std::int32_t m_autoStart = 0;
    std::int32_t m_desktopIcon = 0;
    std::string m_groupName;
};
