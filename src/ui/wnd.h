// The thin class library under the wizard: window objects over the platform's user interface.
// A CWnd holds a window handle; GetDlgItem gives wrapper objects that the window keeps.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/ui.h"

using CRect = platform::Rect;

inline constexpr int SW_HIDE = platform::kSwHide;
inline constexpr int SW_SHOW = platform::kSwShow;
inline constexpr unsigned SWP_NOSIZE = platform::kSwpNoSize;
inline constexpr unsigned SWP_SHOWWINDOW = platform::kSwpShowWindow;
inline constexpr std::uint32_t BM_GETCHECK = platform::kBmGetCheck;
inline constexpr std::uint32_t BM_SETCHECK = platform::kBmSetCheck;
inline constexpr std::uint32_t EM_SETSEL = platform::kEmSetSel;
inline constexpr std::uint32_t EM_SCROLLCARET = platform::kEmScrollCaret;
inline constexpr int BN_CLICKED = platform::kBnClicked;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

class CWnd {
  public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    // HWND_TOP as an insert-after window for SetWindowPos.
    static const CWnd wndTop;

    platform::WindowHandle GetSafeHwnd() const { return m_hWnd; }
    // Binds the object to a window it does not own; false when it already has one.
    bool Attach(platform::WindowHandle window);
    platform::WindowHandle Detach();

    // The control with that id among the window's children, or null.
    CWnd* GetDlgItem(int id) const;

    void SetWindowText(const std::string& text);
    void GetWindowText(std::string& text) const;
    std::string GetWindowText() const;
    void ShowWindow(int command);
    bool IsWindowVisible() const;
    void EnableWindow(bool enable = true);
    bool IsWindowEnabled() const;
    void SetFocus();
    void UpdateWindow();
    void GetWindowRect(CRect* rect) const;
    void ScreenToClient(CRect* rect) const;
    bool SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, unsigned flags);
    std::intptr_t SendMessage(std::uint32_t message, std::uintptr_t wParam = 0,
                              std::intptr_t lParam = 0);

    virtual bool DestroyWindow();

    // The message map: a command from a control (BN_CLICKED and the like). True when handled.
    virtual bool OnCommand(int id, int code);

    platform::WindowHandle m_hWnd = 0;

  private:
    mutable std::map<int, std::unique_ptr<CWnd>> items_;
};

class CButton : public CWnd {
  public:
    // BM_GETCHECK: 1 checked, 0 not.
    int GetCheck();
    void SetCheck(int check);
};

class CStatic : public CWnd {};

class CEdit : public CWnd {
  public:
    // EM_SETSEL: start -1 removes the selection; 0 and -1 select everything.
    void SetSel(int start, int end);
};

// The system's wait and arrow cursors (LoadCursor with IDC_WAIT or IDC_ARROW, then SetCursor).
void SetWaitCursor();
void SetArrowCursor();
