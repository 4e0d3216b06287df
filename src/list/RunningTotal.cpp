#include "RunningTotal.h"

#include <algorithm>
#include <climits>

namespace {

bool IsCSpace(wchar_t ch)
{
    return ch == L' ' || ch == L'\t' || ch == L'\n' || ch == L'\v' || ch == L'\f' || ch == L'\r';
}

}  // namespace

// Only ASCII characters are white space, signs or digits, and every code page
// holds those as they are, so the UTF-16 text reads as its ANSI form would.
int PriceValue(std::wstring_view price)
{
    const std::wstring_view text = price.substr(0, std::min(price.size(), price.find(L'\0')));
    size_t at = 0;
    while (at < text.size() && IsCSpace(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) {
        negative = text[at] == L'-';
        ++at;
    }
    int64_t magnitude = 0;
    const int64_t limit = negative ? -static_cast<int64_t>(INT_MIN) : INT_MAX;
    for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9'; ++at) {
        magnitude = magnitude * 10 + (text[at] - L'0');
        if (magnitude >= limit) {
            magnitude = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

void CRunningTotal::Add(std::wstring_view price)
{
    m_sum += PriceValue(price);
}

void CRunningTotal::Subtract(std::wstring_view price)
{
    m_sum -= PriceValue(price);
}

CString CRunningTotal::Text() const
{
    CString text;
    text.Format(L"%lld", static_cast<long long>(m_sum));
    return text;
}
