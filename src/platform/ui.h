// The user interface: dialogs made from the program's dialog templates, their windows and
// controls, the few control messages the wizard sends, cursors, owned message boxes and the
// shell's folder browser. Values of messages, styles and flags are the Windows ones.
#pragma once

#include <cstdint>
#include <string>

#include "platform/top_windows.h"

namespace platform {

// ---- Dialogs ----

// What a dialog's window procedure passes on to the object behind the dialog.
class DialogEvents {
  public:
    virtual ~DialogEvents() = default;
    // WM_INITDIALOG, the window already attached; true lets Windows focus the first control.
    virtual bool OnInitDialogMessage(WindowHandle dialog) = 0;
    // WM_COMMAND from a control (notification code, control id).
    virtual void OnCommandMessage(int id, int code) = 0;
    // WM_NCDESTROY: the window is gone; the object must forget its handle.
    virtual void OnWindowGone() = 0;
};

// DialogBoxParamA with a template of the program's module: runs the dialog until it is ended
// and returns the result given to EndModalDialog, or -1 when it could not be made.
std::intptr_t RunModalDialog(unsigned templateId, WindowHandle parent, DialogEvents* events);
// CreateDialogParamA: a modeless dialog (a child when its template says so); 0 on failure.
WindowHandle CreateModelessDialog(unsigned templateId, WindowHandle parent, DialogEvents* events);
// EndDialog: the modal loop ends with result once the current message is handled.
void EndModalDialog(WindowHandle dialog, std::intptr_t result);
// DestroyWindow.
bool DestroyWindowOf(WindowHandle window);

// ---- Windows and controls ----

inline constexpr int kSwHide = 0;
inline constexpr int kSwShow = 5;

inline constexpr std::uint32_t kWsGroup = 0x00020000u;
inline constexpr std::uint32_t kWsTabStop = 0x00010000u;
inline constexpr std::uint32_t kWsVisible = 0x10000000u;
inline constexpr std::uint32_t kWsDisabled = 0x08000000u;

inline constexpr int kBnClicked = 0;

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// GetDlgItem: the control with that id among the dialog's own children; 0 when none.
WindowHandle DialogItem(WindowHandle dialog, int id);
// GetWindow with GW_HWNDNEXT: the next sibling in the dialog's order; 0 after the last.
WindowHandle NextSiblingOf(WindowHandle window);
// GetWindowLongA with GWL_STYLE, and the window's class name ("Button", "Edit"...).
std::uint32_t WindowStyleOf(WindowHandle window);
std::string WindowClassOf(WindowHandle window);
// GetWindowTextA and SetWindowTextA; a text of any length.
std::string GetWindowTextOf(WindowHandle window);
bool SetWindowTextOf(WindowHandle window, const std::string& text);
// ShowWindow (kSwHide, kSwShow) and IsWindowVisible (the window and its parents shown).
void ShowWindowOf(WindowHandle window, int command);
bool IsWindowShown(WindowHandle window);
// EnableWindow and IsWindowEnabled.
void EnableWindowOf(WindowHandle window, bool enable);
bool IsWindowEnabledOf(WindowHandle window);
// SetFocus and GetFocus.
void SetFocusTo(WindowHandle window);
WindowHandle FocusedWindow();
// GetWindowRect in screen coordinates; ScreenToClient of a point.
Rect WindowRectOf(WindowHandle window);
void ScreenToClientOf(WindowHandle window, int* x, int* y);

inline constexpr WindowHandle kHwndTop = 0;
inline constexpr unsigned kSwpNoSize = 0x0001;
inline constexpr unsigned kSwpShowWindow = 0x0040;
// SetWindowPos.
bool SetWindowPosOf(WindowHandle window, WindowHandle insertAfter, int x, int y, int width,
                    int height, unsigned flags);
// UpdateWindow: paints what is invalid now, before the program goes on.
void UpdateWindowOf(WindowHandle window);

inline constexpr std::uint32_t kBmGetCheck = 0x00F0;
inline constexpr std::uint32_t kBmSetCheck = 0x00F1;
inline constexpr std::uint32_t kEmSetSel = 0x00B1;
inline constexpr std::uint32_t kEmScrollCaret = 0x00B7;
inline constexpr std::uint32_t kBffmSetSelectionA = 0x0466;
// SendMessageA.
std::intptr_t SendWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam);

// ---- Cursors ----

enum class SystemCursor { Arrow, Wait };
// SetCursor(LoadCursor(NULL, IDC_ARROW or IDC_WAIT)).
void SetSystemCursor(SystemCursor cursor);

// ---- Message boxes ----

// MessageBoxA with an owner window, which is disabled while the box is shown.
int ShowOwnedMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                        unsigned type);

// ---- The shell's folder browser ----

inline constexpr unsigned kBifReturnOnlyFsDirs = 0x0001;
inline constexpr unsigned kBifEditBox = 0x0010;
inline constexpr unsigned kBifValidate = 0x0020;
inline constexpr unsigned kBifNewDialogStyle = 0x0040;
inline constexpr unsigned kBffmInitialized = 1;
inline constexpr unsigned kBffmValidateFailedA = 3;
// The browser's text buffers, MAX_PATH bytes.
inline constexpr std::size_t kBrowsePathSize = 260;

// The browse callback: browser window, message, its lParam, the request's parameter.
using BrowseCallback = int (*)(WindowHandle browser, unsigned message, std::intptr_t lParam,
                               std::intptr_t data);

struct BrowseRequest {
    WindowHandle owner = 0;
    std::string title;
    unsigned flags = 0;
    BrowseCallback callback = nullptr;
    std::intptr_t data = 0;
};

// An item list the browser returned; 0 when the user closed it without choosing.
using ItemList = std::uintptr_t;
// SHBrowseForFolderA with no root and a display-name buffer of kBrowsePathSize bytes.
ItemList BrowseForFolder(const BrowseRequest& request);
// SHGetPathFromIDListA: false when the item is not a file-system folder.
bool PathFromItemList(ItemList items, std::string* path);
// Frees the list with the shell's allocator (SHGetMalloc, then Free).
void FreeItemList(ItemList items);

} // namespace platform
