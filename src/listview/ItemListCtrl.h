// The table in the middle of the main window. It holds and shows the shopping
// list's rows, draws them in the list font and turns taps into marks and the
// item menu.
#pragma once

#include "../font/ListFont.h"
#include "../framework/Gdi.h"
#include "../framework/ListCtrl.h"
#include "../framework/Menu.h"
#include "../list/RowStore.h"

// The list's background and the fill of every row that is not highlighted.
constexpr COLORREF ListBackColor = 0xFCE1AA;

class CItemListCtrl : public CListCtrl, public CRowStore {
public:
    CItemListCtrl() = default;
    ~CItemListCtrl() override;

    // The row with the focused state, -1 when none has it.
    int SelectedRow() const { return GetNextItem(-1, LVNI_FOCUSED); }
    // Gives a row the focused state, as a tap does; a moved row receives it.
    void FocusRow(int row);

    // The rows
    int GetRowCount() const override { return GetItemCount(); }
    ItemRow GetRow(int index) const override;
    bool InsertRow(int index, const ItemRow& row) override;
    void DeleteRow(int index) override { DeleteItem(index); }
    void SetRowText(int index, ItemColumn column, const CString& text) override;
    int GetRowMark(int index, int fallback) const override;
    void SetRowMark(int index, int mark) override;

    // Makes the font the rows are drawn in; when none can be made the rows keep theirs.
    void SetListFont(const ListFontSettings& settings);
    ListFontSettings GetListFontSettings() const { return m_listFont.Settings(); }

    // Painting. The focused row alone is highlighted, whether or not the list has
    // the keyboard focus; texts are cut with "..." to fit their columns.
    void DrawItem(DRAWITEMSTRUCT* draw) override;
    // Draws text whole when it fits the rectangle's width, else the longest prefix
    // with "..." that is narrower than the width, else "..."; returns DrawText's result.
    static int DrawFittedText(CDC& dc, const CString& text, RECT* rect, UINT format);

    // Hides or shows the column header; rows, columns and widths stay.
    void ShowHeader(bool shown);

    // Loads the menu that a tap right of the mark strip pops up; its commands go to
    // owner. 0 on success, 2 when the menu cannot be loaded; an id of 0 only drops
    // the menu held before.
    int SetItemMenu(UINT menuId, HWND owner, bool redraw);

    // Holds back redrawing while many rows change; when the last hold is released
    // the list redraws once. Holds nest, so a change inside another one does not
    // start redrawing in the middle of the outer one.
    void HoldRedraw();
    void ReleaseRedraw();

protected:
    void PreSubclassWindow() override;
    DECLARE_MESSAGE_MAP()

private:
    void OnSetFocus(CWnd* oldFocus);
    void OnKillFocus(CWnd* newFocus);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnReflectedNotify(NMHDR* header, LRESULT* result);
    void SetupList();
    void RedrawFocusAndSelection();
    void RedrawUnlessChild(CWnd* other);
    void InvalidateRowFromLabel(int row);
    void FlipMark(int row);

    CListFont m_listFont;
    CMenu m_hItemMenu;              // owned; holds no menu until SetItemMenu loads one
    HWND m_hMenuOwner = nullptr;    // receives the item menu's commands; not owned
    int m_redrawHolds = 0;
};
