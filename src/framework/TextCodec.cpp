#include "TextCodec.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace {

// Most texts are plain ASCII, which every ANSI code page holds as it is.
template <class Char>
bool IsAscii(const Char* text, size_t length)
{
    return std::all_of(text, text + length, [](Char ch) { return static_cast<unsigned>(ch) < 0x80; });
}

}  // namespace

std::string NarrowText(const CString& text)
{
    std::string narrow;
    AppendNarrowText(text.str(), narrow);
    return narrow;
}

void AppendNarrowText(std::wstring_view text, std::string& out)
{
    // Like a C string, the text ends at its first NUL.
    text = text.substr(0, std::min(text.size(), text.find(L'\0')));
    if (IsAscii(text.data(), text.size())) {
        out.append(text.begin(), text.end());
        return;
    }
    const int length = static_cast<int>(std::min<size_t>(text.size(), INT_MAX / 4));
    // No best fit: a character the code page lacks must not turn into a look-alike.
    const int needed = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return;
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(needed));
    const int written = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, &out[at], needed, nullptr, nullptr);
    out.resize(at + static_cast<size_t>(std::max(written, 0)));
}

CString WidenText(const char* text)
{
    return CString(text);
}

void WidenText(const char* text, size_t length, std::wstring& out)
{
    out.clear();
    if (IsAscii(text, length)) {
        out.assign(text, text + length);
        return;
    }
    const int bytes = static_cast<int>(std::min<size_t>(length, INT_MAX / 2));
    const int needed = ::MultiByteToWideChar(CP_ACP, 0, text, bytes, nullptr, 0);
    if (needed <= 0)
        return;
    out.resize(static_cast<size_t>(needed));
    const int written = ::MultiByteToWideChar(CP_ACP, 0, text, bytes, &out[0], needed);
    out.resize(static_cast<size_t>(std::max(written, 0)));
}
