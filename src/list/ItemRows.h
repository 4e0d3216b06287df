// The item rows of a list, packed: a row's four texts stand in one string, so that
// a row costs its texts plus about 56 bytes, and a million short rows fit in a
// little over 100 MiB.
#pragma once

#include "ItemRow.h"

#include <string>
#include <vector>

class CItemRows {
public:
    int Count() const { return static_cast<int>(m_rows.size()); }
    bool IsEmpty() const { return m_rows.empty(); }
    // Makes room for count rows ahead, so that reading them does not move the rest again.
    void Reserve(size_t count) { m_rows.reserve(count); }

    ItemRow Get(int index) const;
    int Mark(int index) const { return m_rows[static_cast<size_t>(index)].mark; }
    CString Text(int index, ItemColumn column) const;

    void SetMark(int index, int mark) { m_rows[static_cast<size_t>(index)].mark = mark; }
    // The texts of row, not its mark.
    void SetTexts(int index, const ItemRow& row);
    void Insert(int index, const ItemRow& row);
    void Append(const ItemRow& row);
    // rows come first, in their order.
    void InsertAhead(const CItemRows& rows);
    void Erase(int index);
    void Move(int from, int to);
    void Clear();

private:
    struct PackedRow {
        std::wstring texts;  // name, quantity, location and price, each ended by a NUL
        int mark;
    };
    static PackedRow Pack(const ItemRow& row);

    std::vector<PackedRow> m_rows;
};
