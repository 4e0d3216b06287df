// List files handed to the main window: named on the command line, handed over by a
// later start on the same system list file, or dropped on the window. Each is read
// in place of the list, as Open reads a file; a list with items goes only after New's
// question.
#include "ShoppingDlg.h"

#include "RunningInstance.h"

#include <shellapi.h>

#include <vector>

namespace {

bool MenuIsOpen()
{
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof(thread);
    return ::GetGUIThreadInfo(::GetCurrentThreadId(), &thread) && (thread.flags & GUI_INMENUMODE) != 0;
}

}  // namespace

void CShoppingDlg::OpenOnStart(const CString& listFile)
{
    m_handedFile = listFile;
}

void CShoppingDlg::AcceptHandedFiles()
{
    CRunningInstance::MarkWindow(m_hWnd, m_systemList.Path());
    ::DragAcceptFiles(m_hWnd, TRUE);
    if (!m_handedFile.IsEmpty())
        HandFile(m_handedFile);
}

void CShoppingDlg::HandFile(const CString& listFile)
{
    // Opened from the window's own message loop, once the message that brought it
    // has been answered: a later start is not kept waiting on the question.
    m_handedFile = listFile;
    PostMessage(WM_OPEN_HANDED_FILE);
}

LRESULT CShoppingDlg::OnCopyData(WPARAM, LPARAM data)
{
    CString listFile;
    if (!CRunningInstance::ReadHandOver(*reinterpret_cast<const COPYDATASTRUCT*>(data), listFile))
        return FALSE;
    if (IsIconic())
        ShowWindow(SW_RESTORE);
    SetForegroundWindow();
    if (!listFile.IsEmpty())
        HandFile(listFile);
    return TRUE;
}

LRESULT CShoppingDlg::OnDropFiles(WPARAM drop, LPARAM)
{
    auto files = reinterpret_cast<HDROP>(drop);
    const UINT length = ::DragQueryFileW(files, 0, nullptr, 0);
    std::vector<wchar_t> name(length + 1, L'\0');
    const bool named = length > 0 && ::DragQueryFileW(files, 0, name.data(), length + 1) == length;
    ::DragFinish(files);
    if (named)
        HandFile(CString(name.data()));
    return 0;
}

LRESULT CShoppingDlg::OnOpenHandedFile(WPARAM, LPARAM)
{
    // Not while a question, a file dialog or a menu of the window is open: the
    // command that opened it goes on with the rows it had. The file waits until
    // that box or menu has closed.
    if (m_handedFile.IsEmpty() || !IsWindowEnabled() || MenuIsOpen())
        return 0;
    const CString listFile = m_handedFile;
    m_handedFile.Empty();
    if (m_rows.ItemCount() > 0 && !AskToClearList())
        return 0;
    m_files.Open(listFile);
    EndEditWithoutItsRow();
    return 0;
}

LRESULT CShoppingDlg::OnModalLoopEnded(WPARAM, LPARAM)
{
    Default();
    if (!m_handedFile.IsEmpty())
        PostMessage(WM_OPEN_HANDED_FILE);
    return 0;
}
