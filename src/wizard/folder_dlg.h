// The install type and folder page: current user or all users, and the destination folder
// chosen with the shell's folder browser.
#pragma once

#include <cstdint>
#include <string>

#include "ui/dialog.h"

class CFolderDlg : public CDialog {
  public:
    CFolderDlg(unsigned templateId, CWnd* parent);
    ~CFolderDlg() override;

    // Stores the install type in allUsers; never refuses.
    bool DestroyWindow() override;
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;

    std::string m_initialHint;
    CStatic m_folderDisplay;
    std::int32_t m_installType = -1;

  private:
    void OnBrowse();
    void RefreshFolderHint();
};

// Entries of a folder other than "." and "..", hidden ones included; 0 when it cannot be read.
int CountFolderEntries(const std::string& folder);
