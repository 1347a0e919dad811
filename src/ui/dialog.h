// Dialogs of the class library: modal (DoModal) or modeless (Create) from a dialog template
// of the program's resources, with dialog data exchange between members and controls.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ui.h"
#include "ui/wnd.h"

class CDataExchange {
  public:
    CDataExchange(CWnd* dialog, bool saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    // The control with that id; null when the template has none.
    CWnd* Control(int id) const { return m_pDlgWnd->GetDlgItem(id); }

    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate; // true: controls into members; false: members into controls
    bool m_bFailed = false;
};

// Binds control to the dialog's control id (once; a bound object stays bound).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// The control's text.
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// A check box's state: 1 checked, 0 not.
void DDX_Check(CDataExchange* pDX, int id, int& value);
// The index of the checked radio button of the group that starts at id; -1 for none.
void DDX_Radio(CDataExchange* pDX, int id, int& value);

class CDialog : public CWnd, private platform::DialogEvents {
  public:
    explicit CDialog(unsigned templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog until EndDialog and returns its result; -1 when it could not be made.
    virtual std::intptr_t DoModal();
    // Makes the dialog a modeless window (a child of parent when the template says so).
    bool Create(unsigned templateId, CWnd* parent = nullptr);

    // Puts the members into the controls; true lets the focus go to the first control.
    virtual bool OnInitDialog();
    // Takes the controls' data and ends a modal dialog with IDOK.
    virtual void OnOK();
    // Ends a modal dialog with IDCANCEL.
    virtual void OnCancel();
    void EndDialog(int result);
    // Exchanges data: true takes the controls' data into the members. False when it failed.
    bool UpdateData(bool saveAndValidate = true);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Routes IDOK and IDCANCEL of a modal dialog to OnOK and OnCancel.
    bool OnCommand(int id, int code) override;

  protected:
    unsigned m_nIDTemplate;
    CWnd* m_pParentWnd;

  private:
    bool OnInitDialogMessage(platform::WindowHandle dialog) override;
    void OnCommandMessage(int id, int code) override;
    void OnWindowGone() override;

    bool modal_ = false;
};
