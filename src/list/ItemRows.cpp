#include "ItemRows.h"

#include <iterator>
#include <utility>

CItemRows::PackedRow CItemRows::Pack(const ItemRow& row)
{
    PackedRow packed;
    packed.mark = row.mark;
    packed.texts.reserve(static_cast<size_t>(row.name.GetLength() + row.quantity.GetLength() +
                                             row.location.GetLength() + row.price.GetLength()) + ItemColumnCount);
    for (ItemColumn column : {ColumnName, ColumnQuantity, ColumnLocation, ColumnPrice}) {
        packed.texts += row.Text(column).str();
        packed.texts += L'\0';
    }
    return packed;
}

ItemRow CItemRows::Get(int index) const
{
    ItemRow row;
    row.mark = Mark(index);
    for (ItemColumn column : {ColumnName, ColumnQuantity, ColumnLocation, ColumnPrice})
        row.Text(column) = Text(index, column);
    return row;
}

CString CItemRows::Text(int index, ItemColumn column) const
{
    const std::wstring& texts = m_rows[static_cast<size_t>(index)].texts;
    size_t start = 0;
    for (int skipped = 0; skipped < column; ++skipped)
        start = texts.find(L'\0', start) + 1;
    return CString(texts.c_str() + start, static_cast<int>(texts.find(L'\0', start) - start));
}

void CItemRows::SetTexts(int index, const ItemRow& row)
{
    PackedRow& target = m_rows[static_cast<size_t>(index)];
    target.texts = Pack(row).texts;
}

void CItemRows::Insert(int index, const ItemRow& row)
{
    m_rows.insert(m_rows.begin() + index, Pack(row));
}

void CItemRows::Append(const ItemRow& row)
{
    m_rows.push_back(Pack(row));
}

void CItemRows::InsertAhead(const CItemRows& rows)
{
    m_rows.insert(m_rows.begin(), rows.m_rows.begin(), rows.m_rows.end());
}

void CItemRows::Erase(int index)
{
    m_rows.erase(m_rows.begin() + index);
}

void CItemRows::Move(int from, int to)
{
    PackedRow row = std::move(m_rows[static_cast<size_t>(from)]);
    m_rows.erase(m_rows.begin() + from);
    m_rows.insert(m_rows.begin() + to, std::move(row));
}

void CItemRows::Clear()
{
    std::vector<PackedRow>().swap(m_rows);
}
