#include "install/shortcuts.h"

#include "common/ansi_text.h"
#include "common/app_message_box.h"
#include "common/setup_state.h"
#include "install/log_format.h"
#include "platform/message_box.h"

namespace {

bool comStarted = false;

} // namespace

platform::HResult CreateShortcut(const std::string& target, const std::string& linkPath,
                                 const std::optional<std::string>& workingDirectory) {
    if (!comStarted) {
        platform::InitializeCom();
        comStarted = true;
    }
    platform::ShellLink link;
    platform::HResult result = link.Create();
    if (!platform::Succeeded(result))
        return result;
    result = link.QueryPersistFile();
    if (!platform::Succeeded(result))
        return result;

    std::string path = target;
    if (!path.empty() && path[0] == '"')
        path.erase(0, 1);
    if (path.size() > kMaxShortcutTargetLength)
        return platform::kEInvalidArg;
    if (EndsWithChar(path, '"'))
        path.pop_back();

    if (!platform::Succeeded(link.SetPath(path)))
        AfxMessageBox("SetPath failed!", platform::kMbOk);
    if (!platform::Succeeded(link.SetDescription("")))
        AfxMessageBox("SetDescription failed!", platform::kMbOk);
    std::wstring widePath;
    if (!platform::AnsiToWide(linkPath, kShortcutPathUnits, &widePath))
        return platform::kEInvalidArg;
    if (workingDirectory)
        link.SetWorkingDirectory(*workingDirectory);
    result = link.Save(widePath, true);
    if (platform::Succeeded(result))
        AppendLogLine(theSetupState.installDir + "\\" + kInstallLogName,
                      kShellLinkPrefix + linkPath);
    return result;
}

void ForgetComStarted() {
    comStarted = false;
}
