// Up, Down, Top and Bottom in the window: the list shows the moved row, and the focus
// follows it. Where each move may go is the list's own rule (tests/list).
#include "support/MainWindowTest.h"

#include "res/resource.h"

#include <commctrl.h>

namespace {

enum Move { Up, Down, Top, Bottom };

class RowMove : public MainWindowTest {
protected:
    // count item rows, each with its own mark and texts, prices 1 to count.
    std::vector<ShownRow> PutItems(int count)
    {
        m_prompts->Answer(IDYES);
        SendCommand(ID_FILE_NEW);
        for (int i = count - 1; i >= 0; --i)
            PutItem({i % 4, L"Item " + std::to_wstring(i), std::to_wstring(i), L"", std::to_wstring(i + 1)});
        return Rows();
    }
    void Run(Move move)
    {
        const UINT commands[] = {ID_ITEM_UP, ID_ITEM_DOWN, ID_ITEM_TOP, ID_ITEM_BOTTOM};
        SendCommand(commands[move]);
    }
};

TEST_F(RowMove, TheFocusFollowsTheMovedRowAndStaysOnARowThatDidNotMove)
{
    // items, current row, move, target row or -1 for nothing at all
    const struct {
        int items, row;
        Move move;
        int target;
    } table[] = {
        {4, 2, Up, 1}, {4, 2, Down, 3}, {4, 2, Top, 0}, {4, 2, Bottom, 3}, {4, 0, Up, -1}, {4, 3, Down, -1},
        {4, -1, Up, -1}, {4, -1, Down, -1}, {4, -1, Top, -1}, {4, -1, Bottom, -1},
    };
    for (const auto& c : table) {
        SCOPED_TRACE("move " + std::to_string(c.move) + " of row " + std::to_string(c.row) + " among " +
                     std::to_string(c.items));
        std::vector<ShownRow> rows = PutItems(c.items);
        if (c.row >= 0)
            FocusRow(c.row);  // focused and selected, as a tap leaves it
        else
            ClearFocus();
        int current = FocusedRow();
        Run(c.move);
        if (c.target >= 0) {
            ShownRow row = rows[static_cast<size_t>(c.row)];
            rows.erase(rows.begin() + c.row);
            rows.insert(rows.begin() + c.target, row);
            current = c.target;
            EXPECT_EQ(RowState(c.target), static_cast<UINT>(LVIS_FOCUSED)) << "moved: focused, without the selection";
        } else if (c.row >= 0) {
            EXPECT_EQ(RowState(c.row), static_cast<UINT>(LVIS_FOCUSED | LVIS_SELECTED)) << "not moved at all";
        }
        EXPECT_EQ(Rows(), rows) << "marks and texts move with their row; the total stays";
        EXPECT_EQ(FocusedRow(), current);
    }
}

TEST_F(RowMove, MovingARowToItsOwnPlaceInsertsItAgain)
{
    std::vector<ShownRow> rows = PutItems(3);
    FocusRow(0);
    Run(Top);
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(RowState(0), static_cast<UINT>(LVIS_FOCUSED)) << "a new row: focused, without the selection";

    SetRowState(2, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_EQ(RowState(0), 0u) << "the platform takes the focus from the row that had it";
    FocusRow(0);
    Run(Bottom);
    Run(Up);
    EXPECT_EQ(Rows()[1], rows[0]) << "the next move acts on the moved row";
}

}  // namespace
