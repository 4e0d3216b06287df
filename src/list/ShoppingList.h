// The shopping list: the item rows, the separator and Total rows that always end
// the list, and the running total of the item prices, which follows every change of
// a price, so that the Total row always shows the sum. It knows no window: whoever
// shows the rows, or follows one of them, is told of each change.
#pragma once

#include "ItemRow.h"
#include "ItemRows.h"
#include "RowsObserver.h"
#include "RunningTotal.h"
#include "UndoHistory.h"

#include <vector>

// The mark that Check, or a tap on the mark, gives a row with mark.
ItemMark CheckedMark(ItemMark mark);
// The mark that Special gives a row with mark.
ItemMark SpecialMark(ItemMark mark);

class CShoppingList {
public:
    CShoppingList();
    CShoppingList(const CShoppingList&) = delete;
    CShoppingList& operator=(const CShoppingList&) = delete;

    // Told of every change from now on, after those added before it.
    void AddObserver(CRowsObserver* observer);
    void RemoveObserver(CRowsObserver* observer);

    // The items and the two closing rows.
    int RowCount() const { return ItemCount() + ClosingRowCount; }
    int ItemCount() const { return m_items.Count(); }
    // Rows 0 to RowCount() - 3; the closing rows and -1 are not item rows.
    bool IsItemRow(int row) const { return row >= 0 && row < ItemCount(); }
    // A row that is not there has empty texts and MarkTick.
    ItemRow Row(int row) const;
    ItemMark Mark(int row) const;
    CString Text(int row, ItemColumn column) const;
    const CItemRows& Items() const { return m_items; }

    // A total of 0, no items, and the closing rows as they were first inserted; no
    // step before it can be undone.
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
    void ReplaceItems(CItemRows items);
    // The same where the old item rows stand among items: whereRowsWent holds, for
    // each, its index in items, or -1 when it is not there.
    void ReplaceItems(CItemRows items, const std::vector<int>& whereRowsWent);
    // Attach and the start: items come first, in their order, above the rows there.
    // The step keeps items, so that its undo takes them away without a copy.
    void InsertItemsAhead(CItemRows items);

    // Each change above is a step that Undo takes back whole and Redo does again; a
    // new change drops what could have been redone. Each returns the row the step
    // changed (where it was, for rows taken away), or -1 when there is none. Running
    // out of memory, a change or an undo throws and leaves the list as it was.
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
    int Undo();
    int Redo();
    // The list as it is now is where the history starts (the list read at the start).
    void ForgetHistory() { m_history.Clear(); }
    size_t HistoryBytes() const { return m_history.Bytes(); }

private:
    // Makes change as a step whose undo needs what step holds; change may fill it in.
    template <class Change>
    void AsStep(ListStep& step, Change change);
    ListStep StepOf(ListStep::Kind kind, int row) const;
    // Applies the step, forwards (redo) or backwards (undo); the step is left to
    // apply the other way. Returns the row to focus.
    int Apply(ListStep& step, bool forwards);
    int ApplyRowsAhead(ListStep& step, bool forwards);
    int ApplyRowRemoved(ListStep& step, bool forwards);
    int ApplyRowChanged(ListStep& step);
    int ApplyRowsReplaced(ListStep& step);
    void SetMark(int row, ItemMark mark);
    // The items and their total, the closing rows as first inserted; no one told yet.
    void TakeItems(CItemRows items);
    int MoveItem(int from, int to);
    int SeparatorRow() const { return ItemCount(); }
    int TotalRow() const { return ItemCount() + 1; }
    void TellInserted(int first, int count);
    void TellRemoved(int first, int count);
    void TellMoved(int from, int to);
    void TellChanged(int first, int count);
    void TellReplaced();
    void TellChanging();

    CItemRows m_items;
    ItemMark m_separatorMark = MarkBang;
    ItemMark m_totalMark = MarkBang;
    CRunningTotal m_total;
    std::vector<CRowsObserver*> m_observers;
    CUndoHistory m_history;
};
