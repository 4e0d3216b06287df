// The main window: the entry panel, the list and the bar along the bottom.
#pragma once

#include "../framework/Button.h"
#include "../framework/Dialog.h"
#include "../framework/Edit.h"
#include "../framework/Gdi.h"
#include "../framework/ImageList.h"
#include "../list/RunningTotal.h"
#include "../listview/ItemListCtrl.h"
#include "../shell/MenuBar.h"
#include "IconButton.h"

#include <cstdio>
#include <functional>

class CShoppingDlg : public CDialog {
public:
    explicit CShoppingDlg(CWnd* parent = nullptr);
    ~CShoppingDlg() override;

    BOOL DestroyWindow() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    // Layout and the shell's commands (ShoppingDlg.cpp)
    void OnSize(UINT type, int cx, int cy);
    void OnExit();
    void OnAbout();
    void OnHelp();
    void OnToggleHeaders();
    void OnListClick(NMHDR* header, LRESULT* result);
    void OnListRightClick(NMHDR* header, LRESULT* result);
    void OnListDoubleClick(NMHDR* header, LRESULT* result);

    // The entry panel (EntryPanel.cpp)
    void OnAddButton();
    void OnEdit();

    // The painted background (Background.cpp)
    void InitBackground();
    void ReleaseBackground();
    void OnPaint();
    LRESULT OnCtlColorStatic(WPARAM dc, LPARAM control);

    // The rows, the closing rows and the running total (list/ShoppingList.cpp)
    void AddPrice(const CString& price);
    void SubtractPrice(const CString& price);
    void InsertClosingRows();
    void ResetClosingRows();
    // The first two steps of ResetClosingRows: a total of 0 and no rows at all.
    void RemoveAllRows();
    void OnNew();

    // The commands of the item menu (list/RowCommands.cpp)
    void OnCheck();
    void OnSpecial();
    void OnDelete();
    void OnUp();
    void OnDown();
    void OnTop();
    void OnBottom();

    // List files, the system list file and the exports (files/FileCommands.cpp)
    void OnOpen();
    void OnAttach();
    void OnSave();
    void OnExportText();
    void OnExportHtml();
    void StoreSystemList();
    // settings: the ListFontSettings with their start-up values, updated from the file.
    void RestoreSystemList(LOGFONTW& settings);
    // Inserts an item read from a file at index and counts its price.
    void InsertFileRow(int index, const ItemRow& row);
    // Asks for a list file and hands it, once it is open, to read with the list's
    // redraw held; a file that cannot be read changes nothing and is reported.
    void ReadChosenListFile(const std::function<void(std::FILE*)>& read);
    // The system list file's full path, fixed when it is restored.
    CString m_systemListPath;

    // The list font (font/ChooseListFont.cpp)
    void OnChooseListFont();

    DECLARE_MESSAGE_MAP()

    CIconButton m_btnAdd;
    CEdit m_editLocation;
    CEdit m_editPrice;
    CEdit m_editQt;
    CEdit m_editItem;
    CItemListCtrl m_list;
    HICON m_hIcon;
    CImageList m_marks;
    CMenuBar m_menuBar;
    CBitmap m_hbmBackground;
    CBrush m_hbrList;
    CBrush m_hbrItemLabel;
    CBrush m_hbrLocationLabel;
    CBrush m_hbrPriceLabel;

    CRunningTotal m_runningTotal;
    // The button applies the fields to the current row instead of adding them.
    bool m_editMode = false;
    // The list's column header is shown.
    bool m_headersShown = true;

    bool IsItemRow(int row) const;

private:
    void WriteTotalRow(const CString& totalText);
    ItemRow ReadEntryFields() const;
    void ResetEntryFields();
    void AddItem(const ItemRow& item);
    void ApplyToRow(int row, const ItemRow& item);
    void SetEditMode(bool editMode);
    void MoveCurrentItem(bool (CItemListCtrl::*move)(int));
};
