#include "uninstall/self_removal.h"

#include <vector>

#include "common/app_message_box.h"
#include "common/folder_names.h"
#include "common/setup_state.h"
#include "install/install_file.h"
#include "platform/file_ops.h"
#include "platform/message_box.h"
#include "platform/process_control.h"
#include "platform/program_info.h"
#include "platform/resources.h"
#include "platform/temp_folder.h"
#include "uninstall/uninstall_driver.h"

namespace {

// Paths pass through buffers of 260 bytes: 259 characters, quotes included.
constexpr std::size_t kMaxPathLength = 259;
constexpr unsigned kUninstalledMessage = 20;
// The starting uninstaller must have ended before its file is touched.
constexpr std::uint32_t kHandOverWait = 1000;

// The path in double quotes when it holds a blank or a tab; false when that does not fit.
bool QuoteIfNeeded(const std::string& path, std::string* quoted) {
    *quoted = path.find_first_of(" \t") == std::string::npos ? path : "\"" + path + "\"";
    return !path.empty() && quoted->size() <= kMaxPathLength;
}

} // namespace

int RelaunchFromTemp() {
    const std::string tempFile = platform::CreateTempFile(platform::TempFolder(), "uni");
    const std::string ownPath = platform::ModuleFileName();
    std::string program;
    std::string uninstaller;
    // A copy that cannot be made would leave nothing sound to start.
    if (tempFile.empty() || ownPath.empty() || !platform::CopyFileTo(ownPath, tempFile) ||
        !QuoteIfNeeded(tempFile, &program) || !QuoteIfNeeded(ownPath, &uninstaller))
        return -1;
    std::vector<std::string> arguments = {program, "-delself", uninstaller};
    if (theSetupState.silent)
        arguments.push_back("-s");
    return platform::ExecOverlay(tempFile, arguments);
}

void RunSelfRemoval(const std::string& uninstallerPath) {
    platform::Wait(kHandOverWait);
    DeleteFileAtRestart(platform::ModuleFileName());
    const std::string folder = DriveAndFolder(uninstallerPath);
    platform::RemoveFile(uninstallerPath);
    PerformUninstall(folder);
    if (!theSetupState.silent)
        AfxMessageBox(platform::LoadResourceString(kUninstalledMessage), platform::kMbOk);
    platform::ExitProgram(0);
}
