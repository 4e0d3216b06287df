// The table in the middle of the main window; its rows are the shopping list.
#pragma once

#include "../framework/ListCtrl.h"
#include "../list/ItemRow.h"

// The list's background and the fill of every row that is not highlighted.
constexpr COLORREF ListBackColor = 0xFCE1AA;

class CItemListCtrl : public CListCtrl {
public:
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

protected:
    void PreSubclassWindow() override;
    int OnCreate(CREATESTRUCTW* create);
    DECLARE_MESSAGE_MAP()
};

// Holds back the list's redrawing while many rows change, and repaints it once
// at the end. Each row change of a redrawing list costs a round of scroll-bar
// updates; many thousands of them would take minutes.
class CBulkRowChange {
public:
    explicit CBulkRowChange(CListCtrl& list) : m_list(list) { m_list.SetRedraw(FALSE); }
    ~CBulkRowChange()
    {
        m_list.SetRedraw(TRUE);
        m_list.Invalidate();
    }
    CBulkRowChange(const CBulkRowChange&) = delete;
    CBulkRowChange& operator=(const CBulkRowChange&) = delete;

private:
    CListCtrl& m_list;
};
