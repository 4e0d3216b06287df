// The item rows of a list that two machines change in one shared file, made one:
// a three-way merge of this machine's rows and the file's against the rows both
// started from.
//
// The unit is the row, its four texts and its mark, and no text typed on either
// machine is lost:
// - a row added on either side is kept, in its place among its neighbours; the same
//   row added at the same place on both sides is kept once;
// - a row deleted on one side goes when the other side left its texts and mark as
//   they were (a move alone does not keep it); when the other side changed them, it
//   stays as changed there;
// - a mark changed on one side takes that side's mark; changed differently on both,
//   mine;
// - texts edited on one side take the edit; edited differently on both, both versions
//   stay, next to each other where the row was, each with the row's mark;
// - a row moved on one side takes that side's place; moved on both, the earlier of the
//   two places.
// Where both sides put rows at the same place, their texts decide the order, so that
// merging either way gives the same rows in the same order; only a mark changed
// differently on both sides depends on which side is mine.
//
// Rows have no ids: they are matched by their four texts (a mark is no part of it),
// rows with the same texts by their places. A row whose texts changed is matched with
// the row it was when it stands where that row stood and keeps one of its non-empty
// texts. A row deleted and the same texts added elsewhere on one side moved there.
#pragma once

#include "ItemRows.h"

#include <vector>

struct MergedRows {
    CItemRows rows;
    // For each row of mine, its index in rows; -1 when it went.
    std::vector<int> whereMineWent;
};

// base: the rows as this machine last read or wrote the file; mine: this machine's
// rows now; theirs: the rows now in the file, written by another machine. When one
// side is base, the result is the other side as it is.
MergedRows MergeRows(const CItemRows& base, const CItemRows& mine, const CItemRows& theirs);
