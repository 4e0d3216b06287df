#include "RunningTotal.h"

#include "../framework/TextCodec.h"

#include <climits>

namespace {

bool IsCSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

}  // namespace

int PriceValue(const CString& price)
{
    std::string text = NarrowText(price);
    size_t at = 0;
    while (at < text.size() && IsCSpace(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    int64_t magnitude = 0;
    const int64_t limit = negative ? -static_cast<int64_t>(INT_MIN) : INT_MAX;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude >= limit) {
            magnitude = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

void CRunningTotal::Add(const CString& price)
{
    m_sum += PriceValue(price);
}

void CRunningTotal::Subtract(const CString& price)
{
    m_sum -= PriceValue(price);
}

CString CRunningTotal::Text() const
{
    CString text;
    text.Format(L"%lld", static_cast<long long>(m_sum));
    return text;
}
