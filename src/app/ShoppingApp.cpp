#include "ShoppingApp.h"

#include "../mainwnd/ShoppingDlg.h"

CShoppingApp theApp;

BOOL CShoppingApp::InitInstance()
{
    CShoppingDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
