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
    m_total.Reset();
    m_items.Clear();
    m_separatorMark = MarkBang;
    m_totalMark = MarkBang;
    TellReplaced();
}

void CShoppingList::AddItem(const ItemRow& item)
{
    m_items.Insert(0, item);
    TellInserted(0, 1);
    AddPrice(item.price);
}

void CShoppingList::ApplyToItem(int row, const ItemRow& item)
{
    if (!IsItemRow(row))
        return;
    const std::wstring oldPrice(m_items.TextView(row, ColumnPrice));
    m_items.SetTexts(row, item);
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
    m_total.Subtract(m_items.TextView(row, ColumnPrice));
    m_items.Erase(row);
    TellRemoved(row, 1);
    TellChanged(TotalRow(), 1);
}

void CShoppingList::SetMark(int row, ItemMark mark)
{
    if (IsItemRow(row))
        m_items.SetMark(row, mark);
    else if (row == SeparatorRow())
        m_separatorMark = mark;
    else if (row == TotalRow())
        m_totalMark = mark;
    else
        return;
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
    m_items.Move(from, to);
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
    m_total.Reset();
    m_items.Clear();
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
    m_total = total;
    m_items = std::move(items);
    m_separatorMark = MarkBang;
    m_totalMark = MarkBang;
}

void CShoppingList::InsertItemsAhead(const CItemRows& items)
{
    if (items.IsEmpty())
        return;
    m_items.InsertAhead(items);
    for (int row = 0; row < items.Count(); ++row)
        m_total.Add(items.TextView(row, ColumnPrice));
    TellInserted(0, items.Count());
    TellChanged(TotalRow(), 1);
}
