// The item menu's commands on the current row: marks, Delete and the moves.
#include "ShoppingDlg.h"

void CShoppingDlg::OnCheck()
{
    m_rows.ToggleCheck(m_list.SelectedRow());
}

void CShoppingDlg::OnSpecial()
{
    m_rows.ToggleSpecial(m_list.SelectedRow());
}

void CShoppingDlg::OnDelete()
{
    int row = m_list.SelectedRow();
    if (!m_rows.MayDelete(row))
        return;
    if (MessageBox(L"Do you want to delete this item?", L"Warning", MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    m_rows.RemoveItem(row);
    EndEditWithoutItsRow();
}

void CShoppingDlg::MoveCurrentItem(int (CShoppingList::*move)(int))
{
    int moved = (m_rows.*move)(m_list.SelectedRow());
    if (moved >= 0)
        m_list.FocusRow(moved);
}

void CShoppingDlg::OnUp()
{
    MoveCurrentItem(&CShoppingList::MoveUp);
}

void CShoppingDlg::OnDown()
{
    MoveCurrentItem(&CShoppingList::MoveDown);
}

void CShoppingDlg::OnTop()
{
    MoveCurrentItem(&CShoppingList::MoveToTop);
}

void CShoppingDlg::OnBottom()
{
    MoveCurrentItem(&CShoppingList::MoveToBottom);
}
