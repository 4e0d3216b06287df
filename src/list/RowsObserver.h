// Told of every change of the list's rows, by index from the top, after it is made:
// the list control shows the rows and follows them, the entry panel follows the row
// it edits, and the system list is stored a few seconds later.
#pragma once

#include <vector>

class CRowsObserver {
public:
    // A change of the rows is about to be made: whoever reads them on another thread
    // must have stopped.
    virtual void OnRowsChanging() {}
    virtual void OnRowsInserted(int first, int count) = 0;
    virtual void OnRowsRemoved(int first, int count) = 0;
    // One row left from and now stands at to; the rows between moved by one toward from.
    virtual void OnRowMoved(int from, int to) = 0;
    // Marks or texts of the rows changed; their number did not.
    virtual void OnRowsChanged(int first, int count) = 0;
    // Every row was replaced at once.
    virtual void OnRowsReplaced() = 0;
    // Every row was replaced at once by rows among which the old ones stand again:
    // whereRowsWent holds, for each old item row, its index now, or -1 when it went.
    // Whoever follows no row takes it as any replacement.
    virtual void OnRowsRemapped(const std::vector<int>& whereRowsWent)
    {
        (void)whereRowsWent;
        OnRowsReplaced();
    }

protected:
    ~CRowsObserver() = default;
};
