#include "ShoppingApp.h"

#include "../framework/Prompts.h"
#include "../mainwnd/SystemListStore.h"
#include "../mainwnd/RunningInstance.h"
#include "../mainwnd/ShoppingDlg.h"

#include <shellapi.h>

CShoppingApp theApp;

namespace {

// The list file named first on the command line, as a full path: a later start on
// the same folder hands it to a window whose current folder may be another. Empty
// when none is named.
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
    const CString listFile = ListFileArgument();
    const CString systemList = CSystemListStore::SystemListPath();
    CRunningInstance instance(systemList);
    switch (instance.ClaimOrHandOver(listFile)) {
    case CRunningInstance::Claimed:
        break;
    case CRunningInstance::HandedOver:
        return FALSE;
    case CRunningInstance::NotAnswering:
        AfxPrompts().MessageBox(nullptr,
                                CString(L"Gromble is already running on the list\n") + systemList +
                                    CString(L"\nbut does not answer. Nothing was opened; try again later."),
                                L"Warning", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }

    CShoppingDlg dialog;
    dialog.OpenOnStart(listFile);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
