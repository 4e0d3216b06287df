// The list's row moves behind Up, Down, Top and Bottom: their bounds, the rows they
// leave, and the focus that follows the moved row.
#include "support/MainWindowTest.h"

#include <commctrl.h>

namespace {

enum Move { Up, Down, Top, Bottom };

class RowMove : public MainWindowTest {
protected:
    CItemListCtrl& ListCtrl() { return m_dialog->m_list; }

    // count item rows, each with its own mark and texts, prices 1 to count.
    std::vector<ShownRow> PutItems(int count)
    {
        for (int row = ListCtrl().GetItemCount() - ClosingRowCount - 1; row >= 0; --row) {
            m_dialog->SubtractPrice(ListCtrl().GetItemText(row, 3));
            ListCtrl().DeleteItem(row);
        }
        for (int i = count - 1; i >= 0; --i)
            PutItem({i % 4, L"Item " + std::to_wstring(i), std::to_wstring(i), L"", std::to_wstring(i + 1)});
        return Rows();
    }
    bool Run(Move move, int row)
    {
        switch (move) {
        case Up:
            return ListCtrl().MoveRowUp(row);
        case Down:
            return ListCtrl().MoveRowDown(row);
        case Top:
            return ListCtrl().MoveRowToTop(row);
        default:
            return ListCtrl().MoveRowToBottom(row);
        }
    }
    UINT State(int row) { return ListCtrl().GetItemState(row, LVIS_FOCUSED | LVIS_SELECTED); }
};

TEST_F(RowMove, FollowsTheMoveTableForOneAndForSeveralItems)
{
    // items, current row, move, target row or -1 for nothing at all
    const struct {
        int items, row;
        Move move;
        int target;
    } table[] = {
        {1, 0, Up, -1}, {1, 0, Down, -1}, {1, 0, Top, 0}, {1, 0, Bottom, 0},
        {2, 0, Down, 1}, {2, 0, Bottom, 1}, {2, 1, Up, 0}, {2, 1, Down, -1},
        {4, 0, Up, -1}, {4, 0, Down, 1}, {4, 0, Top, 0}, {4, 0, Bottom, 3},
        {4, 2, Up, 1}, {4, 2, Down, 3}, {4, 2, Top, 0}, {4, 2, Bottom, 3},
        {4, 3, Up, 2}, {4, 3, Down, -1}, {4, 3, Top, 0}, {4, 3, Bottom, 3},
        {1, -1, Up, -1}, {1, -1, Down, -1}, {1, -1, Top, -1}, {1, -1, Bottom, -1},
        {4, -1, Up, -1}, {4, -1, Down, -1}, {4, -1, Top, -1}, {4, -1, Bottom, -1},
    };
    for (const auto& c : table) {
        SCOPED_TRACE("move " + std::to_string(c.move) + " of row " + std::to_string(c.row) + " among " +
                     std::to_string(c.items));
        std::vector<ShownRow> rows = PutItems(c.items);
        if (c.row >= 0)
            FocusRow(c.row);  // focused and selected, as a tap leaves it
        int current = ListCtrl().SelectedRow();
        bool moved = Run(c.move, c.row);
        EXPECT_EQ(moved, c.target >= 0);
        if (c.target >= 0) {
            ShownRow row = rows[static_cast<size_t>(c.row)];
            rows.erase(rows.begin() + c.row);
            rows.insert(rows.begin() + c.target, row);
            current = c.target;
            EXPECT_EQ(State(c.target), static_cast<UINT>(LVIS_FOCUSED)) << "focused, without the selection";
        }
        EXPECT_EQ(Rows(), rows) << "marks and texts move with their row; the total stays";
        EXPECT_EQ(ListCtrl().SelectedRow(), current);
    }
}

TEST_F(RowMove, DownNeverPassesTheLastItemAndRowsOutsideAreRefused)
{
    std::vector<ShownRow> rows = PutItems(2);
    FocusRow(1);
    const int count = ListCtrl().GetItemCount();
    for (int row : {1, 2, 3, count})
        EXPECT_FALSE(ListCtrl().MoveRowDown(row)) << "row " << row;
    EXPECT_FALSE(ListCtrl().MoveRowUp(count));
    EXPECT_FALSE(ListCtrl().MoveRowToTop(count));
    EXPECT_FALSE(ListCtrl().MoveRow(0, count));
    EXPECT_FALSE(ListCtrl().MoveRow(0, -1));
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(ListCtrl().SelectedRow(), 1);

    PutItems(0);
    EXPECT_FALSE(ListCtrl().MoveRowToBottom(0)) << "a list without items has no last item row";
    EXPECT_EQ(Rows(), (std::vector<ShownRow>{Separator(), Total(L"0")}));
}

TEST_F(RowMove, MovingARowToItsOwnPlaceInsertsItAgain)
{
    std::vector<ShownRow> rows = PutItems(3);
    FocusRow(1);
    LVITEMW data = {};
    data.mask = LVIF_PARAM;
    data.iItem = 1;
    data.lParam = 1234;
    ASSERT_TRUE(ListCtrl().SetItem(&data));

    EXPECT_TRUE(ListCtrl().MoveRow(1, 1));
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(State(1), static_cast<UINT>(LVIS_FOCUSED));
    ListCtrl().GetItem(&data);
    EXPECT_EQ(data.lParam, 0) << "a new row, without item data";

    ListCtrl().FocusRow(2);
    EXPECT_EQ(State(1), 0u) << "the platform takes the focus from the row that had it";
    EXPECT_TRUE(ListCtrl().MoveRowToBottom(0));
    EXPECT_TRUE(ListCtrl().MoveRowUp(ListCtrl().SelectedRow())) << "the next move acts on the moved row";
    EXPECT_EQ(Rows()[1], rows[0]);
}

}  // namespace
