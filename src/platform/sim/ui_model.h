// The simulated machine's user interface: a window tree built from the program's dialog
// templates, and a scripted user. A test queues what the user does (press a button, check a
// box, type text, look at the screen, choose a folder in the browser); a modal dialog carries
// out the queued actions in order until it ends. Message-box answers come from
// SystemModel::messageBoxAnswers. Running out of actions while a dialog waits is a test error.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace sim {

class Machine;

struct UiWindow {
    platform::WindowHandle handle = 0;
    platform::WindowHandle parent = 0;
    std::vector<platform::WindowHandle> children; // in the template's order
    unsigned templateId = 0;                      // dialogs only
    int id = 0;
    std::string className; // "#32770" for dialogs
    std::string text;
    std::uint32_t style = 0;
    // Pixels: a top-level window's client origin in screen coordinates, a child's place in
    // its parent's client area; client size.
    int x = 0, y = 0, width = 0, height = 0;
    bool checked = false;                     // buttons
    int selStart = 0, selEnd = 0;             // edit controls
    int viewStart = 0;                        // edit controls: where the shown text starts
    platform::DialogEvents* events = nullptr; // dialogs
    bool modal = false, ended = false;
    std::intptr_t result = 0;

    bool IsDialog() const { return className == "#32770"; }
};

// What the user does in one run of the folder browser.
struct BrowserChoice {
    std::vector<std::string> invalidNames; // typed and refused by validation first, in order
    std::optional<std::string> folder;     // chosen; none closes the browser with Cancel
    bool makeFolder = false;               // made with the new-folder button before choosing
    bool notFileSystem = false;            // an item that has no file-system path
};

struct ShownBrowser {
    platform::WindowHandle owner = 0;
    std::string title;
    unsigned flags = 0;
    std::string selection;            // as BFFM_SETSELECTIONA set it
    std::vector<int> validateAnswers; // the callback's answers to failed validations
};

struct Paint {
    platform::WindowHandle window = 0;
    std::vector<std::string> shownTexts; // texts of the shown controls, in order
};

// A test error in the script (nothing left to do while a dialog waits, a press on a control
// the user cannot reach).
class UserScriptError : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

class UiModel {
  public:
    std::map<platform::WindowHandle, UiWindow> windows;
    platform::WindowHandle focus = 0;
    platform::SystemCursor cursor = platform::SystemCursor::Arrow;
    std::vector<platform::SystemCursor> cursorChanges;
    std::vector<Paint> paints;
    std::vector<platform::WindowHandle> messageBoxOwners; // owner of every box, in order

    std::deque<BrowserChoice> browserChoices;
    std::vector<ShownBrowser> browsers;
    std::map<platform::ItemList, std::optional<std::string>> itemLists; // not yet freed

    // ---- The scripted user: each call queues one action.
    void Press(int id);                         // click a button (check boxes toggle)
    void Check(int id, bool on);                // click a check box until it shows on
    void Type(int id, const std::string& text); // replace an edit control's text
    void PressEscape();                         // Esc or the close box of the modal dialog
    void Then(std::function<void()> look);      // a look at the screen at this point

    // ---- Reading the screen. Controls are found by id in the shown pages of the innermost
    // modal dialog first, then among its own controls; 0 when none.
    platform::WindowHandle Find(int id) const;
    platform::WindowHandle ModalDialog() const;
    platform::WindowHandle Page() const; // the shown child dialog of the modal dialog
    const UiWindow& Window(platform::WindowHandle window) const;
    UiWindow& Window(platform::WindowHandle window);
    std::string Text(int id) const;
    bool Shown(int id) const;
    bool Enabled(int id) const;
    bool Focused(int id) const;
    bool Checked(int id) const;
    std::string Caption() const;

    // ---- Used by the sim's platform layer.
    struct Action {
        std::string description;
        std::function<void()> run;
    };
    std::deque<Action> actions;
    platform::WindowHandle nextHandle = 0x00A00000;

    platform::WindowHandle Create(unsigned templateId, platform::WindowHandle parent,
                                  platform::DialogEvents* events);
    void Destroy(platform::WindowHandle window);
    bool IsShown(platform::WindowHandle window) const;
    bool IsEnabled(platform::WindowHandle window) const;
    void Click(platform::WindowHandle control);

  private:
    platform::WindowHandle FindIn(platform::WindowHandle dialog, int id) const;
    platform::WindowHandle Reachable(int id, const char* what) const;
};

// The active machine's user interface (made on first use).
UiModel& Ui();

} // namespace sim
