// What other machines write into the system list file, shown in the window: the data
// folder is watched, and looked at every moment as well, since a shared folder may
// send no notice. The schedule takes the file's list in; this shows the font it
// brought and the Warning a damaged file left, and waits while a box or a menu of the
// window is open.
#pragma once

#include "../framework/FolderWatch.h"
#include "../framework/Timer.h"
#include "../listview/ItemListCtrl.h"
#include "SystemListSchedule.h"
#include "WindowMessages.h"

class CWnd;

class CSystemListFollower {
public:
    CSystemListFollower(CWnd& window, CSystemListSchedule& systemList, CItemListCtrl& list);

    // Watches the folder of the system list file, in place of the one before.
    void Watch();
    void Stop();
    LRESULT OnDataFolderChanged(WPARAM, LPARAM);
    bool IsLookTimer(UINT_PTR timer) const { return timer == m_lookTimer.Id(); }
    // Takes in what another machine wrote, unless a box or a menu of the window is
    // open: the command that opened it goes on with the rows it had, and a later look
    // comes after it has closed.
    void Look();
    // After the schedule has read or written the file: its font, and its Warning.
    void ShowWhatTheFileBrought();

private:
    CWnd& m_window;
    CSystemListSchedule& m_systemList;
    CItemListCtrl& m_list;
    CWindowTimer m_lookTimer{TimerLookAtFile};
    CFolderWatch m_folderWatch;
};
