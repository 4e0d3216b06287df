// The main window: the entry panel, the list and the bar along the bottom.
// Every command of the menus, the tool bar and the item menu is handled here;
// the message map in ShoppingDlg.cpp names each handler's file.
#pragma once

#include "../framework/AcceleratorTable.h"
#include "../framework/Edit.h"
#include "../framework/ImageList.h"
#include "../list/ShoppingList.h"
#include "../listview/ItemListCtrl.h"
#include "../shell/HandheldDialog.h"
#include "../shell/MenuBar.h"
#include "BackgroundSkin.h"
#include "IconButton.h"
#include "ListFileCommands.h"
#include "SystemListStore.h"

class CShoppingDlg : public CHandheldDialog {
public:
    explicit CShoppingDlg(CWnd* parent = nullptr);
    ~CShoppingDlg() override;

    // A list file to open once the window has started, after the system list
    // (HandedFiles.cpp).
    void OpenOnStart(const CString& listFile);

    // Stores the system list before the window goes, whichever way it is closed.
    BOOL DestroyWindow() override;
    // The window's keys, then the dialog's keyboard navigation (Keys.cpp).
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // Every command leaves the list whole when it runs out of memory; the user hears of it.
    void ReportOutOfMemory() override;
    DECLARE_MESSAGE_MAP()

private:
    // The window and its shell (ShoppingDlg.cpp)
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    LRESULT OnCtlColorStatic(WPARAM dc, LPARAM control);
    void OnExit();
    void OnAbout();
    void OnHelp();
    void OnToggleHeaders();
    void OnNew();
    bool AskToClearList();
    void OnChooseListFont();
    LRESULT OnStartNotice(WPARAM, LPARAM);
    LRESULT OnEndSession(WPARAM ending, LPARAM);
    LRESULT OnTimer(WPARAM timer, LPARAM);

    // The file commands (ShoppingDlg.cpp, carried out by ListFileCommands.cpp)
    void OnOpen();
    void OnAttach();
    void OnSave();
    void OnExportText();
    void OnExportHtml();

    // The entry panel (EntryPanel.cpp)
    void OnAddButton();
    void OnEdit();
    ItemRow ReadEntryFields() const;
    void ResetEntryFields();
    void SetEditMode(bool editMode);
    void EndEditWithoutItsRow();

    // The item menu's commands on the current row (RowCommands.cpp)
    void OnCheck();
    void OnSpecial();
    void OnDelete();
    void OnUp();
    void OnDown();
    void OnTop();
    void OnBottom();
    void MoveCurrentItem(int (CShoppingList::*move)(int));

    // The keys (Keys.cpp)
    void LoadKeys();
    void OnItemMenu();

    // List files handed to the window: at start, by a later start on the same
    // system list file, or dropped on it (HandedFiles.cpp)
    static constexpr UINT WM_OPEN_HANDED_FILE = WM_APP + 2;  // WM_APP + 1 is the system list's start notice
    void AcceptHandedFiles();
    void HandFile(const CString& listFile);
    LRESULT OnCopyData(WPARAM sender, LPARAM data);
    LRESULT OnDropFiles(WPARAM drop, LPARAM);
    LRESULT OnOpenHandedFile(WPARAM, LPARAM);
    LRESULT OnModalLoopEnded(WPARAM, LPARAM);

    // Before the list control, which follows its changes until it goes.
    CShoppingList m_rows;
    CIconButton m_btnAdd;
    CEdit m_editLocation;
    CEdit m_editPrice;
    CEdit m_editQt;
    CEdit m_editItem;
    CItemListCtrl m_list;
    HICON m_hIcon;  // shared with the system, which releases it
    CImageList m_marks;
    CMenuBar m_menuBar;
    CBackgroundSkin m_background;

    CListFileCommands m_files;
    // Every key of the window, for the list; and those that do not act on the
    // focused row, for the entry fields and the buttons.
    CAcceleratorTable m_listKeys;
    CAcceleratorTable m_windowKeys;
    CSystemListStore m_systemList;
    // The button applies the fields to the current row instead of adding them.
    bool m_editMode = false;
    // The list's column header is shown.
    bool m_headersShown = true;
    // A list file handed to the window and not opened yet.
    CString m_handedFile;
};
