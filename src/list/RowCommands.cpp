// The item menu's commands on the current row: marks, Delete and the moves.
#include "../mainwnd/ShoppingDlg.h"

bool CShoppingDlg::IsItemRow(int row) const
{
    return row >= 0 && row < m_list.GetItemCount() - ClosingRowCount;
}

void CShoppingDlg::OnCheck()
{
    int row = m_list.SelectedRow();
    int mark = m_list.GetMark(row);
    m_list.SetMark(row, mark == MarkCross ? MarkTick : MarkCross);
}

void CShoppingDlg::OnSpecial()
{
    int row = m_list.SelectedRow();
    int mark = m_list.GetMark(row);
    m_list.SetMark(row, mark == MarkBang ? MarkQuestion : MarkBang);
}

void CShoppingDlg::OnDelete()
{
    int row = m_list.SelectedRow();
    int mark = m_list.GetMark(row);
    if (row >= m_list.GetItemCount() - ClosingRowCount)
        return;
    if (mark >= MarkBang)
        return;
    if (MessageBox(L"Do you want to delete this item?", L"Warning", MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    if (row < 0)
        return;
    SubtractPrice(m_list.GetItemText(row, 3));
    m_list.DeleteItem(row);
}

void CShoppingDlg::MoveCurrentItem(bool (CItemListCtrl::*move)(int))
{
    // Signed: with no current row (-1) the list's own bounds refuse the move.
    int row = m_list.SelectedRow();
    if (row < m_list.GetItemCount() - ClosingRowCount)
        (m_list.*move)(row);
}

void CShoppingDlg::OnUp()
{
    MoveCurrentItem(&CItemListCtrl::MoveRowUp);
}

void CShoppingDlg::OnDown()
{
    MoveCurrentItem(&CItemListCtrl::MoveRowDown);
}

void CShoppingDlg::OnTop()
{
    MoveCurrentItem(&CItemListCtrl::MoveRowToTop);
}

void CShoppingDlg::OnBottom()
{
    MoveCurrentItem(&CItemListCtrl::MoveRowToBottom);
}
