#include "support/MainWindowTest.h"

#include "list/RunningTotal.h"
#include "res/resource.h"

#include <climits>

namespace {

struct PriceCase {
    const wchar_t* text;
    int value;
};

TEST(PriceValue, ReadsTheLeadingIntegerAsAtoiDoes)
{
    const PriceCase cases[] = {
        {L"12", 12},     {L"12.99", 12}, {L" 7 EUR", 7}, {L"-3", -3}, {L"1,5", 1},   {L"abc", 0},
        {L"$5", 0},      {L"", 0},       {L"+8", 8},     {L"\t 4", 4}, {L"- 4", 0},  {L"007", 7},
        {L"0x10", 0},    {L"2.50", 2},
    };
    for (const PriceCase& c : cases)
        EXPECT_EQ(PriceValue(c.text), c.value) << "case " << (&c - cases);
}

TEST(PriceValue, HoldsAtTheIntegerRangeInsteadOfWrapping)
{
    EXPECT_EQ(PriceValue(L"2147483647"), INT_MAX);
    EXPECT_EQ(PriceValue(L"2147483648"), INT_MAX);
    EXPECT_EQ(PriceValue(L"99999999999"), INT_MAX);
    EXPECT_EQ(PriceValue(L"-2147483648"), INT_MIN);
    EXPECT_EQ(PriceValue(L"-99999999999999999999999"), INT_MIN);
}

TEST(RunningTotal, KeepsTheExactSumBeyondThirtyTwoBits)
{
    CRunningTotal total;
    EXPECT_EQ(total.Text(), L"0");
    total.Add(L"2147483647");
    total.Add(L"2147483647");
    total.Add(L"3");
    EXPECT_EQ(total.Text(), L"4294967297");
    total.Subtract(L"99999999999");
    EXPECT_EQ(total.Text(), L"2147483650");
    total.Reset();
    total.Subtract(L"-4x");
    total.Subtract(L"9");
    EXPECT_EQ(total.Text(), L"-5");
}

class TotalRow : public MainWindowTest {};

TEST_F(TotalRow, ShowsTheSumOfTheItemPrices)
{
    PutItem({1, L"Milk", L"1", L"Market", L"3"});
    PutItem({1, L"Bread", L"1", L"Market", L"2.50"});
    EXPECT_EQ(Rows().back(), Total(L"5"));
    PutItem({1, L"Refund", L"1", L"Market", L"-4"});
    PutItem({1, L"Cheese", L"1", L"Market", L"1,5"});
    PutItem({1, L"Eggs", L"1", L"Market", L"abc"});
    EXPECT_EQ(Rows().back(), Total(L"2"));
    EXPECT_EQ(Rows()[0].price, L"abc") << "a price is kept as typed";

    PutItem({1, L"Wine", L"1", L"Shop", L"12.99"});
    EXPECT_EQ(Rows().back(), Total(L"14"));
    FocusRow(1);  // Eggs, whose price counts 0
    m_prompts->Answer(IDYES);
    SendCommand(ID_ITEM_DELETE);
    FocusRow(0);
    m_prompts->Answer(IDYES);
    SendCommand(ID_ITEM_DELETE);
    EXPECT_EQ(Rows().back(), Total(L"2")) << "a deleted price goes out as it came in";
}

TEST_F(TotalRow, NeverWrapsAround)
{
    for (int i = 0; i < 3; ++i)
        PutItem({1, L"Gold", L"1", L"Bank", L"99999999999"});
    EXPECT_EQ(Rows().back(), Total(L"6442450941"));
}

TEST_F(TotalRow, ClosingRowsStayLast)
{
    PutItem({1, L"Milk", L"2", L"Market", L"3"});
    PutItem({0, L"Bread", L"1", L"Bakery", L"2"});
    std::vector<ShownRow> expected = {
        {0, L"Bread", L"1", L"Bakery", L"2"},
        {1, L"Milk", L"2", L"Market", L"3"},
        Separator(),
        Total(L"5"),
    };
    EXPECT_EQ(Rows(), expected);
}

}  // namespace
