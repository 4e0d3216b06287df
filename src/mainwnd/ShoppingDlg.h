// The main window: the entry panel, the list and the bar along the bottom. It lays
// them out, for any size and the DPI of its monitor, and wires them together; the
// message map in ShoppingDlg.cpp names the part that carries out each command and
// message.
#pragma once

#include "../framework/ImageList.h"
#include "../framework/Timer.h"
#include "../list/ShoppingList.h"
#include "../listview/ItemListCtrl.h"
#include "../shell/HandheldDialog.h"
#include "../shell/MenuBar.h"
#include "BackgroundSkin.h"
#include "EntryPanel.h"
#include "HandedFiles.h"
#include "Keys.h"
#include "ListFileCommands.h"
#include "RowCommands.h"
#include "SystemListFollower.h"
#include "SystemListSchedule.h"
#include "UndoCommands.h"
#include "WindowMessages.h"

class CShoppingDlg : public CHandheldDialog {
public:
    explicit CShoppingDlg(CWnd* parent = nullptr);
    ~CShoppingDlg() override;

    // A list file to open once the window has started, after the system list.
    void OpenOnStart(const CString& listFile) { m_handedFiles.OpenOnStart(listFile); }

    // Stores the system list before the window goes, whichever way it is closed.
    BOOL DestroyWindow() override;
    // The window's keys, then the dialog's keyboard navigation.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // Every command leaves the list whole when it fails; the user hears of it.
    void ReportFailure(const CFailure& failure) override;
    DECLARE_MESSAGE_MAP()

private:
    void RestoreSystemList();
    // Places the controls and the list's columns for the window's size and DPI.
    void LayOut();
    int LabelTextHeight() const;
    // Fonts, images and sizes drawn for m_dpi.
    void ApplyDpi();
    void LoadMarks();

    // The window and its shell
    void OnSize(UINT type, int cx, int cy);
    LRESULT OnGetMinMaxInfo(WPARAM, LPARAM limits);
    LRESULT OnDpiChanged(WPARAM dpi, LPARAM suggested);
    void OnPaint();
    LRESULT OnEraseBackground(WPARAM dc, LPARAM);
    LRESULT OnCtlColorStatic(WPARAM dc, LPARAM control);
    void OnExit();
    void OnAbout();
    void OnHelp();
    void OnToggleHeaders();
    void OnChooseListFont();
    void OnNew();
    // The entry panel, on the current row
    void OnAddButton();
    void OnEdit();
    // The system list file
    void OnDataFolder();
    LRESULT OnShowFileNotice(WPARAM, LPARAM);
    LRESULT OnTimer(WPARAM timer, LPARAM);
    LRESULT OnEndSession(WPARAM ending, LPARAM);

    // First: everything below follows its changes until it goes.
    CShoppingList m_shoppingList;
    CItemListCtrl m_list;
    CEntryPanel m_entry;
    HICON m_hIcon;  // shared with the system, which releases it
    CImageList m_marks;
    CMenuBar m_menuBar;
    CBackgroundSkin m_background;
    CWindowKeys m_keys;
    // The list's column header is shown.
    bool m_headersShown = true;
    // The DPI the window is drawn at, and the controls' font as the template made it
    // at the DPI it started at; at another DPI the controls get that font scaled.
    bool m_started = false;
    UINT m_dpi = 96;
    UINT m_startDpi = 96;
    LOGFONTW m_startFont = {};
    CFont m_controlsFont;

    CWindowTimer m_storeTimer{TimerStoreAfterChange};
    CSystemListSchedule m_systemList;
    CSystemListFollower m_follower;
    CListFileCommands m_files;
    CRowCommands m_rowCommands;
    CHandedFiles m_handedFiles;
    CUndoCommands m_undo;
};
