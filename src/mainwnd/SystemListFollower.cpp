#include "SystemListFollower.h"

#include "../framework/Wnd.h"
#include "OpenBoxes.h"

namespace {

constexpr UINT kLookEvery = 1500;

}  // namespace

CSystemListFollower::CSystemListFollower(CWnd& window, CSystemListSchedule& systemList, CItemListCtrl& list)
    : m_window(window), m_systemList(systemList), m_list(list)
{
}

void CSystemListFollower::Watch()
{
    m_folderWatch.Start(m_systemList.Folder().str(), m_window.m_hWnd, WM_DATA_FOLDER_CHANGED);
    m_lookTimer.SetWindow(m_window.m_hWnd);
    m_lookTimer.Start(kLookEvery);
}

void CSystemListFollower::Stop()
{
    m_folderWatch.Stop();
    m_lookTimer.Stop();
}

LRESULT CSystemListFollower::OnDataFolderChanged(WPARAM, LPARAM)
{
    Look();
    return 0;
}

void CSystemListFollower::Look()
{
    if (BoxOrMenuIsOpen(m_window.m_hWnd))
        return;
    m_systemList.LookAtFile();
    ShowWhatTheFileBrought();
}

void CSystemListFollower::ShowWhatTheFileBrought()
{
    if (!(m_systemList.Font() == m_list.GetListFontSettings())) {
        m_list.SetListFont(m_systemList.Font());
        m_list.Invalidate();
    }
    if (m_systemList.HasFileNotice())
        m_window.PostMessage(WM_SHOW_FILE_NOTICE);
}
