// The welcome page: a greeting and the version of the product this setup installs.
#pragma once

#include "ui/dialog.h"

class CIntoDlg : public CDialog {
  public:
    CIntoDlg(unsigned templateId, CWnd* parent);
    ~CIntoDlg() override;

    void DoDataExchange(CDataExchange* pDX) override;
    // Fills the version line of control 1003 from the product's version.
    bool OnInitDialog() override;

    CStatic m_versionText;
};
