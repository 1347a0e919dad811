// The user interface on the simulated machine: dialogs become windows of the UiModel, made
// from the same compiled dialog templates that setup.exe carries, and driven by the test's
// scripted user.
#include <algorithm>

#include "platform/codepage.h"
#include "platform/message_box.h"
#include "platform/sim/dialog_template.h"
#include "platform/sim/machine.h"
#include "platform/sim/resource_file.h"
#include "platform/sim/ui_model.h"
#include "platform/ui.h"

namespace sim {
namespace {

using platform::WindowHandle;

// Dialog base units of MS Sans Serif 8 at 96 dots per inch.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;
// A top-level dialog's border and caption bar, and where Windows puts the first one.
constexpr int kFrameLeft = 3, kFrameTop = 26, kFrameRight = 3, kFrameBottom = 3;
constexpr int kFirstDialogX = 200, kFirstDialogY = 150;

constexpr unsigned kBitmapResource = 2;
constexpr std::uint32_t kStaticTypeMask = 0x1F;
constexpr std::uint32_t kSsBitmap = 0x0E;
constexpr std::uint32_t kButtonTypeMask = 0x0F;
constexpr std::uint32_t kBsCheckBox = 0x02, kBsAutoCheckBox = 0x03;
constexpr std::uint32_t kBsRadioButton = 0x04, kBsAutoRadioButton = 0x09;

int MulDiv(int value, int numerator, int denominator) {
    return (value * numerator + denominator / 2) / denominator;
}

bool IsButtonOfType(const UiWindow& w, std::uint32_t a, std::uint32_t b) {
    if (platform::LowerCase(w.className) != "button")
        return false;
    const std::uint32_t type = w.style & kButtonTypeMask;
    return type == a || type == b;
}

// The size a picture control takes from its bitmap (BITMAPINFOHEADER width and height).
bool BitmapSize(unsigned id, int* width, int* height) {
    const auto data = FindResource(kBitmapResource, id);
    if (data.size() < 12)
        return false;
    auto dword = [&](std::size_t at) {
        return static_cast<std::int32_t>(data[at] | (data[at + 1] << 8) | (data[at + 2] << 16) |
                                         (static_cast<std::uint32_t>(data[at + 3]) << 24));
    };
    *width = dword(4);
    *height = std::abs(dword(8));
    return true;
}

} // namespace

UiModel& Ui() {
    auto& machine = Machine::Active();
    if (!machine.ui)
        machine.ui = std::make_shared<UiModel>();
    return *machine.ui;
}

WindowHandle UiModel::Create(unsigned templateId, WindowHandle parent,
                             platform::DialogEvents* events) {
    const auto dialog = LoadDialogTemplate(templateId);
    if (!dialog)
        return 0;
    UiWindow window;
    window.handle = nextHandle += 0x10;
    window.parent = parent;
    window.templateId = templateId;
    window.className = "#32770";
    window.text = dialog->caption;
    window.style = dialog->style;
    window.width = MulDiv(dialog->width, kBaseUnitX, 4);
    window.height = MulDiv(dialog->height, kBaseUnitY, 8);
    window.events = events;
    if (parent == 0) {
        window.x = kFirstDialogX + kFrameLeft;
        window.y = kFirstDialogY + kFrameTop;
    }
    for (const auto& c : dialog->controls) {
        UiWindow control;
        control.handle = nextHandle += 0x10;
        control.parent = window.handle;
        control.id = c.id;
        control.className = c.className;
        control.text = c.text;
        control.style = c.style;
        control.x = MulDiv(c.x, kBaseUnitX, 4);
        control.y = MulDiv(c.y, kBaseUnitY, 8);
        control.width = MulDiv(c.width, kBaseUnitX, 4);
        control.height = MulDiv(c.height, kBaseUnitY, 8);
        if (platform::LowerCase(c.className) == "static" &&
            (c.style & kStaticTypeMask) == kSsBitmap) {
            control.text.clear();
            BitmapSize(c.textResource, &control.width, &control.height);
        }
        window.children.push_back(control.handle);
        windows[control.handle] = control;
    }
    windows[window.handle] = window;
    if (parent != 0)
        Window(parent).children.push_back(window.handle);
    return window.handle;
}

void UiModel::Destroy(WindowHandle handle) {
    auto it = windows.find(handle);
    if (it == windows.end())
        return;
    const auto children = it->second.children;
    for (WindowHandle child : children)
        Destroy(child);
    if (focus == handle)
        focus = 0;
    platform::DialogEvents* events = windows[handle].events;
    const WindowHandle parent = windows[handle].parent;
    windows.erase(handle);
    if (auto p = windows.find(parent); p != windows.end()) {
        auto& siblings = p->second.children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
    }
    if (events != nullptr)
        events->OnWindowGone();
}

bool UiModel::IsShown(WindowHandle handle) const {
    for (auto it = windows.find(handle); it != windows.end();
         it = windows.find(it->second.parent)) {
        if ((it->second.style & platform::kWsVisible) == 0)
            return false;
    }
    return windows.count(handle) != 0;
}

bool UiModel::IsEnabled(WindowHandle handle) const {
    auto it = windows.find(handle);
    return it != windows.end() && (it->second.style & platform::kWsDisabled) == 0;
}

const UiWindow& UiModel::Window(WindowHandle handle) const {
    auto it = windows.find(handle);
    if (it == windows.end())
        throw UserScriptError("no window " + std::to_string(handle));
    return it->second;
}

UiWindow& UiModel::Window(WindowHandle handle) {
    return const_cast<UiWindow&>(static_cast<const UiModel*>(this)->Window(handle));
}

WindowHandle UiModel::ModalDialog() const {
    WindowHandle last = 0;
    for (const auto& [handle, window] : windows) {
        if (window.modal && !window.ended)
            last = std::max(last, handle);
    }
    return last;
}

WindowHandle UiModel::Page() const {
    const WindowHandle modal = ModalDialog();
    if (modal == 0)
        return 0;
    for (WindowHandle child : Window(modal).children) {
        if (Window(child).IsDialog() && IsShown(child))
            return child;
    }
    return 0;
}

WindowHandle UiModel::FindIn(WindowHandle dialog, int id) const {
    const auto& children = Window(dialog).children;
    for (WindowHandle child : children) {
        if (Window(child).IsDialog() && IsShown(child)) {
            if (WindowHandle found = FindIn(child, id))
                return found;
        }
    }
    for (WindowHandle child : children) {
        if (!Window(child).IsDialog() && Window(child).id == id)
            return child;
    }
    return 0;
}

WindowHandle UiModel::Find(int id) const {
    const WindowHandle modal = ModalDialog();
    return modal == 0 ? 0 : FindIn(modal, id);
}

std::string UiModel::Text(int id) const {
    const WindowHandle w = Find(id);
    return w == 0 ? std::string() : Window(w).text;
}
bool UiModel::Shown(int id) const {
    return IsShown(Find(id));
}
bool UiModel::Enabled(int id) const {
    return IsEnabled(Find(id));
}
bool UiModel::Focused(int id) const {
    return focus != 0 && Find(id) == focus;
}
bool UiModel::Checked(int id) const {
    const WindowHandle w = Find(id);
    return w != 0 && Window(w).checked;
}
std::string UiModel::Caption() const {
    const WindowHandle modal = ModalDialog();
    return modal == 0 ? std::string() : Window(modal).text;
}

WindowHandle UiModel::Reachable(int id, const char* what) const {
    const WindowHandle w = Find(id);
    if (w == 0 || !IsShown(w) || !IsEnabled(w))
        throw UserScriptError(std::string("the user cannot ") + what + " control " +
                              std::to_string(id) +
                              (w == 0 ? ": there is none" : ": it is hidden or disabled"));
    return w;
}

void UiModel::Click(WindowHandle control) {
    UiWindow& w = Window(control);
    if (IsButtonOfType(w, kBsAutoCheckBox, kBsAutoCheckBox)) {
        w.checked = !w.checked;
    } else if (IsButtonOfType(w, kBsAutoRadioButton, kBsAutoRadioButton)) {
        // Checks this one and clears the others of its group.
        const auto& siblings = Window(w.parent).children;
        auto at = std::find(siblings.begin(), siblings.end(), control);
        auto first = at;
        while (first != siblings.begin() && (Window(*first).style & platform::kWsGroup) == 0)
            --first;
        for (auto it = first; it != siblings.end(); ++it) {
            if (it != first && (Window(*it).style & platform::kWsGroup) != 0)
                break;
            UiWindow& sibling = Window(*it);
            if (IsButtonOfType(sibling, kBsRadioButton, kBsAutoRadioButton))
                sibling.checked = *it == control;
        }
    }
    focus = control;
    const WindowHandle dialog = w.parent;
    const int id = w.id;
    if (auto* events = Window(dialog).events)
        events->OnCommandMessage(id, platform::kBnClicked);
}

void UiModel::Press(int id) {
    actions.push_back(
        {"press " + std::to_string(id), [this, id] { Click(Reachable(id, "press")); }});
}

void UiModel::Check(int id, bool on) {
    actions.push_back({"check " + std::to_string(id), [this, id, on] {
                           const WindowHandle w = Reachable(id, "check");
                           if (Window(w).checked != on)
                               Click(w);
                       }});
}

void UiModel::Type(int id, const std::string& text) {
    actions.push_back({"type into " + std::to_string(id), [this, id, text] {
                           UiWindow& w = Window(Reachable(id, "type into"));
                           focus = w.handle;
                           w.text = text;
                           w.selStart = w.selEnd = w.viewStart = static_cast<int>(text.size());
                       }});
}

void UiModel::PressEscape() {
    actions.push_back({"press Esc", [this] {
                           const WindowHandle modal = ModalDialog();
                           if (auto* events = Window(modal).events)
                               events->OnCommandMessage(platform::kIdCancel, platform::kBnClicked);
                       }});
}

void UiModel::Then(std::function<void()> look) {
    actions.push_back({"look", std::move(look)});
}

} // namespace sim

namespace platform {

using sim::Ui;
using sim::UiModel;

namespace {

// Destroys the modal dialog's window however its loop ends.
struct ModalWindowGuard {
    WindowHandle window;
    ~ModalWindowGuard() {
        if (sim::Machine::HasActive())
            Ui().Destroy(window);
    }
};

WindowHandle FirstTabStop(const UiModel& ui, WindowHandle dialog) {
    for (WindowHandle child : ui.Window(dialog).children) {
        const auto& w = ui.Window(child);
        if ((w.style & kWsTabStop) && (w.style & kWsVisible) && !(w.style & kWsDisabled))
            return child;
    }
    return 0;
}

void Initialize(WindowHandle dialog, DialogEvents* events) {
    if (events != nullptr && events->OnInitDialogMessage(dialog)) {
        auto& ui = Ui();
        if (ui.windows.count(dialog) != 0) {
            if (WindowHandle first = FirstTabStop(ui, dialog))
                ui.focus = first;
        }
    }
}

} // namespace

std::intptr_t RunModalDialog(unsigned templateId, WindowHandle parent, DialogEvents* events) {
    auto& ui = Ui();
    const WindowHandle dialog = ui.Create(templateId, parent, events);
    if (dialog == 0)
        return -1;
    ModalWindowGuard guard{dialog};
    ui.Window(dialog).modal = true;
    Initialize(dialog, events);
    if (ui.windows.count(dialog) == 0)
        return -1;
    ui.Window(dialog).style |= kWsVisible;
    while (!ui.Window(dialog).ended) {
        if (ui.actions.empty())
            throw sim::UserScriptError("the simulated user has nothing left to do while dialog " +
                                       std::to_string(templateId) + " waits");
        auto action = std::move(ui.actions.front());
        ui.actions.pop_front();
        action.run();
    }
    return ui.Window(dialog).result;
}

WindowHandle CreateModelessDialog(unsigned templateId, WindowHandle parent, DialogEvents* events) {
    auto& ui = Ui();
    const WindowHandle dialog = ui.Create(templateId, parent, events);
    if (dialog != 0)
        Initialize(dialog, events);
    return ui.windows.count(dialog) != 0 ? dialog : 0;
}

void EndModalDialog(WindowHandle dialog, std::intptr_t result) {
    auto& ui = Ui();
    if (ui.windows.count(dialog) == 0)
        return;
    ui.Window(dialog).ended = true;
    ui.Window(dialog).result = result;
}

bool DestroyWindowOf(WindowHandle window) {
    auto& ui = Ui();
    if (ui.windows.count(window) == 0)
        return false;
    ui.Destroy(window);
    return true;
}

WindowHandle DialogItem(WindowHandle dialog, int id) {
    auto& ui = Ui();
    if (ui.windows.count(dialog) == 0)
        return 0;
    for (WindowHandle child : ui.Window(dialog).children) {
        if (ui.Window(child).id == id)
            return child;
    }
    return 0;
}

WindowHandle NextSiblingOf(WindowHandle window) {
    auto& ui = Ui();
    if (ui.windows.count(window) == 0 || ui.windows.count(ui.Window(window).parent) == 0)
        return 0;
    const auto& siblings = ui.Window(ui.Window(window).parent).children;
    auto at = std::find(siblings.begin(), siblings.end(), window);
    return at == siblings.end() || at + 1 == siblings.end() ? 0 : *(at + 1);
}

std::uint32_t WindowStyleOf(WindowHandle window) {
    auto& ui = Ui();
    return ui.windows.count(window) ? ui.Window(window).style : 0;
}

std::string WindowClassOf(WindowHandle window) {
    auto& ui = Ui();
    return ui.windows.count(window) ? ui.Window(window).className : std::string();
}

std::string GetWindowTextOf(WindowHandle window) {
    auto& ui = Ui();
    return ui.windows.count(window) ? ui.Window(window).text : std::string();
}

bool SetWindowTextOf(WindowHandle window, const std::string& text) {
    auto& ui = Ui();
    if (ui.windows.count(window) == 0)
        return false;
    auto& w = ui.Window(window);
    w.text = text.substr(0, text.find('\0')); // the text ends at its first zero byte
    w.selStart = w.selEnd = 0;
    w.viewStart = 0;
    return true;
}

void ShowWindowOf(WindowHandle window, int command) {
    auto& ui = Ui();
    if (ui.windows.count(window) == 0)
        return;
    if (command == kSwHide)
        ui.Window(window).style &= ~kWsVisible;
    else
        ui.Window(window).style |= kWsVisible;
}

bool IsWindowShown(WindowHandle window) {
    return Ui().IsShown(window);
}

void EnableWindowOf(WindowHandle window, bool enable) {
    auto& ui = Ui();
    if (ui.windows.count(window) == 0)
        return;
    if (enable) {
        ui.Window(window).style &= ~kWsDisabled;
    } else {
        ui.Window(window).style |= kWsDisabled;
        // A disabled window loses the keyboard focus.
        if (ui.focus == window)
            ui.focus = 0;
    }
}

bool IsWindowEnabledOf(WindowHandle window) {
    return Ui().IsEnabled(window);
}

void SetFocusTo(WindowHandle window) {
    auto& ui = Ui();
    if (ui.windows.count(window) != 0)
        ui.focus = window;
}

WindowHandle FocusedWindow() {
    return Ui().focus;
}

namespace {

// The screen position of a window's client origin.
void ClientOrigin(const UiModel& ui, WindowHandle window, int* x, int* y) {
    *x = *y = 0;
    for (auto it = ui.windows.find(window); it != ui.windows.end();
         it = ui.windows.find(it->second.parent)) {
        *x += it->second.x;
        *y += it->second.y;
    }
}

} // namespace

Rect WindowRectOf(WindowHandle window) {
    auto& ui = Ui();
    if (ui.windows.count(window) == 0)
        return {};
    int x = 0, y = 0;
    ClientOrigin(ui, window, &x, &y);
    const auto& w = ui.Window(window);
    Rect rect{x, y, x + w.width, y + w.height};
    if (w.parent == 0) {
        rect.left -= sim::kFrameLeft;
        rect.top -= sim::kFrameTop;
        rect.right += sim::kFrameRight;
        rect.bottom += sim::kFrameBottom;
    }
    return rect;
}

void ScreenToClientOf(WindowHandle window, int* x, int* y) {
    int originX = 0, originY = 0;
    ClientOrigin(Ui(), window, &originX, &originY);
    *x -= originX;
    *y -= originY;
}

bool SetWindowPosOf(WindowHandle window, WindowHandle insertAfter, int x, int y, int width,
                    int height, unsigned flags) {
    auto& ui = Ui();
    if (ui.windows.count(window) == 0)
        return false;
    auto& w = ui.Window(window);
    w.x = x;
    w.y = y;
    if ((flags & kSwpNoSize) == 0) {
        w.width = width;
        w.height = height;
    }
    if (flags & kSwpShowWindow)
        w.style |= kWsVisible;
    if (insertAfter == kHwndTop && ui.windows.count(w.parent) != 0) {
        auto& siblings = ui.Window(w.parent).children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
        siblings.insert(siblings.begin(), window);
    }
    return true;
}

void UpdateWindowOf(WindowHandle window) {
    auto& ui = Ui();
    if (ui.windows.count(window) == 0)
        return;
    sim::Paint paint{window, {}};
    for (WindowHandle child : ui.Window(window).children) {
        if (ui.IsShown(child))
            paint.shownTexts.push_back(ui.Window(child).text);
    }
    ui.paints.push_back(paint);
}

std::intptr_t SendWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    auto& ui = Ui();
    if (ui.windows.count(window) == 0)
        return 0;
    auto& w = ui.Window(window);
    switch (message) {
    case kBmGetCheck:
        return w.checked ? 1 : 0;
    case kBmSetCheck:
        w.checked = wParam != 0;
        return 0;
    case kEmSetSel: {
        const int start = static_cast<int>(static_cast<std::intptr_t>(wParam));
        const int end = static_cast<int>(lParam);
        const int size = static_cast<int>(w.text.size());
        if (start == -1) {
            w.selStart = w.selEnd; // the selection goes, the caret stays
        } else {
            w.selStart = std::min(start, size);
            w.selEnd = end == -1 ? size : std::min(end, size);
        }
        return 1;
    }
    case kEmScrollCaret:
        w.viewStart = std::min(w.viewStart, w.selEnd);
        return 1;
    case kBffmSetSelectionA:
        if (wParam != 0 && lParam != 0)
            w.text = reinterpret_cast<const char*>(lParam);
        return 0;
    default:
        return 0;
    }
}

void SetSystemCursor(SystemCursor cursor) {
    auto& ui = Ui();
    ui.cursor = cursor;
    ui.cursorChanges.push_back(cursor);
}

int ShowOwnedMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                        unsigned type) {
    Ui().messageBoxOwners.push_back(owner);
    return ShowMessageBox(text, caption, type);
}

ItemList BrowseForFolder(const BrowseRequest& request) {
    auto& machine = sim::Machine::Active();
    auto& ui = Ui();
    if (machine.ShouldFail("BrowseForFolder"))
        return 0;
    sim::UiWindow browser;
    browser.handle = ui.nextHandle += 0x10;
    browser.className = "SHBrowseForFolder";
    ui.windows[browser.handle] = browser;
    struct Closer {
        WindowHandle window;
        ~Closer() {
            if (sim::Machine::HasActive())
                Ui().Destroy(window);
        }
    } closer{browser.handle};

    if (request.callback)
        request.callback(browser.handle, kBffmInitialized, 0, request.data);
    sim::ShownBrowser shown{
        request.owner, request.title, request.flags, ui.Window(browser.handle).text, {}};
    ui.browsers.push_back(shown);
    if (ui.browserChoices.empty())
        throw sim::UserScriptError("the simulated user has no folder to choose in the browser");
    const sim::BrowserChoice choice = ui.browserChoices.front();
    ui.browserChoices.pop_front();
    for (const std::string& name : choice.invalidNames) {
        const int answer =
            request.callback
                ? request.callback(browser.handle, kBffmValidateFailedA,
                                   reinterpret_cast<std::intptr_t>(name.c_str()), request.data)
                : 0;
        ui.browsers.back().validateAnswers.push_back(answer);
        if (answer == 0)
            return 0; // the browser closes without a choice
    }
    if (!choice.folder)
        return 0;
    if (choice.makeFolder)
        machine.AddFolder(*choice.folder);
    const ItemList items = ui.nextHandle += 0x10;
    ui.itemLists[items] =
        choice.notFileSystem ? std::nullopt : std::optional<std::string>(*choice.folder);
    return items;
}

bool PathFromItemList(ItemList items, std::string* path) {
    auto& ui = Ui();
    auto it = ui.itemLists.find(items);
    if (it == ui.itemLists.end() || !it->second || it->second->size() >= kBrowsePathSize)
        return false;
    *path = *it->second;
    return true;
}

void FreeItemList(ItemList items) {
    Ui().itemLists.erase(items);
}

} // namespace platform
