// The table in the middle of the main window; its rows are the shopping list.
#pragma once

#include "../framework/Gdi.h"
#include "../framework/ListCtrl.h"
#include "../framework/Menu.h"
#include "../list/ItemRow.h"

// The list's background and the fill of every row that is not highlighted.
constexpr COLORREF ListBackColor = 0xFCE1AA;

class CItemListCtrl : public CListCtrl {
public:
    CItemListCtrl() = default;
    ~CItemListCtrl() override;

    // Styles, the four columns and the background colour.
    void SetupList();

    // The row with the focused state, -1 when none has it.
    int SelectedRow() const { return GetNextItem(-1, LVNI_FOCUSED); }

    // Inserts a row in two steps, its name and mark first, then its other columns.
    void InsertRow(int index, const ItemRow& row);
    ItemRow GetRow(int index) const;
    // The row's mark, or fallback when the row cannot be read.
    int GetMark(int index, int fallback = 0) const;
    bool SetMark(int index, int mark);

    // Painting. The focused row alone is highlighted, whether or not the list has
    // the keyboard focus; texts are cut with "..." to fit their columns.
    void DrawItem(DRAWITEMSTRUCT* draw) override;
    // Draws text whole when it fits the rectangle's width, else the longest prefix
    // with "..." that is narrower than the width, else "..."; returns DrawText's result.
    static int DrawFittedText(CDC& dc, const CString& text, RECT* rect, UINT format);
    // Repaints the focused row and, without LVS_SHOWSELALWAYS, the selected ones.
    void RedrawFocusAndSelection();

    // Hides or shows the column header; rows, columns and widths stay.
    void ShowHeader(bool shown);

    // Loads the menu that a tap right of the mark strip pops up; its commands go to
    // owner. 0 on success, 2 when the menu cannot be loaded; an id of 0 only drops
    // the menu held before.
    int SetItemMenu(UINT menuId, HWND owner, bool redraw);

    // Row moves of the item menu's commands. The moved row becomes the focused one.
    void FocusRow(int row);
    bool MoveRow(int from, int to);
    bool MoveRowUp(int row);
    bool MoveRowDown(int row);
    bool MoveRowToTop(int row);
    bool MoveRowToBottom(int row);

    // Holds back redrawing while many rows change; when the last hold is released
    // the list redraws once. Holds nest, so a change inside another one does not
    // start redrawing in the middle of the outer one.
    void HoldRedraw();
    void ReleaseRedraw();

protected:
    void PreSubclassWindow() override;
    void OnSetFocus(CWnd* oldFocus);
    void OnKillFocus(CWnd* newFocus);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnReflectedNotify(NMHDR* header, LRESULT* result);
    int OnCreate(CREATESTRUCTW* create);
    DECLARE_MESSAGE_MAP()

private:
    void RedrawUnlessChild(CWnd* other);
    void InvalidateRowFromLabel(int row);
    void FlipMark(int row);

    CMenu m_hItemMenu;              // owned; holds no menu until SetItemMenu loads one
    HWND m_hMenuOwner = nullptr;    // receives the item menu's commands; not owned
    int m_redrawHolds = 0;
};
