// CWinApp: the one application object; the entry point runs its InitInstance.
#pragma once

#include "Wnd.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returns false to end the program at once instead of running a message loop.
    virtual BOOL InitInstance() { return TRUE; }
    virtual int Run();
    virtual int ExitInstance() { return 0; }
    // Start-up or the message loop threw outside any window, and the program ends
    // with exit code 1: the user hears why. The application overrides it with its
    // own words; by default the platform's error box shows what the exception said.
    virtual void ReportFailure(const CFailure& failure);

    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// The module that holds a resource: the program's own.
HINSTANCE AfxFindResourceHandle(const wchar_t* name, const wchar_t* type);
int AfxWinMain();
// The full path of a file name, made with the current folder; the name itself when
// it cannot be made.
CString AfxFullPath(const wchar_t* name);
