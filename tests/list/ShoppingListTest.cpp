// The list's rules without a window: what each change does to the rows, their marks
// and the total, and what the observers are told of it.
#include "list/ShoppingList.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

using Told = std::vector<std::string>;

ItemRow Item(const wchar_t* name, const wchar_t* price, ItemMark mark = MarkCross)
{
    ItemRow item;
    item.mark = mark;
    item.name = name;
    item.quantity = L"1";
    item.location = L"Shop";
    item.price = price;
    return item;
}

// Writes down every change it is told of, one line each, in a log it may share.
class Observer final : public CRowsObserver {
public:
    explicit Observer(Told& log, const char* name = "") : m_log(log), m_name(name) {}

private:
    void OnRowsInserted(int first, int count) override { Write("inserted", first, count); }
    void OnRowsRemoved(int first, int count) override { Write("removed", first, count); }
    void OnRowMoved(int from, int to) override { Write("moved", from, to); }
    void OnRowsChanged(int first, int count) override { Write("changed", first, count); }
    void OnRowsReplaced() override { m_log.push_back(m_name + "replaced"); }
    void Write(const char* what, int a, int b)
    {
        m_log.push_back(m_name + what + " " + std::to_string(a) + " " + std::to_string(b));
    }

    Told& m_log;
    std::string m_name;
};

class ShoppingList : public ::testing::Test {
protected:
    void SetUp() override { m_list.AddObserver(&m_observer); }
    // The list holds these items, in this order, and nothing has been told yet.
    void Put(std::initializer_list<ItemRow> items)
    {
        m_list.ClearItems();
        for (auto item = std::rbegin(items); item != std::rend(items); ++item)
            m_list.AddItem(*item);
        m_told.clear();
    }
    // Every row as its mark and name: L"1A 0B 2---- 2Total:".
    std::wstring Shown() const
    {
        std::wstring shown;
        for (int row = 0; row < m_list.RowCount(); ++row)
            shown += (row ? L" " : L"") + std::to_wstring(m_list.Mark(row)) + m_list.Text(row, ColumnName).str();
        return shown;
    }
    std::wstring Total() const { return m_list.Text(m_list.RowCount() - 1, ColumnPrice).str(); }
    Told TakeTold() { return std::exchange(m_told, {}); }

    CShoppingList m_list;
    Told m_told;
    Observer m_observer{m_told};
};

TEST_F(ShoppingList, StartsWithTheClosingRowsOnlyAndRowsNotThereAreEmpty)
{
    EXPECT_EQ(m_list.RowCount(), 2);
    const ItemRow separator = m_list.Row(0);
    const ItemRow total = m_list.Row(1);
    EXPECT_EQ(separator.mark, MarkBang);
    EXPECT_EQ(separator.name + separator.quantity + separator.location + separator.price, L"-------------");
    EXPECT_EQ(total.mark, MarkBang);
    EXPECT_EQ(total.name + L"|" + total.quantity + L"|" + total.location + L"|" + total.price, L"Total:|||0");
    for (int row : {-1, 2}) {
        EXPECT_EQ(m_list.Mark(row), MarkTick);
        EXPECT_EQ(m_list.Row(row).name, L"");
        EXPECT_EQ(m_list.Text(row, ColumnPrice), L"");
    }
}

TEST_F(ShoppingList, AddPutsTheItemOnTopWithACrossAndItsPriceInTheTotal)
{
    m_list.AddItem(Item(L"Milk", L"3"));
    EXPECT_EQ(TakeTold(), (Told{"inserted 0 1", "changed 2 1"}));
    // Each price counts as atoi reads it, and stays as it was typed.
    for (const wchar_t* price : {L"2.50", L"-4", L"1,5", L"abc", L"12.99"})
        m_list.AddItem(Item(L"X", price));
    EXPECT_EQ(Shown(), L"1X 1X 1X 1X 1X 1Milk 2---- 2Total:");
    EXPECT_EQ(Total(), L"14");
    EXPECT_EQ(m_list.Text(0, ColumnPrice), L"12.99");
    EXPECT_EQ(m_list.Row(5).quantity + m_list.Row(5).location, L"1Shop");

    Put({});
    for (int i = 0; i < 3; ++i)
        m_list.AddItem(Item(L"Gold", L"99999999999"));
    EXPECT_EQ(Total(), L"6442450941") << "each price holds at the 32-bit range; the sum never wraps";
    m_list.AddItem(Item(L"Debt", L"-99999999999"));
    EXPECT_EQ(Total(), L"4294967293");
}

TEST_F(ShoppingList, ApplyChangesTheTextsNotTheMarkAndMovesThePriceInTheTotal)
{
    Put({Item(L"A", L"3", MarkTick), Item(L"B", L"5")});
    m_list.ApplyToItem(0, Item(L"C", L" 7 EUR", MarkBang));
    EXPECT_EQ(Shown(), L"0C 1B 2---- 2Total:");
    EXPECT_EQ(m_list.Text(0, ColumnPrice), L" 7 EUR");
    EXPECT_EQ(Total(), L"12");
    EXPECT_EQ(TakeTold(), (Told{"changed 0 1", "changed 3 1"}));

    for (int row : {-1, 2, 3, 4})
        m_list.ApplyToItem(row, Item(L"D", L"100"));
    EXPECT_EQ(Shown(), L"0C 1B 2---- 2Total:") << "only item rows take texts";
    EXPECT_EQ(Total(), L"12");
    EXPECT_EQ(TakeTold(), Told{});
}

TEST_F(ShoppingList, DeleteRefusesFlaggedItemsAndClosingRowsAndTakesThePriceOut)
{
    Put({Item(L"A", L"1", MarkTick), Item(L"B", L"2"), Item(L"C", L"4", MarkBang), Item(L"D", L"8", MarkQuestion)});
    const bool mayDelete[] = {true, true, false, false, false, false};
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(m_list.MayDelete(row), mayDelete[row]) << "row " << row;
    m_list.ToggleCheck(4);
    m_list.ToggleCheck(5);
    m_list.ToggleCheck(5);
    EXPECT_EQ(Shown(), L"0A 1B 2C 3D 1---- 0Total:");
    EXPECT_FALSE(m_list.MayDelete(4) || m_list.MayDelete(5)) << "the closing rows stay, whatever their mark";
    EXPECT_TRUE(m_list.MayDelete(-1)) << "no row: the question comes, the removal changes nothing";
    TakeTold();

    m_list.RemoveItem(1);
    EXPECT_EQ(Shown(), L"0A 2C 3D 1---- 0Total:");
    EXPECT_EQ(Total(), L"13");
    EXPECT_EQ(TakeTold(), (Told{"removed 1 1", "changed 4 1"}));
    for (int row : {-1, 3, 4})
        m_list.RemoveItem(row);
    EXPECT_EQ(Shown(), L"0A 2C 3D 1---- 0Total:");
    EXPECT_EQ(TakeTold(), Told{});
}

TEST_F(ShoppingList, CheckAndSpecialFollowTheMarkTableOnItemsAndClosingRows)
{
    const struct {
        ItemMark before, check, special;
    } table[] = {
        {MarkTick, MarkCross, MarkBang},    {MarkCross, MarkTick, MarkBang},
        {MarkBang, MarkCross, MarkQuestion}, {MarkQuestion, MarkCross, MarkBang},
        {static_cast<ItemMark>(6), MarkCross, MarkBang},  // a mark that only a file can give
    };
    for (const auto& entry : table) {
        SCOPED_TRACE("mark " + std::to_string(entry.before));
        Put({Item(L"A", L"3", entry.before)});
        m_list.ToggleCheck(0);
        EXPECT_EQ(m_list.Mark(0), entry.check);
        Put({Item(L"A", L"3", entry.before)});
        m_list.ToggleSpecial(0);
        EXPECT_EQ(m_list.Mark(0), entry.special);
        EXPECT_EQ(TakeTold(), Told{"changed 0 1"}) << "the total is not touched";
    }

    m_list.ToggleCheck(1);
    m_list.ToggleSpecial(2);
    EXPECT_EQ(Shown(), L"2A 1---- 3Total:");
    m_list.ToggleCheck(1);
    m_list.ToggleSpecial(2);
    EXPECT_EQ(Shown(), L"2A 0---- 2Total:");
    EXPECT_EQ(TakeTold(), (Told{"changed 1 1", "changed 2 1", "changed 1 1", "changed 2 1"}));
    for (int row : {-1, 3}) {
        m_list.ToggleCheck(row);
        m_list.ToggleSpecial(row);
    }
    EXPECT_EQ(TakeTold(), Told{}) << "no row, no change";
}

enum Move { Up, Down, Top, Bottom };

TEST_F(ShoppingList, MovesFollowTheMoveTableAndTheClosingRowsNeverMove)
{
    const Move moves[] = {Up, Down, Top, Bottom};
    // items, row, move, the row's new index or -1 when it may not move so
    const struct {
        int items, row;
        Move move;
        int to;
    } table[] = {
        {1, 0, Up, -1},  {1, 0, Down, -1}, {1, 0, Top, 0},  {1, 0, Bottom, 0},
        {4, 0, Up, -1},  {4, 0, Down, 1},  {4, 0, Top, 0},  {4, 0, Bottom, 3},
        {4, 2, Up, 1},   {4, 2, Down, 3},  {4, 2, Top, 0},  {4, 2, Bottom, 3},
        {4, 3, Up, 2},   {4, 3, Down, -1}, {4, 3, Top, 0},  {4, 3, Bottom, 3},
    };
    auto run = [this](Move move, int row) {
        switch (move) {
        case Up: return m_list.MoveUp(row);
        case Down: return m_list.MoveDown(row);
        case Top: return m_list.MoveToTop(row);
        case Bottom: default: return m_list.MoveToBottom(row);
        }
    };
    auto putItems = [this](int count) {
        Put({});
        for (int i = count - 1; i >= 0; --i)
            m_list.AddItem(Item(std::wstring(1, static_cast<wchar_t>(L'A' + i)).c_str(), L"1",
                                static_cast<ItemMark>(i % 4)));
        m_told.clear();
        return Shown();
    };
    for (const auto& c : table) {
        SCOPED_TRACE("move " + std::to_string(c.move) + " of row " + std::to_string(c.row) + " among " +
                     std::to_string(c.items));
        std::wstring expected = putItems(c.items);  // "0A 1B 2C 3D 2---- 2Total:"
        if (c.to >= 0) {
            const std::wstring moved = expected.substr(static_cast<size_t>(3 * c.row), 3);
            expected.erase(static_cast<size_t>(3 * c.row), 3);
            expected.insert(static_cast<size_t>(3 * c.to), moved);
        }
        EXPECT_EQ(run(c.move, c.row), c.to);
        EXPECT_EQ(Shown(), expected) << "the mark and texts go with the row";
        EXPECT_EQ(TakeTold(), c.to >= 0 ? Told{"moved " + std::to_string(c.row) + " " + std::to_string(c.to)} : Told{});
        EXPECT_EQ(Total(), std::to_wstring(c.items));
    }

    for (int items : {0, 3}) {
        const std::wstring before = putItems(items);
        for (int row : {-1, items, items + 1, items + 2})
            for (Move move : moves)
                EXPECT_EQ(run(move, row), -1) << "move " << move << " of row " << row << " among " << items;
        EXPECT_EQ(Shown(), before);
        EXPECT_EQ(TakeTold(), Told{});
    }
}

TEST_F(ShoppingList, NewTakesTheItemsAndLeavesTheClosingRowsWithTheirMarks)
{
    Put({Item(L"A", L"3"), Item(L"B", L"4")});
    m_list.ToggleCheck(2);
    m_list.ToggleSpecial(3);
    TakeTold();
    m_list.ClearItems();
    EXPECT_EQ(Shown(), L"1---- 3Total:");
    EXPECT_EQ(Total(), L"0");
    EXPECT_EQ(TakeTold(), (Told{"removed 0 2", "changed 1 1"}));
    m_list.AddItem(Item(L"C", L"5"));
    EXPECT_EQ(Total(), L"5") << "the total starts again from 0";
}

TEST_F(ShoppingList, OpenCountsTheTotalAgainAndFlagsTheClosingRows)
{
    Put({Item(L"A", L"3")});
    m_list.ToggleCheck(1);
    m_list.ToggleCheck(2);
    TakeTold();
    CItemRows opened;
    opened.Append(Item(L"C", L"10", MarkTick));
    opened.Append(Item(L"D", L"2.5", MarkQuestion));
    m_list.ReplaceItems(std::move(opened));
    EXPECT_EQ(Shown(), L"0C 3D 2---- 2Total:");
    EXPECT_EQ(Total(), L"12");
    EXPECT_EQ(TakeTold(), Told{"replaced"});
}

TEST_F(ShoppingList, AttachPutsTheRowsFirstInTheirOrderAndAddsTheirPrices)
{
    Put({Item(L"A", L"3"), Item(L"B", L"4", MarkTick)});
    CItemRows attached;
    attached.Append(Item(L"C", L"10", MarkQuestion));
    attached.Append(Item(L"D", L"-1"));
    m_list.InsertItemsAhead(attached);
    EXPECT_EQ(Shown(), L"3C 1D 1A 0B 2---- 2Total:");
    EXPECT_EQ(Total(), L"16");
    EXPECT_EQ(m_list.Row(3).price, L"4");
    EXPECT_EQ(TakeTold(), (Told{"inserted 0 2", "changed 5 1"}));
    m_list.InsertItemsAhead(CItemRows());
    EXPECT_EQ(TakeTold(), Told{}) << "nothing attached, nothing told";
}

TEST(ShoppingListObservers, AreToldInTheOrderAddedOnceEachUntilRemoved)
{
    CShoppingList list;
    Told log;
    Observer first(log, "first "), second(log, "second ");
    list.AddObserver(&first);
    list.AddObserver(&second);
    list.AddObserver(&first);
    list.ToggleCheck(0);
    EXPECT_EQ(log, (Told{"first changed 0 1", "second changed 0 1"}));
    list.RemoveObserver(&first);
    log.clear();
    list.ToggleCheck(0);
    EXPECT_EQ(log, Told{"second changed 0 1"});
}

}  // namespace
