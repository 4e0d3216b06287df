// The table in the middle of the main window. It shows the shopping list's rows,
// draws them in the list font, which it owns, and turns taps into marks and the
// item menu.
#pragma once

#include "../font/ListFont.h"
#include "../framework/Gdi.h"
#include "../framework/ListCtrl.h"
#include "../framework/Menu.h"
#include "../list/ItemRow.h"
#include "../list/RowsObserver.h"

#include <array>
#include <vector>

// The list's background, the fill of every row that is not highlighted and what
// every row's mark stands on.
constexpr COLORREF ListBackColor = 0xFCE1AA;

class CShoppingList;

// The rows are the shopping list's: the control holds only their number (it is a
// list of LVS_OWNERDATA) and asks the list for what it paints and for what another
// program reads from it. The focused row is the control's own.
class CItemListCtrl : public CListCtrl, private CRowsObserver {
public:
    CItemListCtrl() = default;
    ~CItemListCtrl() override;

    // Shows rows, and follows each of their changes from now on.
    void ShowRows(CShoppingList& rows);

    // The current row of every row command: the row with the focused state, -1 when
    // none has it. (The name is the handheld's; the row with the selected state is
    // m_selection.)
    int SelectedRow() const { return GetNextItem(-1, LVNI_FOCUSED); }
    // Gives a row the focused state, as a tap does; a moved row receives it.
    void FocusRow(int row);

    // Draws the rows, their marks and the strip that takes taps for dpi; the marks'
    // images are the caller's (SetImageList).
    void SetDpi(UINT dpi);
    // Makes the font the rows are drawn in, at the list's DPI; when none can be made
    // the rows keep theirs.
    bool SetListFont(const ListFontSettings& settings);
    // The settings of the font the rows are drawn in.
    const ListFontSettings& GetListFontSettings() const { return m_listFont.Settings(); }

    // Painting. The focused row alone is highlighted, whether or not the list has
    // the keyboard focus; texts are cut with "..." to fit their columns.
    void DrawItem(DRAWITEMSTRUCT* draw) override;
    // Draws text whole when it fits the rectangle's width, else the longest prefix
    // with "..." that is narrower than the width, else "..."; returns DrawText's result.
    static int DrawFittedText(CDC& dc, const CString& text, RECT* rect, UINT format);

    // Hides or shows the column header; rows, columns and widths stay.
    void ShowHeader(bool shown);

    // The columns' widths for a list extraWidth pixels wider than the handheld's: the
    // Item and Location columns share the extra width, unless the user has set their
    // width by dragging a divider, which then stays.
    void LayOutColumns(int extraWidth);
    // The widths the user has set, a column each, in pixels at 96 DPI (not rounded,
    // so that they come back to the pixel); 0 for a column the user has not set.
    std::vector<double> UserColumnWidths() const;
    void SetUserColumnWidths(const std::vector<double>& widths);

    // Loads the menu that a tap right of the mark strip pops up; its commands go to
    // owner. 0 on success, 2 when the menu cannot be loaded; an id of 0 only drops
    // the menu held before.
    int SetItemMenu(UINT menuId, HWND owner, bool redraw);
    // The item menu holds this command.
    bool HasMenuCommand(UINT command) const;
    // Pops up the item menu below the focused row, scrolled into view, as the menu
    // key does; with no focused row at the list's top-left corner.
    void ShowItemMenuAtFocusedRow();

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
    void OnRButtonDown(UINT flags, CPoint point);
    void OnKeyDown(UINT key, UINT repeatCount, UINT flags);
    void OnItemChanged(NMHDR* header, LRESULT* result);
    // A divider of the header dragged or double-clicked: the column keeps that width.
    void OnColumnWidthSet(NMHDR* header, LRESULT* result);
    // The row a navigation key moves the focus to, or -1 for any other key.
    int NavigationTarget(UINT key) const;
    // Moves the focus and the selection to row, one row's state at a time: the
    // platform's own way clears every row of a virtual list, one by one.
    void MoveFocusTo(int row, bool scrollIntoView);
    // The row under a point of the client area, -1 when none is.
    int RowAt(CPoint point) const;
    void TakeTap(CPoint point);
    // Pops up the item menu with its top-left corner at a screen point; returns when
    // it closes, and the chosen command goes to the menu's owner.
    void ShowItemMenu(int x, int y);
    void OnReflectedNotify(NMHDR* header, LRESULT* result);
    void OnGetDispInfo(NMHDR* header, LRESULT* result);

    // The rows' changes. The focus and the selection follow the rows they were on,
    // as they do in a list that holds its rows: a removed row's selection goes, and
    // its focus stays at its place.
    void OnRowsInserted(int first, int count) override;
    void OnRowsRemoved(int first, int count) override;
    void OnRowMoved(int from, int to) override;
    void OnRowsChanged(int first, int count) override;
    void OnRowsReplaced() override;
    // The focus, the selection and the top row shown stay with their rows.
    void OnRowsRemapped(const std::vector<int>& whereRowsWent) override;
    // The count of the rows, with the focus and the selection put on these rows and
    // every row from firstMoved on drawn again.
    void SetRowCount(int focused, int selected, int firstMoved);
    // Every visible row from row on, which moved or changed.
    void InvalidateFrom(int row);
    void InvalidateRows(int first, int count);

    void SetupList();
    void RedrawFocusAndSelection();
    void RedrawUnlessChild(CWnd* other);
    void InvalidateRowFromLabel(int row);
    void FlipMark(int row);

    CShoppingList* m_shoppingList = nullptr;  // not owned
    UINT m_dpi = 96;
    CListFont m_listFont;
    int m_extraWidth = 0;
    std::array<double, ItemColumnCount> m_userWidths = {};  // at 96 DPI; 0 where unset
    CMenu m_itemMenu;               // holds no menu until SetItemMenu loads one
    HWND m_hMenuOwner = nullptr;    // receives the item menu's commands; not owned
    int m_redrawHolds = 0;
    // The row with the selected state, kept from the control's own notices: the
    // platform finds it only by asking every row of a virtual list in turn.
    int m_selection = -1;
};
