// The shopping list's rules: the item rows, the separator and Total rows that
// always end the list, and the running total of the item prices. Every change
// of an item's price goes through AddPrice or SubtractPrice, which keep the
// Total row showing the sum.
#pragma once

#include "ItemRow.h"
#include "RowStore.h"
#include "RunningTotal.h"

#include <vector>

// The mark that Check, or a tap on the mark, gives a row with mark.
int CheckedMark(int mark);
// The mark that Special gives a row with mark.
int SpecialMark(int mark);

class CShoppingList {
public:
    explicit CShoppingList(CRowStore& rows) : m_rows(rows) {}
    CShoppingList(const CShoppingList&) = delete;
    CShoppingList& operator=(const CShoppingList&) = delete;

    int RowCount() const { return m_rows.GetRowCount(); }
    // Rows 0 to RowCount() - 3; the closing rows and -1 are not item rows.
    bool IsItemRow(int row) const;
    ItemRow Row(int row) const { return m_rows.GetRow(row); }
    // MarkTick for a row that is not there.
    int Mark(int row) const { return m_rows.GetRowMark(row, MarkTick); }
    std::vector<ItemRow> Items() const;

    // The closing rows, inserted once into the empty list.
    void InsertClosingRows();
    // A total of 0, no rows at all, then the closing rows again.
    void ResetClosingRows();
    void AddPrice(const CString& price);
    void SubtractPrice(const CString& price);

    // A new item goes to the top.
    void AddItem(const ItemRow& item);
    // The texts of item, not its mark, replace those of an item row.
    void ApplyToItem(int row, const ItemRow& item);
    // Delete refuses the closing rows and flagged items; a row that is not
    // there (-1) passes, and its removal changes nothing.
    bool MayDelete(int row) const;
    void RemoveItem(int row);
    // A cross becomes a tick, any other mark a cross; on any row.
    void ToggleCheck(int row);
    // The first flag becomes the second, any other mark the first flag.
    void ToggleSpecial(int row);

    // Moves of an item row; each returns the row's new index, or -1 when the
    // row may not move so. The closing rows stay at the end.
    int MoveUp(int row);
    int MoveDown(int row);
    int MoveToTop(int row);
    int MoveToBottom(int row);

    // New: every item goes, the closing rows stay, the total is 0.
    void ClearItems();
    // Open: the list holds items instead of its own.
    void ReplaceItems(const std::vector<ItemRow>& items);
    // Attach and the start: items come first, in their order, above the rows there.
    void InsertItemsAhead(const std::vector<ItemRow>& items);

private:
    void WriteTotalRow();
    int MoveRow(int from, int to);

    CRowStore& m_rows;
    CRunningTotal m_total;
};
