#include "common/app_message_box.h"

#include "platform/message_box.h"
#include "platform/resources.h"
#include "platform/ui.h"

namespace {

constexpr unsigned kAppTitleString = 57344;

platform::WindowHandle owner = 0;

} // namespace

int AfxMessageBox(const std::string& text, unsigned type) {
    if ((type & platform::kMbIconMask) == 0) {
        const unsigned buttons = type & platform::kMbTypeMask;
        if (buttons == platform::kMbOk || buttons == platform::kMbOkCancel)
            type |= platform::kMbIconExclamation;
        else if (buttons == platform::kMbYesNo || buttons == platform::kMbYesNoCancel)
            type |= platform::kMbIconQuestion;
    }
    const std::string caption = platform::LoadResourceString(kAppTitleString);
    if (owner != 0)
        return platform::ShowOwnedMessageBox(owner, text, caption, type);
    return platform::ShowMessageBox(text, caption, type);
}

int AfxMessageBox(unsigned stringId, unsigned type) {
    return AfxMessageBox(platform::LoadResourceString(stringId), type);
}

void SetAppMessageBoxOwner(platform::WindowHandle window) {
    owner = window;
}

platform::WindowHandle AppMessageBoxOwner() {
    return owner;
}
