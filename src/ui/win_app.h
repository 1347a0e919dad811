// The application object: the program's one CWinApp, its argument vector and main window.
#pragma once

#include "ui/wnd.h"

class CWinApp {
  public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // The program's work; its result is the program's result.
    virtual int InitInstance();

    // Takes the C runtime's argument vector and runs InitInstance.
    int Run(int argc, char** argv);

    int m_argc = 0;
    char** m_argv = nullptr;
    CWnd* m_pMainWnd = nullptr;
};

// The application object that exists now; null when there is none.
CWinApp* AfxGetApp();
