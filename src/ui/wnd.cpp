#include "ui/wnd.h"

const CWnd CWnd::wndTop;

bool CWnd::Attach(platform::WindowHandle window) {
    if (m_hWnd != 0 || window == 0)
        return false;
    m_hWnd = window;
    return true;
}

platform::WindowHandle CWnd::Detach() {
    const platform::WindowHandle window = m_hWnd;
    m_hWnd = 0;
    return window;
}

CWnd* CWnd::GetDlgItem(int id) const {
    const platform::WindowHandle item = platform::DialogItem(m_hWnd, id);
    if (item == 0)
        return nullptr;
    auto& wrapper = items_[id];
    if (!wrapper)
        wrapper = std::make_unique<CWnd>();
    wrapper->m_hWnd = item;
    return wrapper.get();
}

void CWnd::SetWindowText(const std::string& text) {
    platform::SetWindowTextOf(m_hWnd, text);
}

void CWnd::GetWindowText(std::string& text) const {
    text = platform::GetWindowTextOf(m_hWnd);
}

std::string CWnd::GetWindowText() const {
    return platform::GetWindowTextOf(m_hWnd);
}

void CWnd::ShowWindow(int command) {
    platform::ShowWindowOf(m_hWnd, command);
}

bool CWnd::IsWindowVisible() const {
    return platform::IsWindowShown(m_hWnd);
}

void CWnd::EnableWindow(bool enable) {
    platform::EnableWindowOf(m_hWnd, enable);
}

bool CWnd::IsWindowEnabled() const {
    return platform::IsWindowEnabledOf(m_hWnd);
}

void CWnd::SetFocus() {
    platform::SetFocusTo(m_hWnd);
}

void CWnd::UpdateWindow() {
    platform::UpdateWindowOf(m_hWnd);
}

void CWnd::GetWindowRect(CRect* rect) const {
    *rect = platform::WindowRectOf(m_hWnd);
}

void CWnd::ScreenToClient(CRect* rect) const {
    platform::ScreenToClientOf(m_hWnd, &rect->left, &rect->top);
    platform::ScreenToClientOf(m_hWnd, &rect->right, &rect->bottom);
}

bool CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height,
                        unsigned flags) {
    const platform::WindowHandle after = insertAfter ? insertAfter->m_hWnd : platform::kHwndTop;
    return platform::SetWindowPosOf(m_hWnd, after, x, y, width, height, flags);
}

std::intptr_t CWnd::SendMessage(std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    return platform::SendWindowMessage(m_hWnd, message, wParam, lParam);
}

bool CWnd::DestroyWindow() {
    if (m_hWnd == 0)
        return false;
    return platform::DestroyWindowOf(Detach());
}

bool CWnd::OnCommand(int, int) {
    return false;
}

int CButton::GetCheck() {
    return static_cast<int>(SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int check) {
    SendMessage(BM_SETCHECK, static_cast<std::uintptr_t>(check));
}

void CEdit::SetSel(int start, int end) {
    SendMessage(EM_SETSEL, static_cast<std::uintptr_t>(static_cast<std::intptr_t>(start)), end);
}

void SetWaitCursor() {
    platform::SetSystemCursor(platform::SystemCursor::Wait);
}

void SetArrowCursor() {
    platform::SetSystemCursor(platform::SystemCursor::Arrow);
}
