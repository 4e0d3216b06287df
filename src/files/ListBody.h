// The list body of list files and of the system list file: the row count, the
// closing rows included, then five lines per item (mark, name, quantity,
// location, price), the top row first.
#pragma once

#include "../list/ItemRow.h"
#include "TextReader.h"

#include <cstdio>
#include <functional>

class CItemListCtrl;

// Takes each item read, with the index it gets in the list: 0 for the first.
using ItemSink = std::function<void(int index, const ItemRow& row)>;

// Writes the body of the list's rows; false when the stream failed.
bool WriteListBody(std::FILE* stream, const CItemListCtrl& list);

// Reads a list body in its two steps, which Open runs apart. Only whole records
// become items: the reading ends at the first record that the stream cuts short,
// whatever the row count announced.
class CListBodyReader {
public:
    explicit CListBodyReader(std::FILE* stream) : m_text(stream) {}

    // The row count and the white space after it; none is a count of 0.
    void ReadRowCount();
    // The announced records; afterwards the stream stands after the white space
    // that follows the last one. Returns how many items were taken.
    int ReadItems(const ItemSink& sink);

private:
    bool ReadItem(ItemRow& row);

    CTextReader m_text;
    int m_rowCount = 0;
};

// Both steps; returns how many items were taken.
int ReadListBody(std::FILE* stream, const ItemSink& sink);
