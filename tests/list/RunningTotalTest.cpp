// Prices as the total counts them, and the total itself.
#include "list/RunningTotal.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(PriceValue, ReadsTheLeadingIntegerAsAtoiDoes)
{
    const struct {
        const wchar_t* text;
        int value;
    } cases[] = {
        {L"12", 12},     {L"12.99", 12}, {L" 7 EUR", 7}, {L"-3", -3}, {L"1,5", 1},   {L"abc", 0},
        {L"$5", 0},      {L"", 0},       {L"+8", 8},     {L"\t 4", 4}, {L"- 4", 0},  {L"007", 7},
        {L"0x10", 0},    {L"2.50", 2},
    };
    for (const auto& c : cases)
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

}  // namespace
