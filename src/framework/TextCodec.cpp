#include "TextCodec.h"

#include <windows.h>

#include <vector>

std::string NarrowText(const CString& text)
{
    // Room for two bytes a character, the most any ANSI code page needs.
    std::vector<char> buffer(2 * (static_cast<size_t>(text.GetLength()) + 1), '\0');
    // No best fit: a character the code page lacks must not turn into a look-alike.
    int written = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.GetString(), text.GetLength() + 1,
                                        buffer.data(), static_cast<int>(buffer.size()), nullptr, nullptr);
    if (written <= 0)
        return std::string();
    return std::string(buffer.data());
}

CString WidenText(const char* text)
{
    return CString(text);
}
