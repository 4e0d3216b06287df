#include "HandedFiles.h"

#include "OpenBoxes.h"
#include "RunningInstance.h"
#include "Warnings.h"
#include "WindowMessages.h"

#include <shellapi.h>

#include <vector>

CHandedFiles::CHandedFiles(CWnd& window, const CShoppingList& list, CListFileCommands& files)
    : m_window(window), m_shoppingList(list), m_files(files)
{
}

void CHandedFiles::OpenOnStart(const CString& listFile)
{
    m_handedFile = listFile;
}

void CHandedFiles::Accept(const CString& systemListPath)
{
    CRunningInstance::MarkWindow(m_window.m_hWnd, systemListPath);
    ::DragAcceptFiles(m_window.m_hWnd, TRUE);
    if (!m_handedFile.IsEmpty())
        Hand(m_handedFile);
}

void CHandedFiles::Hand(const CString& listFile)
{
    m_handedFile = listFile;
    m_window.PostMessage(WM_OPEN_HANDED_FILE);
}

LRESULT CHandedFiles::OnCopyData(WPARAM, LPARAM data)
{
    CString listFile;
    if (!CRunningInstance::ReadHandOver(*reinterpret_cast<const COPYDATASTRUCT*>(data), listFile))
        return FALSE;
    if (m_window.IsIconic())
        m_window.ShowWindow(SW_RESTORE);
    m_window.SetForegroundWindow();
    if (!listFile.IsEmpty())
        Hand(listFile);
    return TRUE;
}

LRESULT CHandedFiles::OnDropFiles(WPARAM drop, LPARAM)
{
    auto files = reinterpret_cast<HDROP>(drop);
    const UINT length = ::DragQueryFileW(files, 0, nullptr, 0);
    std::vector<wchar_t> name(length + 1, L'\0');
    const bool named = length > 0 && ::DragQueryFileW(files, 0, name.data(), length + 1) == length;
    ::DragFinish(files);
    if (named)
        Hand(CString(name.data()));
    return 0;
}

LRESULT CHandedFiles::OnOpenHandedFile(WPARAM, LPARAM)
{
    if (m_handedFile.IsEmpty() || BoxOrMenuIsOpen(m_window.m_hWnd))
        return 0;
    const CString listFile = m_handedFile;
    m_handedFile.Empty();
    if (m_shoppingList.ItemCount() > 0 && !AskToClearList(m_window.m_hWnd))
        return 0;
    m_files.Open(listFile);
    return 0;
}

LRESULT CHandedFiles::OnModalLoopEnded(WPARAM, LPARAM)
{
    if (!m_handedFile.IsEmpty())
        m_window.PostMessage(WM_OPEN_HANDED_FILE);
    return 0;
}
