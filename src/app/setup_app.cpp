#include "app/setup_app.h"

#include <cstdio>

#include "app/command_line.h"
#include "app/main_flow.h"
#include "common/ansi_text.h"
#include "common/setup_state.h"
#include "instances/window_search.h"
#include "platform/codepage.h"
#include "platform/message_box.h"
#include "platform/process_control.h"
#include "platform/processes.h"
#include "platform/program_info.h"
#include "platform/resources.h"
#include "platform/top_windows.h"
#include "uninstall/self_removal.h"

namespace {

constexpr unsigned kOneCopyOpen = 1;
constexpr unsigned kCaption = 2;
constexpr unsigned kAborted = 3;
constexpr unsigned kCopiesOpen = 4;
constexpr unsigned kConfirmUninstall = 6;

constexpr unsigned kYesNoExclamationNoDefault = 0x134;
constexpr unsigned kYesNoExclamation = 0x34;
constexpr unsigned kOkInformation = 0x40;

constexpr std::uint32_t kCloseMessage = 0x0010; // WM_CLOSE
// The close request's wParam marks it as the setup's.
constexpr std::uintptr_t kCloseFromSetup = 1001;
constexpr std::uint32_t kCloseWait = 10;

// The caption buffer holds 128 characters with its terminating zero.
constexpr std::size_t kCaptionLength = 127;

constexpr int kStatusAbandoned = 2;
constexpr int kStatusNoHandOver = 3;

bool Silenced(const std::vector<std::string>& arguments, std::size_t from) {
    for (std::size_t i = from; i < arguments.size(); ++i) {
        if (SwitchEquals(arguments[i], "-s") || (from > 0 && SwitchEquals(arguments[i], "/s")))
            return true;
    }
    return false;
}

} // namespace

int CSetupApp::InitInstance() {
    SetProgramArguments(m_argc, m_argv);
    const std::vector<std::string>& arguments = ProgramArguments();

    theSetupState.silent = Silenced(arguments, 0) ? 1 : 0;
    if (arguments.size() >= 2 && arguments[0] == "-delself")
        RunSelfRemoval(arguments[1]);

    std::string caption = platform::LoadResourceString(kCaption);
    if (caption.size() > kCaptionLength)
        caption.resize(kCaptionLength);

    bool installMode = !arguments.empty() && SwitchEquals(arguments[0], "-install");
    if (!installMode) {
        const std::string program = platform::LowerCase(platform::ModuleFileName());
        installMode = FindText(program, "setup.exe") != std::string::npos;
    }

    if (!installMode && !theSetupState.silent &&
        platform::ShowMessageBox(platform::LoadResourceString(kConfirmUninstall), caption,
                                 kYesNoExclamationNoDefault) != platform::kIdYes) {
        exitStatus_ = kStatusAbandoned;
        return 0;
    }

    const int otherCopies = instances_.GetInstanceCount() - 1;
    if (otherCopies > 0) {
        if (installMode && !Silenced(arguments, 1)) {
            std::string question;
            if (otherCopies == 1) {
                question = platform::LoadResourceString(kOneCopyOpen);
            } else {
                char text[512];
                std::snprintf(text, sizeof text, platform::LoadResourceString(kCopiesOpen).c_str(),
                              otherCopies);
                question = text;
            }
            if (platform::ShowMessageBox(question, caption, kYesNoExclamation) !=
                platform::kIdYes) {
                platform::ShowMessageBox(platform::LoadResourceString(kAborted), caption,
                                         kOkInformation);
                exitStatus_ = kStatusAbandoned;
                return 1;
            }
        }
        EndRunningCopies(otherCopies);
    }

    if (installMode) {
        const int result = RunInstallMainFlow();
        exitStatus_ = result == 0 ? 0 : kStatusAbandoned;
        return result;
    }
    RelaunchFromTemp();
    exitStatus_ = kStatusNoHandOver; // the copy would have replaced this process
    return 0;
}

// Visits the first otherCopies entries of the list (fewer when it is shorter), passing over
// this process: asks each copy's main window to close, then ends the process.
void CSetupApp::EndRunningCopies(int otherCopies) {
    std::vector<std::uint32_t> processIds;
    if (!instances_.GetInstanceList(processIds))
        return;
    const std::uint32_t self = platform::CurrentProcessId();
    for (std::size_t i = 0; i < processIds.size() && i < static_cast<std::size_t>(otherCopies);
         ++i) {
        if (processIds[i] == self)
            continue;
        const platform::WindowHandle window = FindInstanceWindow(processIds[i]);
        if (window != 0)
            platform::PostWindowMessage(window, kCloseMessage, kCloseFromSetup, 0);
        platform::Wait(kCloseWait);
        platform::TerminateProcessById(processIds[i]);
    }
}
