#include "ShoppingList.h"

namespace {

const ItemRow kSeparatorRow = {MarkBang, L"----", L"---", L"---", L"---"};
const ItemRow kTotalRow = {MarkBang, L"Total:", L"", L"", L"0"};

}  // namespace

int CheckedMark(int mark)
{
    return mark == MarkCross ? MarkTick : MarkCross;
}

int SpecialMark(int mark)
{
    return mark == MarkBang ? MarkQuestion : MarkBang;
}

bool CShoppingList::IsItemRow(int row) const
{
    return row >= 0 && row < RowCount() - ClosingRowCount;
}

std::vector<ItemRow> CShoppingList::Items() const
{
    std::vector<ItemRow> items;
    const int itemCount = RowCount() - ClosingRowCount;
    if (itemCount > 0)
        items.reserve(static_cast<size_t>(itemCount));
    for (int row = 0; row < itemCount; ++row)
        items.push_back(Row(row));
    return items;
}

void CShoppingList::WriteTotalRow()
{
    m_rows.SetRowText(RowCount() - 1, ColumnPrice, m_total.Text());
}

void CShoppingList::AddPrice(const CString& price)
{
    m_total.Add(price);
    WriteTotalRow();
}

void CShoppingList::SubtractPrice(const CString& price)
{
    m_total.Subtract(price);
    WriteTotalRow();
}

void CShoppingList::InsertClosingRows()
{
    m_rows.InsertRow(0, kTotalRow);
    m_rows.InsertRow(0, kSeparatorRow);
}

void CShoppingList::ResetClosingRows()
{
    m_total.Reset();
    for (int row = RowCount() - 1; row >= 0; --row)
        m_rows.DeleteRow(row);
    InsertClosingRows();
}

void CShoppingList::AddItem(const ItemRow& item)
{
    AddPrice(item.price);
    m_rows.InsertRow(0, item);
}

void CShoppingList::ApplyToItem(int row, const ItemRow& item)
{
    if (!IsItemRow(row))
        return;
    m_total.Subtract(m_rows.GetRow(row).price);
    for (ItemColumn column : {ColumnName, ColumnQuantity, ColumnLocation, ColumnPrice})
        m_rows.SetRowText(row, column, item.Text(column));
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
    SubtractPrice(m_rows.GetRow(row).price);
    m_rows.DeleteRow(row);
}

void CShoppingList::ToggleCheck(int row)
{
    if (row >= 0 && row < RowCount())
        m_rows.SetRowMark(row, CheckedMark(Mark(row)));
}

void CShoppingList::ToggleSpecial(int row)
{
    if (row >= 0 && row < RowCount())
        m_rows.SetRowMark(row, SpecialMark(Mark(row)));
}

int CShoppingList::MoveRow(int from, int to)
{
    ItemRow row = m_rows.GetRow(from);
    m_rows.DeleteRow(from);
    m_rows.InsertRow(to, row);
    return to;
}

int CShoppingList::MoveUp(int row)
{
    return IsItemRow(row) && row >= 1 ? MoveRow(row, row - 1) : -1;
}

int CShoppingList::MoveDown(int row)
{
    return IsItemRow(row + 1) && row >= 0 ? MoveRow(row, row + 1) : -1;
}

int CShoppingList::MoveToTop(int row)
{
    return IsItemRow(row) ? MoveRow(row, 0) : -1;
}

int CShoppingList::MoveToBottom(int row)
{
    return IsItemRow(row) ? MoveRow(row, RowCount() - ClosingRowCount - 1) : -1;
}

void CShoppingList::ClearItems()
{
    m_total.Reset();
    WriteTotalRow();
    for (int row = RowCount() - 1 - ClosingRowCount; row >= 0; --row)
        m_rows.DeleteRow(row);
}

void CShoppingList::ReplaceItems(const std::vector<ItemRow>& items)
{
    ResetClosingRows();
    InsertItemsAhead(items);
}

void CShoppingList::InsertItemsAhead(const std::vector<ItemRow>& items)
{
    int index = 0;
    for (const ItemRow& item : items) {
        // A row the list could not take must not count in the total.
        if (m_rows.InsertRow(index, item)) {
            AddPrice(item.price);
            ++index;
        }
    }
}
