// The wizard frame: the picture on the left, one page at a time beside it, Back, Next and
// Cancel below. Next on the ready page runs the installation; Finish ends with IDOK.
#pragma once

#include <cstdint>
#include <string>

#include "ui/dialog.h"

class CSetupDlg : public CDialog {
  public:
    explicit CSetupDlg(CWnd* parent = nullptr);
    ~CSetupDlg() override;

    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    // The page switch: leaves the current page and shows the next one.
    void OnOK() override;
    // Asks before the setup is abandoned.
    void OnCancel() override;
    bool OnCommand(int id, int code) override;

    CButton m_cancelButton;
    CStatic m_picture;
    CButton m_backButton;
    CButton m_nextButton;
    std::int32_t m_pagePosition = -1;
    CDialog* m_currentPage = nullptr;
    std::string m_savedTitle;

  private:
    void OnBack();
    void RunInstallation();
    void ShowCreatedPage();
};

// The Next and Cancel buttons' texts as the frame found them when it opened.
extern std::string theInitialNextText;
extern std::string theInitialCancelText;
