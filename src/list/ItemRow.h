// One row of the shopping list: a mark and four texts.
#pragma once

#include "../framework/String.h"

// The row's image index in the mark images. A list file may hold any other number,
// which shows one of the blank images or none.
enum ItemMark : int {
    MarkTick = 0,      // ticked off
    MarkCross = 1,     // still to buy; every new item starts with it
    MarkBang = 2,      // flagged; the closing rows carry it
    MarkQuestion = 3,  // flagged a second way
};

// The texts of a row, in the order of the list's columns.
enum ItemColumn : int {
    ColumnName = 0,
    ColumnQuantity = 1,
    ColumnLocation = 2,
    ColumnPrice = 3,
};
constexpr int ItemColumnCount = 4;
// The columns in their order, for walking a row's texts.
constexpr ItemColumn ItemColumns[ItemColumnCount] = {ColumnName, ColumnQuantity, ColumnLocation, ColumnPrice};

struct ItemRow {
    ItemMark mark = MarkCross;
    CString name;
    CString quantity;
    CString location;
    CString price;

    const CString& Text(ItemColumn column) const;
    CString& Text(ItemColumn column);
};

// The separator row and the Total row always end the list.
constexpr int ClosingRowCount = 2;
