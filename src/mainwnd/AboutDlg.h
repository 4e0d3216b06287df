// The About box: the program's name, version and icon; OK closes it.
#pragma once

#include "../shell/HandheldDialog.h"

class CAboutDlg : public CHandheldDialog {
public:
    explicit CAboutDlg(CWnd* parent = nullptr);
};
