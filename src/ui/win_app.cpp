#include "ui/win_app.h"

namespace {

CWinApp* theApp = nullptr;

} // namespace

CWinApp::CWinApp() {
    theApp = this;
}

CWinApp::~CWinApp() {
    if (theApp == this)
        theApp = nullptr;
}

int CWinApp::InitInstance() {
    return 0;
}

int CWinApp::Run(int argc, char** argv) {
    m_argc = argc;
    m_argv = argv;
    return InitInstance();
}

CWinApp* AfxGetApp() {
    return theApp;
}
