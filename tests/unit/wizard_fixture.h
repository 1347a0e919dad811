// The wizard on a typical machine: a source folder with its manifest, files and agreement
// as the current folder, and a simulated user whose actions the test queues.
#pragma once

#include "engine_fixture.h"

#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/resources.h"
#include "platform/sim/ui_model.h"
#include "res/resource.h"
#include "wizard/setup_dlg.h"

class WizardTest : public EngineTest {
  protected:
    sim::UiModel& ui = sim::Ui();

    WizardTest() {
        for (const char* name : {"Pictrv6.exe", "PictrvUnInst.exe", "readme.txt"})
            machine.AddFile(Src(name), std::string("new ") + name);
        WriteManifest(
            {"File Copy: Pictrv6.exe", "File Copy: PictrvUnInst.exe", "File Copy: readme.txt"});
        machine.AddFile(Src("agreement.txt"), "The licence.\r\nSecond line.\r\n");
        machine.currentDirectory = kSource;
        theSetupState.newInstall = 1;
        theSetupState.productVersion = {0, 1, 7, 6};
    }

    // Runs the frame as the main flow does and returns what DoModal returned.
    std::intptr_t RunWizard() {
        CSetupDlg frame(nullptr);
        return frame.DoModal();
    }

    // Queues n presses of Next.
    void Next(int times = 1) {
        for (int i = 0; i < times; ++i)
            ui.Press(IDOK);
    }
    void Back() { ui.Press(IDC_BACK); }
    // Cancel, and the answer to the confirmation.
    void Cancel(int answer = platform::kIdYes) {
        ui.Then([this, answer] { machine.system.messageBoxAnswers.push_back(answer); });
        ui.Press(IDCANCEL);
    }

    // The template id of the page shown now; 0 for none.
    unsigned ShownPage() const {
        const auto page = ui.Page();
        return page == 0 ? 0 : ui.Window(page).templateId;
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : machine.system.messageBoxes)
            texts.push_back(box.text);
        return texts;
    }

    static std::string String(unsigned id);
};

inline std::string WizardTest::String(unsigned id) {
    return platform::LoadResourceString(id);
}
