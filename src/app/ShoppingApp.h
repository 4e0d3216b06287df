// The application: runs the main window as a modal dialog and ends with it.
#pragma once

#include "../framework/WinApp.h"

class CShoppingApp : public CWinApp {
public:
    BOOL InitInstance() override;
    // Start-up failed outside the window: the user hears why Gromble ends.
    void ReportFailure(const CFailure& failure) override;
};
