// The changes to a list that can be taken back, and those taken back that can be done
// again. A step keeps what its change replaced or took away, not a copy of the list:
// a row as it was, the rows a New or an Open replaced (moved, not copied), the rows an
// Attach put ahead, which the command handed over. The history lives in memory only.
#pragma once

#include "ItemRows.h"
#include "RunningTotal.h"

#include <cstddef>
#include <deque>
#include <vector>

struct ListStep {
    enum class Kind {
        RowsAhead,     // count rows put at the top (Add, Attach); rows holds them
        RowRemoved,    // row removed; rows holds it
        RowChanged,    // row's texts or mark; rows holds the row as it is on the other side
        RowMoved,      // row moved to to
        RowsReplaced,  // every item row; rows holds the other side's
    };
    Kind kind = Kind::RowChanged;
    int row = 0;  // the row; for RowsAhead, how many
    int to = 0;
    CItemRows rows;
    // The closing rows' marks: for RowChanged of a closing row, and RowsReplaced.
    ItemMark separatorMark = MarkBang;
    ItemMark totalMark = MarkBang;
    // The total on the other side of the step.
    CRunningTotal total;
    // What the history counted of it.
    size_t counted = 0;

    size_t Bytes() const;
};

class CUndoHistory {
public:
    // The history drops the oldest steps first while it holds more than kMostBytes;
    // the newest step always stays.
    static constexpr size_t kMostBytes = size_t{256} << 20;

    bool CanUndo() const { return !m_done.empty(); }
    bool CanRedo() const { return !m_undone.empty(); }
    size_t Bytes() const { return m_bytes; }
    void Clear();

    // Before a change: room for its step, so that keeping it cannot fail once the
    // change is made. Throws when memory runs short; Cancel when the change fails.
    void Prepare();
    void Cancel();
    // The change is made: its step is the newest, and nothing can be redone any more.
    void Commit(ListStep step);

    // Undo: the newest step done is applied backwards, then moved to the undone.
    ListStep& NewestDone() { return m_done.back(); }
    void MoveNewestToUndone();
    // Redo: room first (throws when memory runs short; CancelRedo when the change
    // fails), then the newest step undone is applied again and moved to the done.
    void PrepareRedo();
    void CancelRedo();
    ListStep& NewestUndone() { return m_undone.back(); }
    void MoveNewestToDone();

private:
    void Recount(ListStep& step);
    void DropOldest();

    std::deque<ListStep> m_done;
    std::vector<ListStep> m_undone;
    size_t m_bytes = 0;  // of every step in both
};
