#include "common/app_message_box.h"

#include "platform/message_box.h"
#include "platform/resources.h"

namespace {

constexpr unsigned kAppTitleString = 57344;

} // namespace

int AfxMessageBox(const std::string& text, unsigned type) {
    if ((type & platform::kMbIconMask) == 0) {
        const unsigned buttons = type & platform::kMbTypeMask;
        if (buttons == platform::kMbOk || buttons == platform::kMbOkCancel)
            type |= platform::kMbIconExclamation;
        else if (buttons == platform::kMbYesNo || buttons == platform::kMbYesNoCancel)
            type |= platform::kMbIconQuestion;
    }
    return platform::ShowMessageBox(text, platform::LoadResourceString(kAppTitleString), type);
}
