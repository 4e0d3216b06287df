// The sum of the item prices, counted as whole numbers.
#pragma once

#include "../framework/String.h"

#include <cstdint>
#include <string_view>

// The leading integer of a price text, as atoi reads it in the ANSI code page
// (white space, a sign, digits), held at the 32-bit range instead of wrapping.
int PriceValue(std::wstring_view price);

class CRunningTotal {
public:
    void Reset() { m_sum = 0; }
    void Add(std::wstring_view price);
    void Subtract(std::wstring_view price);
    // The sum in "%i" form: decimal, a leading "-" when negative.
    CString Text() const;

private:
    // Prices are 32-bit, so leaving this range would take 2^32 rows.
    int64_t m_sum = 0;
};
