#include "Dialog.h"

#include <commctrl.h>

namespace {

// The dialog being created on this thread: it is bound to its window on the
// window's first message, which can come before WM_INITDIALOG (an owner-drawn
// list asks for WM_MEASUREITEM while it is being created).
thread_local CDialog* t_dialogBeingCreated = nullptr;

void InitCommonControlsOnce()
{
    static const bool initialised = [] {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                                                               ICC_STANDARD_CLASSES};
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)initialised;
}

// Messages whose result a dialog procedure returns directly instead of through
// DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

HWND CDialog::CreateFromTemplate(HWND owner)
{
    InitCommonControlsOnce();
    t_dialogBeingCreated = this;
    HWND hWnd = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId),
                                     owner, &CDialog::DialogProc, 0);
    if (t_dialogBeingCreated == this)
        t_dialogBeingCreated = nullptr;
    return hWnd;
}

bool CDialog::Create(UINT templateId, CWnd* parent)
{
    if (templateId != 0)
        m_templateId = templateId;
    if (parent != nullptr)
        m_pParentWnd = parent;
    return CreateFromTemplate(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr) != nullptr;
}

HWND CDialog::GetSafeOwner() const
{
    if (m_pParentWnd != nullptr)
        return ::GetAncestor(m_pParentWnd->m_hWnd, GA_ROOT);
    HWND active = ::GetActiveWindow();
    return active != nullptr ? ::GetAncestor(active, GA_ROOT) : nullptr;
}

INT_PTR CDialog::DoModal()
{
    HWND owner = GetSafeOwner();
    bool ownerEnabled = owner != nullptr && ::IsWindowEnabled(owner);
    m_result = -1;
    m_inModalLoop = true;
    if (CreateFromTemplate(owner) == nullptr) {
        m_inModalLoop = false;
        return -1;
    }
    if (ownerEnabled)
        ::EnableWindow(owner, FALSE);
    if (m_inModalLoop && !IsWindowVisible())
        ShowWindow(SW_SHOW);
    RunModalLoop();
    if (ownerEnabled) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    DestroyWindow();
    return m_result;
}

void CDialog::RunModalLoop()
{
    MSG msg;
    while (m_inModalLoop && m_hWnd != nullptr) {
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // A quit ends this loop and every loop around it.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    m_inModalLoop = false;
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    return ::IsDialogMessageW(m_hWnd, msg);
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_inModalLoop = false;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::DefWindowProc(UINT, WPARAM, LPARAM)
{
    m_defaultRequested = true;
    return 0;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandle(hWnd);
    if (wnd == nullptr) {
        CDialog* created = t_dialogBeingCreated;
        if (created == nullptr)
            return FALSE;
        t_dialogBeingCreated = nullptr;
        created->Attach(hWnd);
        wnd = created;
    }
    auto* dialog = static_cast<CDialog*>(wnd);
    INT_PTR handled = dialog->RouteDialogMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        dialog->Detach();
    return handled;
}

INT_PTR CDialog::RouteDialogMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    CurrentMessageScope scope(*this, message, wParam, lParam);
    bool savedDefault = m_defaultRequested;
    m_defaultRequested = false;
    LRESULT result = 0;
    bool handled = false;
    try {
        if (message == WM_INITDIALOG) {
            result = OnInitDialog();
            handled = true;
        } else {
            handled = OnWndMsg(message, wParam, lParam, &result);
        }
    } catch (...) {
        // Nothing may unwind through the dialog manager.
        OnStrayException(message);
        handled = false;
    }
    bool useDefault = !handled || m_defaultRequested;
    m_defaultRequested = savedDefault;
    if (useDefault)
        return FALSE;
    if (ReturnsResultDirectly(message))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd == nullptr)
        control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    if (dx->m_bSaveAndValidate)
        value = dx->m_pDlgWnd->GetDlgItemText(id);
    else
        dx->m_pDlgWnd->SetDlgItemText(id, value);
}
