// The list's rules without a window: what each change does to the rows, their marks
// and the total, and what the observers are told of it.
#include "list/ShoppingList.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace {

using Told = std::vector<std::string>;

ItemRow Item(const std::wstring& name, const wchar_t* price, ItemMark mark = MarkCross)
{
    return {mark, name.c_str(), L"1", L"Shop", price};
}

// Writes down each change it is told of, in a log that others may share.
class Observer final : public CRowsObserver {
public:
    explicit Observer(Told& log, std::string name = "") : m_log(log), m_name(std::move(name)) {}

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
    // The list holds these items, in this order; nothing has been told yet.
    void Put(const std::vector<ItemRow>& items)
    {
        m_list.ClearItems();
        for (auto item = items.rbegin(); item != items.rend(); ++item)
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

std::wstring Texts(const ItemRow& row)
{
    return row.name.str() + L"|" + row.quantity.str() + L"|" + row.location.str() + L"|" + row.price.str();
}

TEST(PriceValue, ReadsTheLeadingIntegerAsAtoiDoesHeldAtTheIntegerRange)
{
    const struct {
        const wchar_t* text;
        int value;
    } cases[] = {
        {L"12", 12},    {L"12.99", 12}, {L" 7 EUR", 7}, {L"-3", -3},  {L"1,5", 1},
        {L"abc", 0},    {L"$5", 0},     {L"", 0},       {L"+8", 8},   {L"\t 4", 4},
        {L"- 4", 0},    {L"007", 7},    {L"0x10", 0},   {L"2.50", 2}, {L"2147483647", INT_MAX},
        {L"2147483648", INT_MAX},       {L"99999999999", INT_MAX},    {L"-2147483648", INT_MIN},
        {L"-99999999999999999999999", INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PriceValue(c.text), c.value) << "case " << (&c - cases);
}

TEST_F(ShoppingList, AddPutsTheItemOnTopWithACrossAndItsPriceInTheTotal)
{
    EXPECT_EQ(Shown(), L"2---- 2Total:");
    EXPECT_EQ(Texts(m_list.Row(0)) + Texts(m_list.Row(1)), L"----|---|---|---Total:|||0");
    for (int row : {-1, 2})
        EXPECT_EQ(std::to_wstring(m_list.Mark(row)) + Texts(m_list.Row(row)), L"0|||") << "no row " << row;

    m_list.AddItem(ItemRow{});
    EXPECT_EQ(m_list.Mark(0), MarkCross) << "a new item's mark";
    EXPECT_EQ(TakeTold(), (Told{"inserted 0 1", "changed 2 1"}));
    // Each price counts as atoi reads it, and stays as it was typed.
    Put({Item(L"Milk", L"3")});
    for (const wchar_t* price : {L"2.50", L"-4", L"1,5", L"abc", L"12.99"})
        m_list.AddItem(Item(L"X", price));
    EXPECT_EQ(Shown(), L"1X 1X 1X 1X 1X 1Milk 2---- 2Total:");
    EXPECT_EQ(Total(), L"14");
    EXPECT_EQ(Texts(m_list.Row(0)), L"X|1|Shop|12.99");

    Put({Item(L"Debt", L"-99999999999")});
    EXPECT_EQ(Total(), L"-2147483648");
    for (int i = 0; i < 3; ++i)
        m_list.AddItem(Item(L"Gold", L"99999999999"));
    EXPECT_EQ(Total(), L"4294967293") << "each price holds at the 32-bit range; the sum never wraps";
}

TEST_F(ShoppingList, ApplyChangesTheTextsNotTheMarkAndMovesThePriceInTheTotal)
{
    Put({Item(L"A", L"3", MarkTick), Item(L"B", L"5")});
    m_list.ApplyToItem(0, Item(L"C", L" 7 EUR", MarkBang));
    EXPECT_EQ(Shown(), L"0C 1B 2---- 2Total:");
    EXPECT_EQ(Texts(m_list.Row(0)), L"C|1|Shop| 7 EUR");
    EXPECT_EQ(Total(), L"12");
    EXPECT_EQ(TakeTold(), (Told{"changed 0 1", "changed 3 1"}));

    for (int row : {-1, 2, 3, 4})
        m_list.ApplyToItem(row, Item(L"D", L"100"));
    EXPECT_EQ(Shown() + Total(), L"0C 1B 2---- 2Total:12") << "only item rows take texts";
    EXPECT_EQ(TakeTold(), Told{});
}

TEST_F(ShoppingList, DeleteRefusesFlaggedItemsAndClosingRowsAndTakesThePriceOut)
{
    Put({Item(L"A", L"1", MarkTick), Item(L"B", L"2"), Item(L"C", L"4", MarkBang), Item(L"D", L"8", MarkQuestion)});
    m_list.ToggleCheck(4);
    m_list.ToggleCheck(5);
    m_list.ToggleCheck(5);
    ASSERT_EQ(Shown(), L"0A 1B 2C 3D 1---- 0Total:");
    const bool mayDelete[] = {true, true, false, false, false, false};
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(m_list.MayDelete(row), mayDelete[row]) << "row " << row << ": the closing rows never";
    EXPECT_TRUE(m_list.MayDelete(-1)) << "no row: the question comes, the removal changes nothing";
    TakeTold();

    m_list.RemoveItem(1);
    EXPECT_EQ(Shown() + Total(), L"0A 2C 3D 1---- 0Total:13");
    EXPECT_EQ(TakeTold(), (Told{"removed 1 1", "changed 4 1"}));
    for (int row : {-1, 3, 4})
        m_list.RemoveItem(row);
    EXPECT_EQ(Shown() + Total(), L"0A 2C 3D 1---- 0Total:13");
    EXPECT_EQ(TakeTold(), Told{});
}

TEST_F(ShoppingList, CheckAndSpecialFollowTheMarkTableOnItemsAndClosingRows)
{
    const struct {
        ItemMark before, check, special;
    } table[] = {
        {MarkTick, MarkCross, MarkBang},     {MarkCross, MarkTick, MarkBang},
        {MarkBang, MarkCross, MarkQuestion}, {MarkQuestion, MarkCross, MarkBang},
        {static_cast<ItemMark>(6), MarkCross, MarkBang},  // a mark that only a file gives
    };
    for (const auto& entry : table) {
        SCOPED_TRACE("mark " + std::to_string(entry.before));
        Put({Item(L"A", L"3", entry.before), Item(L"B", L"4", entry.before)});
        m_list.ToggleCheck(0);
        m_list.ToggleSpecial(1);
        EXPECT_EQ(m_list.Mark(0), entry.check);
        EXPECT_EQ(m_list.Mark(1), entry.special);
        EXPECT_EQ(TakeTold(), (Told{"changed 0 1", "changed 1 1"})) << "the total is not touched";
    }

    for (int row : {2, 3, -1, 4}) {
        m_list.ToggleCheck(row);
        m_list.ToggleSpecial(row);
    }
    EXPECT_EQ(Shown(), L"1A 2B 2---- 2Total:") << "bang, Check: cross, Special: bang";
    EXPECT_EQ(TakeTold(), (Told{"changed 2 1", "changed 2 1", "changed 3 1", "changed 3 1"})) << "no row, no change";
    m_list.ToggleCheck(2);
    m_list.ToggleCheck(2);
    m_list.ToggleSpecial(3);
    EXPECT_EQ(Shown(), L"1A 2B 0---- 3Total:");
}

TEST_F(ShoppingList, MovesFollowTheMoveTableAndTheClosingRowsNeverMove)
{
    enum Move { Up, Down, Top, Bottom };
    int (CShoppingList::*const moves[])(int) = {&CShoppingList::MoveUp, &CShoppingList::MoveDown,
                                               &CShoppingList::MoveToTop, &CShoppingList::MoveToBottom};
    // items, row, move, the row's new index or -1 when it may not move so
    const struct {
        int items, row;
        Move move;
        int to;
    } table[] = {
        {1, 0, Up, -1}, {1, 0, Down, -1}, {1, 0, Top, 0}, {1, 0, Bottom, 0},
        {4, 0, Up, -1}, {4, 0, Down, 1},  {4, 0, Top, 0}, {4, 0, Bottom, 3},
        {4, 2, Up, 1},  {4, 2, Down, 3},  {4, 2, Top, 0}, {4, 2, Bottom, 3},
        {4, 3, Up, 2},  {4, 3, Down, -1}, {4, 3, Top, 0}, {4, 3, Bottom, 3},
    };
    // "0A 1B 2C 3D 2---- 2Total:": each row three characters, its mark its own.
    auto putItems = [this](int count) {
        std::vector<ItemRow> items;
        for (int i = 0; i < count; ++i)
            items.push_back(Item(std::wstring(1, static_cast<wchar_t>(L'A' + i)), L"1", static_cast<ItemMark>(i)));
        Put(items);
        return Shown();
    };
    for (const auto& c : table) {
        SCOPED_TRACE("move " + std::to_string(c.move) + " of row " + std::to_string(c.row) + " among " +
                     std::to_string(c.items));
        std::wstring expected = putItems(c.items);
        if (c.to >= 0) {
            const std::wstring moved = expected.substr(static_cast<size_t>(3 * c.row), 3);
            expected.erase(static_cast<size_t>(3 * c.row), 3);
            expected.insert(static_cast<size_t>(3 * c.to), moved);
        }
        EXPECT_EQ((m_list.*moves[c.move])(c.row), c.to);
        EXPECT_EQ(Shown() + Total(), expected + std::to_wstring(c.items)) << "the row's mark and texts go with it";
        EXPECT_EQ(TakeTold(), c.to >= 0 ? Told{"moved " + std::to_string(c.row) + " " + std::to_string(c.to)} : Told{});
    }

    for (int items : {0, 3}) {
        const std::wstring before = putItems(items);
        for (int row : {-1, items, items + 1, items + 2})
            for (auto move : moves)
                EXPECT_EQ((m_list.*move)(row), -1) << "row " << row << " among " << items;
        EXPECT_EQ(Shown(), before);
        EXPECT_EQ(TakeTold(), Told{});
    }
}

TEST_F(ShoppingList, NewOpenAndAttach)
{
    Put({Item(L"A", L"3"), Item(L"B", L"4", MarkTick)});
    m_list.ToggleCheck(2);
    m_list.ToggleSpecial(3);
    TakeTold();
    m_list.ClearItems();
    EXPECT_EQ(Shown() + Total(), L"1---- 3Total:0") << "New: the closing rows keep their marks";
    EXPECT_EQ(TakeTold(), (Told{"removed 0 2", "changed 1 1"}));

    m_list.AddItem(Item(L"A", L"3"));
    CItemRows opened;
    opened.Append(Item(L"C", L"10", MarkTick));
    opened.Append(Item(L"D", L"2.5", MarkQuestion));
    TakeTold();
    m_list.ReplaceItems(std::move(opened));
    EXPECT_EQ(Shown() + Total(), L"0C 3D 2---- 2Total:12") << "Open: the total counted anew, the closing rows flagged";
    EXPECT_EQ(TakeTold(), Told{"replaced"});

    CItemRows attached;
    attached.Append(Item(L"E", L"-1"));
    attached.Append(Item(L"F", L"6", MarkBang));
    m_list.InsertItemsAhead(attached);
    EXPECT_EQ(Shown() + Total(), L"1E 2F 0C 3D 2---- 2Total:17") << "Attach: the rows first, in their order";
    EXPECT_EQ(Texts(m_list.Row(2)), L"C|1|Shop|10");
    EXPECT_EQ(TakeTold(), (Told{"inserted 0 2", "changed 5 1"}));
    m_list.InsertItemsAhead(CItemRows());
    EXPECT_EQ(TakeTold(), Told{}) << "nothing attached, nothing told";
}

TEST_F(ShoppingList, ObserversAreToldInTheOrderAddedOnceEachUntilRemoved)
{
    Observer second(m_told, "second ");
    m_list.AddObserver(&second);
    m_list.AddObserver(&m_observer);
    m_list.ToggleCheck(0);
    m_list.RemoveObserver(&m_observer);
    m_list.ToggleCheck(0);
    m_list.RemoveObserver(&second);
    EXPECT_EQ(TakeTold(), (Told{"changed 0 1", "second changed 0 1", "second changed 0 1"}));
}

}  // namespace
