// The ready page; the frame turns it into the installing and then the finish page.
#pragma once

#include "ui/dialog.h"

class CStartDlg : public CDialog {
  public:
    CStartDlg(unsigned templateId, CWnd* parent) : CDialog(templateId, parent) {}
};
