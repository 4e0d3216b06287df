#include "ShoppingList.h"

#include <algorithm>
#include <string>
#include <utility>

namespace {

const ItemRow kSeparatorRow = {MarkBang, L"----", L"---", L"---", L"---"};

}  // namespace

ItemMark CheckedMark(ItemMark mark)
{
    return mark == MarkCross ? MarkTick : MarkCross;
}

ItemMark SpecialMark(ItemMark mark)
{
    return mark == MarkBang ? MarkQuestion : MarkBang;
}

CShoppingList::CShoppingList() = default;

ItemRow CShoppingList::Row(int row) const
{
    if (IsItemRow(row))
        return m_items.Get(row);
    if (row == SeparatorRow()) {
        ItemRow separator = kSeparatorRow;
        separator.mark = m_separatorMark;
        return separator;
    }
    if (row == TotalRow())
        return {m_totalMark, L"Total:", L"", L"", m_total.Text()};
    return {MarkTick, L"", L"", L"", L""};
}

ItemMark CShoppingList::Mark(int row) const
{
    if (IsItemRow(row))
        return m_items.Mark(row);
    if (row == SeparatorRow())
        return m_separatorMark;
    if (row == TotalRow())
        return m_totalMark;
    return MarkTick;
}

CString CShoppingList::Text(int row, ItemColumn column) const
{
    if (IsItemRow(row))
        return m_items.Text(row, column);
    if (row == TotalRow() && column == ColumnPrice)
        return m_total.Text();
    return Row(row).Text(column);
}

void CShoppingList::AddObserver(CRowsObserver* observer)
{
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void CShoppingList::RemoveObserver(CRowsObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void CShoppingList::TellInserted(int first, int count)
{
    if (count <= 0)
        return;
    for (CRowsObserver* observer : m_observers)
        observer->OnRowsInserted(first, count);
}

void CShoppingList::TellRemoved(int first, int count)
{
    if (count <= 0)
        return;
    for (CRowsObserver* observer : m_observers)
        observer->OnRowsRemoved(first, count);
}

void CShoppingList::TellMoved(int from, int to)
{
    for (CRowsObserver* observer : m_observers)
        observer->OnRowMoved(from, to);
}

void CShoppingList::TellChanged(int first, int count)
{
    if (count <= 0)
        return;
    for (CRowsObserver* observer : m_observers)
        observer->OnRowsChanged(first, count);
}

void CShoppingList::TellChanging()
{
    for (CRowsObserver* observer : m_observers)
        observer->OnRowsChanging();
}

void CShoppingList::TellReplaced()
{
    for (CRowsObserver* observer : m_observers)
        observer->OnRowsReplaced();
}

void CShoppingList::AddPrice(const CString& price)
{
    m_total.Add(price.str());
    TellChanged(TotalRow(), 1);
}

void CShoppingList::SubtractPrice(const CString& price)
{
    m_total.Subtract(price.str());
    TellChanged(TotalRow(), 1);
}

void CShoppingList::ResetClosingRows()
{
    TellChanging();
    m_total.Reset();
    m_items.Clear();
    m_separatorMark = MarkBang;
    m_totalMark = MarkBang;
    // The steps before would no longer fit the rows.
    m_history.Clear();
    TellReplaced();
}

template <class Change>
void CShoppingList::AsStep(ListStep& step, Change change)
{
    TellChanging();
    m_history.Prepare();
    try {
        change();
    } catch (...) {
        m_history.Cancel();
        throw;
    }
    m_history.Commit(std::move(step));
}

ListStep CShoppingList::StepOf(ListStep::Kind kind, int row) const
{
    ListStep step;
    step.kind = kind;
    step.row = row;
    step.total = m_total;
    step.separatorMark = m_separatorMark;
    step.totalMark = m_totalMark;
    return step;
}

void CShoppingList::AddItem(const ItemRow& item)
{
    ListStep step = StepOf(ListStep::Kind::RowsAhead, 1);
    step.rows.Append(item);
    AsStep(step, [&] { m_items.Insert(0, item); });
    TellInserted(0, 1);
    AddPrice(item.price);
}

void CShoppingList::ApplyToItem(int row, const ItemRow& item)
{
    if (!IsItemRow(row))
        return;
    const std::wstring oldPrice(m_items.TextView(row, ColumnPrice));
    ListStep step = StepOf(ListStep::Kind::RowChanged, row);
    step.rows.Append(m_items.Get(row));
    AsStep(step, [&] { m_items.SetTexts(row, item); });
    m_total.Subtract(oldPrice);
    TellChanged(row, 1);
    AddPrice(item.price);
}

bool CShoppingList::MayDelete(int row) const
{
    return row < RowCount() - ClosingRowCount && Mark(row) < MarkBang;
}

void CShoppingList::RemoveItem(int row)
{
    if (!IsItemRow(row))
        return;
    ListStep step = StepOf(ListStep::Kind::RowRemoved, row);
    step.rows.Append(m_items.Get(row));
    AsStep(step, [&] {
        m_total.Subtract(m_items.TextView(row, ColumnPrice));
        m_items.Erase(row);
    });
    TellRemoved(row, 1);
    TellChanged(TotalRow(), 1);
}

void CShoppingList::SetMark(int row, ItemMark mark)
{
    if (row < 0 || row >= RowCount())
        return;
    ListStep step = StepOf(ListStep::Kind::RowChanged, row);
    if (IsItemRow(row))
        step.rows.Append(m_items.Get(row));
    AsStep(step, [&] {
        if (IsItemRow(row))
            m_items.SetMark(row, mark);
        else if (row == SeparatorRow())
            m_separatorMark = mark;
        else
            m_totalMark = mark;
    });
    TellChanged(row, 1);
}

void CShoppingList::ToggleCheck(int row)
{
    SetMark(row, CheckedMark(Mark(row)));
}

void CShoppingList::ToggleSpecial(int row)
{
    SetMark(row, SpecialMark(Mark(row)));
}

int CShoppingList::MoveItem(int from, int to)
{
    ListStep step = StepOf(ListStep::Kind::RowMoved, from);
    step.to = to;
    AsStep(step, [&] { m_items.Move(from, to); });
    TellMoved(from, to);
    return to;
}

int CShoppingList::MoveUp(int row)
{
    return IsItemRow(row) && row >= 1 ? MoveItem(row, row - 1) : -1;
}

int CShoppingList::MoveDown(int row)
{
    return IsItemRow(row) && IsItemRow(row + 1) ? MoveItem(row, row + 1) : -1;
}

int CShoppingList::MoveToTop(int row)
{
    return IsItemRow(row) ? MoveItem(row, 0) : -1;
}

int CShoppingList::MoveToBottom(int row)
{
    return IsItemRow(row) ? MoveItem(row, ItemCount() - 1) : -1;
}

void CShoppingList::ClearItems()
{
    const int removed = ItemCount();
    ListStep step = StepOf(ListStep::Kind::RowsReplaced, 0);
    AsStep(step, [&] {
        step.rows = std::move(m_items);
        m_items.Clear();
        m_total.Reset();
    });
    TellRemoved(0, removed);
    TellChanged(TotalRow(), 1);
}

void CShoppingList::ReplaceItems(CItemRows items)
{
    TakeItems(std::move(items));
    TellReplaced();
}

void CShoppingList::ReplaceItems(CItemRows items, const std::vector<int>& whereRowsWent)
{
    TakeItems(std::move(items));
    for (CRowsObserver* observer : m_observers)
        observer->OnRowsRemapped(whereRowsWent);
}

void CShoppingList::TakeItems(CItemRows items)
{
    CRunningTotal total;
    for (int row = 0; row < items.Count(); ++row)
        total.Add(items.TextView(row, ColumnPrice));
    ListStep step = StepOf(ListStep::Kind::RowsReplaced, 0);
    AsStep(step, [&] {
        step.rows = std::move(m_items);
        m_total = total;
        m_items = std::move(items);
        m_separatorMark = MarkBang;
        m_totalMark = MarkBang;
    });
}

void CShoppingList::InsertItemsAhead(CItemRows items)
{
    if (items.IsEmpty())
        return;
    const int count = items.Count();
    ListStep step = StepOf(ListStep::Kind::RowsAhead, count);
    AsStep(step, [&] {
        m_items.InsertAhead(items);
        step.rows = std::move(items);
    });
    for (int row = 0; row < count; ++row)
        m_total.Add(m_items.TextView(row, ColumnPrice));
    TellInserted(0, count);
    TellChanged(TotalRow(), 1);
}

int CShoppingList::Undo()
{
    if (!m_history.CanUndo())
        return -1;
    TellChanging();
    const int row = Apply(m_history.NewestDone(), false);
    m_history.MoveNewestToUndone();
    return row;
}

int CShoppingList::Redo()
{
    if (!m_history.CanRedo())
        return -1;
    TellChanging();
    m_history.PrepareRedo();
    int row = -1;
    try {
        row = Apply(m_history.NewestUndone(), true);
    } catch (...) {
        m_history.CancelRedo();
        throw;
    }
    m_history.MoveNewestToDone();
    return row;
}

int CShoppingList::Apply(ListStep& step, bool forwards)
{
    switch (step.kind) {
    case ListStep::Kind::RowsAhead:
        return ApplyRowsAhead(step, forwards);
    case ListStep::Kind::RowRemoved:
        return ApplyRowRemoved(step, forwards);
    case ListStep::Kind::RowChanged:
        return ApplyRowChanged(step);
    case ListStep::Kind::RowMoved: {
        const int from = forwards ? step.row : step.to, to = forwards ? step.to : step.row;
        m_items.Move(from, to);
        TellMoved(from, to);
        return to;
    }
    case ListStep::Kind::RowsReplaced:
        return ApplyRowsReplaced(step);
    }
    return -1;
}

int CShoppingList::ApplyRowsAhead(ListStep& step, bool forwards)
{
    const int count = step.row;
    if (forwards)
        m_items.InsertAhead(step.rows);
    else
        m_items.EraseAhead(count);
    std::swap(m_total, step.total);
    if (forwards)
        TellInserted(0, count);
    else
        TellRemoved(0, count);
    TellChanged(TotalRow(), 1);
    return ItemCount() > 0 ? 0 : -1;
}

int CShoppingList::ApplyRowRemoved(ListStep& step, bool forwards)
{
    if (forwards)
        m_items.Erase(step.row);
    else
        m_items.Insert(step.row, step.rows.Get(0));
    std::swap(m_total, step.total);
    if (forwards)
        TellRemoved(step.row, 1);
    else
        TellInserted(step.row, 1);
    TellChanged(TotalRow(), 1);
    return IsItemRow(step.row) ? step.row : ItemCount() - 1;
}

int CShoppingList::ApplyRowChanged(ListStep& step)
{
    if (IsItemRow(step.row)) {
        CItemRows now;
        now.Append(m_items.Get(step.row));
        const ItemRow before = step.rows.Get(0);
        m_items.SetTexts(step.row, before);
        m_items.SetMark(step.row, before.mark);
        step.rows = std::move(now);
    } else {
        std::swap(m_separatorMark, step.separatorMark);
        std::swap(m_totalMark, step.totalMark);
    }
    std::swap(m_total, step.total);
    TellChanged(step.row, 1);
    TellChanged(TotalRow(), 1);
    return step.row;
}

int CShoppingList::ApplyRowsReplaced(ListStep& step)
{
    std::swap(m_items, step.rows);
    std::swap(m_separatorMark, step.separatorMark);
    std::swap(m_totalMark, step.totalMark);
    std::swap(m_total, step.total);
    TellReplaced();
    return ItemCount() > 0 ? 0 : -1;
}
