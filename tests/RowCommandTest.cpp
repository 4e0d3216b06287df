#include "support/MainWindowTest.h"

#include "res/resource.h"

namespace {

class RowCommand : public MainWindowTest {};

TEST_F(RowCommand, CheckAndSpecialWithoutACurrentRowChangeNothing)
{
    PutItem({1, L"Milk", L"1", L"Market", L"3"});
    ClearFocus();
    std::vector<ShownRow> before = Rows();
    SendCommand(ID_ITEM_CHECK);
    SendCommand(ID_ITEM_SPECIAL);
    EXPECT_EQ(Rows(), before);
}

TEST_F(RowCommand, DeleteAsksAndTakesThePriceOut)
{
    PutItem({1, L"Bread", L"1", L"Bakery", L"8"});
    PutItem({0, L"Wine", L"1", L"Shop", L"12.99"});
    FocusRow(0);

    m_prompts->Answer(IDNO);
    SendCommand(ID_ITEM_DELETE);
    ASSERT_EQ(m_prompts->Questions().size(), 1u);
    EXPECT_EQ(m_prompts->Questions()[0].text, L"Do you want to delete this item?");
    EXPECT_EQ(m_prompts->Questions()[0].caption, L"Warning");
    EXPECT_EQ(m_prompts->Questions()[0].type, 52u);
    EXPECT_EQ(Rows().size(), 4u) << "No keeps the row";
    EXPECT_EQ(Rows().back(), Total(L"20"));

    m_prompts->Answer(IDYES);
    SendCommand(ID_ITEM_DELETE);
    std::vector<ShownRow> expected = {{1, L"Bread", L"1", L"Bakery", L"8"}, Separator(), Total(L"8")};
    EXPECT_EQ(Rows(), expected);
}

TEST_F(RowCommand, DeleteRefusesFlaggedItemsAndClosingRowsSilently)
{
    PutItem({2, L"Cake", L"1", L"Bakery", L"6"});
    PutItem({3, L"Fish", L"1", L"Market", L"9"});
    for (int row : {0, 1, 2, 3}) {
        FocusRow(row);
        SendCommand(ID_ITEM_DELETE);
    }
    EXPECT_TRUE(m_prompts->Questions().empty());
    EXPECT_EQ(Rows().size(), 4u);

    FocusRow(1);
    SendCommand(ID_ITEM_CHECK);
    m_prompts->Answer(IDYES);
    SendCommand(ID_ITEM_DELETE);
    std::vector<ShownRow> expected = {{3, L"Fish", L"1", L"Market", L"9"}, Separator(), Total(L"9")};
    EXPECT_EQ(Rows(), expected) << "once Check made it a cross it can be deleted";
}

TEST_F(RowCommand, DeleteWithoutACurrentRowAsksButRemovesNothing)
{
    PutItem({1, L"Milk", L"1", L"Market", L"3"});
    ClearFocus();
    m_prompts->Answer(IDYES);
    SendCommand(ID_ITEM_DELETE);
    EXPECT_EQ(m_prompts->Questions().size(), 1u);
    std::vector<ShownRow> expected = {{1, L"Milk", L"1", L"Market", L"3"}, Separator(), Total(L"3")};
    EXPECT_EQ(Rows(), expected);
}

}  // namespace

namespace {

class MoveCommand : public MainWindowTest {
protected:
    void PutThreeItems()
    {
        PutItem({1, L"C", L"1", L"Shop", L"3"});
        PutItem({0, L"B", L"1", L"Shop", L"2"});
        PutItem({2, L"A", L"1", L"Shop", L"1"});
    }
    std::wstring Order() const
    {
        std::wstring names;
        for (const ShownRow& row : Rows())
            names += row.name.substr(0, 1);
        return names;
    }
};

TEST_F(MoveCommand, MovesTheCurrentItemAndItKeepsTheFocus)
{
    PutThreeItems();
    FocusRow(0);
    SendCommand(ID_ITEM_BOTTOM);
    EXPECT_EQ(Order(), L"BCA-T");
    EXPECT_EQ(FocusedRow(), 2);
    SendCommand(ID_ITEM_UP);
    EXPECT_EQ(Order(), L"BAC-T");
    SendCommand(ID_ITEM_TOP);
    EXPECT_EQ(Order(), L"ABC-T");
    SendCommand(ID_ITEM_DOWN);
    EXPECT_EQ(Order(), L"BAC-T");
    EXPECT_EQ(FocusedRow(), 1);
    EXPECT_EQ(Rows()[1], (ShownRow{2, L"A", L"1", L"Shop", L"1"})) << "the row moves with its mark and texts";
    EXPECT_EQ(Rows().back(), Total(L"6")) << "no move changes the total";
}

}  // namespace
