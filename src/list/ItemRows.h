// The item rows of a list, packed: the texts of every row stand one after another
// in one block, each ended by a NUL, and a row is its mark and where its texts
// begin. A row costs 16 bytes plus its texts, and emptying or copying the rows
// moves two blocks, whatever their number. A change that runs out of memory throws
// and leaves the rows as they were.
#pragma once

#include "ItemRow.h"

#include <cstdint>
#include <string_view>
#include <vector>

class CItemRows {
public:
    using Texts = std::wstring_view[ItemColumnCount];

    int Count() const { return static_cast<int>(m_rows.size()); }
    bool IsEmpty() const { return m_rows.empty(); }
    // The memory the rows hold.
    size_t Bytes() const { return m_rows.capacity() * sizeof(PackedRow) + m_texts.capacity() * sizeof(wchar_t); }
    // Makes room for rows ahead, so that reading them does not move the rest again.
    void Reserve(size_t rows, size_t characters);

    ItemRow Get(int index) const;
    ItemMark Mark(int index) const { return m_rows[static_cast<size_t>(index)].mark; }
    CString Text(int index, ItemColumn column) const;
    // Views valid until the rows next change.
    std::wstring_view TextView(int index, ItemColumn column) const;
    void GetTexts(int index, Texts& texts) const;

    void SetMark(int index, ItemMark mark) { m_rows[static_cast<size_t>(index)].mark = mark; }
    // The texts of row, not its mark.
    void SetTexts(int index, const ItemRow& row);
    void Insert(int index, const ItemRow& row);
    void Append(const ItemRow& row);
    void Append(ItemMark mark, const Texts& texts);
    // rows come first, in their order.
    void InsertAhead(const CItemRows& rows);
    // Erases the first count rows. Rows put ahead together (InsertAhead) and erased
    // together give their texts back to the block at once, without a copy.
    void EraseAhead(int count);
    void Erase(int index);
    void Move(int from, int to);
    void Clear();

private:
    struct PackedRow {
        size_t start;  // of the name in m_texts; the other texts follow it
        ItemMark mark;
        uint32_t length;  // of the four texts with their NULs: in the padding, for free
    };
    static void ViewsOf(const ItemRow& row, Texts& texts);
    // Puts the texts at the end of the block; a text ends at its first NUL. Returns
    // the row that refers to them.
    PackedRow AppendTexts(const Texts& texts, ItemMark mark);
    // Room for one more row, so that inserting it cannot fail.
    void MakeRoomForRow();
    static size_t TextsLength(const PackedRow& row) { return row.length; }
    // The texts of row are no longer needed; once such texts fill half the block,
    // it is made anew from the rows still there.
    void Forget(const PackedRow& row);
    void CompactWhenMostlyUnused();

    std::vector<wchar_t> m_texts;
    std::vector<PackedRow> m_rows;
    size_t m_unused = 0;  // characters of m_texts that no row refers to
};
