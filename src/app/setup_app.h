// The application: its start-up routine reads the command line, chooses the run (install,
// uninstall, or the temporary copy's self-removal), asks what must be asked, ends the running
// copies of the product and hands over.
#pragma once

#include "instances/instance_manager.h"
#include "ui/win_app.h"

class CSetupApp : public CWinApp {
  public:
    // instances is the program's one instance list member, built before the application.
    explicit CSetupApp(COXInstanceManager& instances) : instances_(instances) {}

    int InitInstance() override;

    // The process exit status once InitInstance has returned: 0 when the run went to its end,
    // 2 when the user declined or cancelled, 3 when the uninstaller could not hand over to
    // its temporary copy. (Damaged setup files end the program with 1, the temporary copy's
    // run with 0, before this is asked.)
    int ExitStatus() const { return exitStatus_; }

  private:
    void EndRunningCopies(int otherCopies);

    COXInstanceManager& instances_;
    int exitStatus_ = 0;
};
