#include "ShoppingApp.h"

#include "../mainwnd/RunningInstance.h"
#include "../mainwnd/ShoppingDlg.h"
#include "../mainwnd/SystemListSchedule.h"
#include "../mainwnd/Warnings.h"

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
    const CString systemList = CSystemListSchedule::SystemListPath();
    CRunningInstance instance(systemList);
    switch (instance.ClaimOrHandOver(listFile)) {
    case CRunningInstance::Claimed:
        break;
    case CRunningInstance::HandedOver:
        return FALSE;
    case CRunningInstance::NotAnswering:
        ShowWarning(nullptr, CString(L"Gromble is already running on the list\n") + systemList +
                                 L"\nbut does not answer. Nothing was opened; try again later.");
        return FALSE;
    }

    CShoppingDlg dialog;
    dialog.OpenOnStart(listFile);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

void CShoppingApp::ReportFailure(const CFailure& failure)
{
    const CString what = failure.outOfMemory ? CString(L"There is not enough memory.") : failure.what;
    ShowWarning(nullptr, CString(L"Gromble stopped:\n") + what);
}
