// The About box: the program's name, version and icon; OK closes it.
#pragma once

#include "../framework/Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
