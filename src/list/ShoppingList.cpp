// The main window's rows: the closing rows, the running total and New.
#include "../mainwnd/ShoppingDlg.h"

#include "../listview/BulkRowChange.h"

namespace {

const ItemRow kSeparatorRow = {MarkBang, L"----", L"---", L"---", L"---"};
const ItemRow kTotalRow = {MarkBang, L"Total:", L"", L"", L"0"};

}  // namespace

void CShoppingDlg::WriteTotalRow(const CString& totalText)
{
    m_list.SetItemText(m_list.GetItemCount() - 1, 3, totalText);
}

void CShoppingDlg::AddPrice(const CString& price)
{
    m_runningTotal.Add(price);
    WriteTotalRow(m_runningTotal.Text());
}

void CShoppingDlg::SubtractPrice(const CString& price)
{
    m_runningTotal.Subtract(price);
    WriteTotalRow(m_runningTotal.Text());
}

void CShoppingDlg::InsertClosingRows()
{
    m_list.InsertRow(0, kTotalRow);
    m_list.InsertRow(0, kSeparatorRow);
}

void CShoppingDlg::RemoveAllRows()
{
    m_runningTotal.Reset();
    CBulkRowChange bulk(m_list);
    for (int row = m_list.GetItemCount() - 1; row >= 0; --row)
        m_list.DeleteItem(row);
}

void CShoppingDlg::ResetClosingRows()
{
    RemoveAllRows();
    InsertClosingRows();
}

void CShoppingDlg::OnNew()
{
    if (MessageBox(L"Do you want to clear the list?", L"Warning", MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    m_runningTotal.Reset();
    WriteTotalRow(m_runningTotal.Text());
    CBulkRowChange bulk(m_list);
    for (int row = m_list.GetItemCount() - 1 - ClosingRowCount; row >= 0; --row)
        m_list.DeleteItem(row);
}
