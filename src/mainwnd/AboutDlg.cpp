#include "AboutDlg.h"

#include "../res/resource.h"

CAboutDlg::CAboutDlg(CWnd* parent) : CHandheldDialog(IDD_ABOUTBOX, parent) {}
