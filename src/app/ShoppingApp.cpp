#include "ShoppingApp.h"

#include "../mainwnd/ShoppingDlg.h"

#include <shellapi.h>

CShoppingApp theApp;

namespace {

// The list file named first on the command line, as a full path; empty when none is
// named.
CString ListFileArgument()
{
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    CString listFile = arguments != nullptr && count > 1 ? AfxFullPath(arguments[1]) : CString();
    ::LocalFree(arguments);
    return listFile;
}

}  // namespace

BOOL CShoppingApp::InitInstance()
{
    CShoppingDlg dialog;
    dialog.OpenOnStart(ListFileArgument());
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
