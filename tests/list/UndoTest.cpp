// Undo and Redo of every kind of change to the list: each step taken back leaves the
// rows, their marks, their order and the total exactly as before it, and done again
// exactly as after it.
#include "list/ShoppingList.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

ItemRow Item(const wchar_t* name, const wchar_t* price, ItemMark mark = MarkCross)
{
    return {mark, name, L"1", L"Shop", price};
}

CItemRows Rows(const std::vector<ItemRow>& items)
{
    CItemRows rows;
    for (const ItemRow& item : items)
        rows.Append(item);
    return rows;
}

// Every row, closing rows too, as mark, texts and the total.
std::wstring State(const CShoppingList& list)
{
    std::wstring state;
    for (int row = 0; row < list.RowCount(); ++row) {
        state += std::to_wstring(list.Mark(row));
        for (ItemColumn column : ItemColumns)
            state += L"|" + list.Text(row, column).str();
        state += L"\n";
    }
    return state;
}

struct Change {
    const char* what;
    std::function<void(CShoppingList&)> make;
    int focusAfterUndo;
    int focusAfterRedo;
};

TEST(Undo, EachKindOfStepIsTakenBackWholeAndDoneAgainWhole)
{
    const Change changes[] = {
        {"Add", [](CShoppingList& l) { l.AddItem(Item(L"Salt", L"2")); }, 0, 0},
        {"Apply", [](CShoppingList& l) { l.ApplyToItem(1, Item(L"Rye", L"9")); }, 1, 1},
        {"Delete", [](CShoppingList& l) { l.RemoveItem(1); }, 1, 1},
        {"Delete of the last item", [](CShoppingList& l) { l.RemoveItem(2); }, 2, 1},
        {"Check", [](CShoppingList& l) { l.ToggleCheck(0); }, 0, 0},
        {"Check on the Total row", [](CShoppingList& l) { l.ToggleCheck(4); }, 4, 4},
        {"Special", [](CShoppingList& l) { l.ToggleSpecial(2); }, 2, 2},
        {"Up", [](CShoppingList& l) { l.MoveUp(2); }, 2, 1},
        {"Down", [](CShoppingList& l) { l.MoveDown(0); }, 0, 1},
        {"Top", [](CShoppingList& l) { l.MoveToTop(2); }, 2, 0},
        {"Bottom", [](CShoppingList& l) { l.MoveToBottom(0); }, 0, 2},
        {"New", [](CShoppingList& l) { l.ClearItems(); }, 0, -1},
        {"Open", [](CShoppingList& l) { l.ReplaceItems(Rows({Item(L"Tea", L"5")})); }, 0, 0},
        {"Attach", [](CShoppingList& l) { l.InsertItemsAhead(Rows({Item(L"Tea", L"5"), Item(L"Jam", L"4")})); }, 0, 0},
        {"a merge", [](CShoppingList& l) { l.ReplaceItems(Rows({Item(L"Milk", L"3")}), {0, -1, -1}); }, 0, 0},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        CShoppingList list;
        list.ReplaceItems(Rows({Item(L"Milk", L"3"), Item(L"Bread", L"2", MarkTick), Item(L"Eggs", L"4", MarkBang)}));
        list.ToggleSpecial(3);  // the separator row flagged the second way
        list.ForgetHistory();
        const std::wstring before = State(list);
        change.make(list);
        const std::wstring after = State(list);
        ASSERT_NE(after, before);

        EXPECT_EQ(list.Undo(), change.focusAfterUndo);
        EXPECT_EQ(State(list), before);
        EXPECT_FALSE(list.CanUndo());
        EXPECT_EQ(list.Redo(), change.focusAfterRedo);
        EXPECT_EQ(State(list), after);
        EXPECT_FALSE(list.CanRedo());
        list.Undo();
        EXPECT_EQ(State(list), before) << "a second undo";
    }
}

TEST(Undo, StepsGoBackInTurnAndANewChangeDropsWhatCouldBeRedone)
{
    CShoppingList list;
    std::vector<std::wstring> states = {State(list)};
    list.AddItem(Item(L"Milk", L"3"));
    states.push_back(State(list));
    list.AddItem(Item(L"Bread", L"2"));
    states.push_back(State(list));
    list.ToggleCheck(1);
    states.push_back(State(list));
    for (int step = 3; step > 0; --step) {
        list.Undo();
        EXPECT_EQ(State(list), states[static_cast<size_t>(step - 1)]);
    }
    EXPECT_EQ(list.Undo(), -1) << "nothing left to undo";
    list.Redo();
    list.Redo();
    EXPECT_EQ(State(list), states[2]);
    list.MoveToBottom(0);
    EXPECT_FALSE(list.CanRedo());
    list.Undo();
    EXPECT_EQ(State(list), states[2]);
}

TEST(Undo, AHundredMarksAndMovesKeepLessThanAMebibyte)
{
    CShoppingList list;
    CItemRows many;
    for (int row = 0; row < 1000; ++row)
        many.Append(Item(L"Milk", L"1"));
    list.ReplaceItems(std::move(many));
    list.ForgetHistory();
    for (int step = 0; step < 50; ++step) {
        list.ToggleCheck(step);
        list.MoveToTop(999 - step);
    }
    EXPECT_LE(list.HistoryBytes(), size_t{1} << 20) << "100 marks and moves";
    for (int step = 0; step < 100; ++step) {
        ASSERT_TRUE(list.CanUndo()) << step;
        list.Undo();
    }
}

}  // namespace
