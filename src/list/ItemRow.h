// One row of the shopping list as the list control holds it.
#pragma once

#include "../framework/String.h"

// The row's image index in the mark images.
enum ItemMark : int {
    MarkTick = 0,      // ticked off
    MarkCross = 1,     // still to buy; every new item starts with it
    MarkBang = 2,      // flagged; the closing rows carry it
    MarkQuestion = 3,  // flagged a second way
};

struct ItemRow {
    int mark = MarkCross;
    CString name;      // column 0
    CString quantity;  // column 1
    CString location;  // column 2
    CString price;     // column 3
};

// The separator row and the Total row always end the list.
constexpr int ClosingRowCount = 2;
