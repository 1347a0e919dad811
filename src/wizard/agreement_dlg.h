// The licence agreement page: "agreement.txt" of the current folder, byte for byte.
#pragma once

#include <string>

#include "ui/dialog.h"

class CAgreementDlg : public CDialog {
  public:
    CAgreementDlg(unsigned templateId, CWnd* parent);
    ~CAgreementDlg() override;

    void DoDataExchange(CDataExchange* pDX) override;
    // Reads the agreement, shows it from its start, and places the page over the picture.
    bool OnInitDialog() override;

    CEdit m_agreementView;
    std::string m_agreementText;
};
