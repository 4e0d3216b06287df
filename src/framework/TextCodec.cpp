#include "TextCodec.h"

#include <windows.h>

#include <algorithm>

namespace {

// The platform counts characters and bytes in int: a longer text is converted in
// pieces of this size, each ending on a whole character.
constexpr size_t kPiece = size_t(1) << 24;

// Most texts are plain ASCII, which every code page holds as it is.
template <class Char>
bool IsAscii(const Char* text, size_t length)
{
    return std::all_of(text, text + length, [](Char ch) { return static_cast<unsigned>(ch) < 0x80; });
}

// Like a C string, a text ends at its first NUL.
std::wstring_view UpToNul(std::wstring_view text)
{
    return text.substr(0, std::min(text.size(), text.find(L'\0')));
}

// Windows refuses WC_NO_BEST_FIT_CHARS, and the question whether the default
// character was used, for the code pages that hold every character.
bool HoldsEveryCharacter(UINT codePage)
{
    return codePage == CP_UTF8 || codePage == CP_UTF7 || codePage == 54936;
}

// No best fit where the code page allows it: a character the code page lacks must
// not turn into a look-alike.
DWORD NarrowingFlags(UINT codePage)
{
    return HoldsEveryCharacter(codePage) ? 0 : WC_NO_BEST_FIT_CHARS;
}

size_t WidePieceLength(std::wstring_view text)
{
    if (text.size() <= kPiece)
        return text.size();
    return IS_HIGH_SURROGATE(text[kPiece - 1]) ? kPiece - 1 : kPiece;
}

// The most bytes that one UTF-16 character can take in the code page.
size_t MostBytesPerCharacter(UINT codePage)
{
    if (codePage == CP_UTF8)
        return 3;  // a surrogate pair takes four, two for each half
    CPINFO info = {};
    return ::GetCPInfo(codePage, &info) ? info.MaxCharSize : 4;
}

size_t Utf8PieceLength(const char* text)
{
    size_t end = kPiece;
    while (end > kPiece - 4 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return end;
}

// Only a walk from the start tells which bytes begin a character.
size_t DoubleBytePieceLength(const char* text, UINT codePage)
{
    size_t end = 0;
    for (;;) {
        const size_t next = end + (::IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[end])) ? 2 : 1);
        if (next > kPiece)
            return end;
        end = next;
    }
}

size_t NarrowPieceLength(const char* text, size_t length, UINT codePage)
{
    if (length <= kPiece)
        return length;
    if (codePage == CP_UTF8)
        return Utf8PieceLength(text);
    return MostBytesPerCharacter(codePage) == 1 ? kPiece : DoubleBytePieceLength(text, codePage);
}

// Each piece is converted once, into room for its longest form.
void AppendNarrowPiece(std::wstring_view piece, UINT codePage, std::string& out)
{
    const size_t at = out.size();
    const size_t room = piece.size() * MostBytesPerCharacter(codePage);
    out.resize(at + room);
    const int written = ::WideCharToMultiByte(codePage, NarrowingFlags(codePage), piece.data(),
                                              static_cast<int>(piece.size()), &out[at], static_cast<int>(room),
                                              nullptr, nullptr);
    out.resize(at + static_cast<size_t>(std::max(written, 0)));
}

// No byte gives more than one UTF-16 character.
void AppendWidePiece(const char* piece, size_t length, UINT codePage, std::wstring& out)
{
    const size_t at = out.size();
    out.resize(at + length);
    const int written = ::MultiByteToWideChar(codePage, 0, piece, static_cast<int>(length), &out[at],
                                              static_cast<int>(length));
    out.resize(at + static_cast<size_t>(std::max(written, 0)));
}

}  // namespace

unsigned CodePageOf(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? CP_UTF8 : ::GetACP();
}

bool FitsAnsiCodePage(std::wstring_view text)
{
    if (IsAscii(text.data(), text.size()))
        return true;
    text = UpToNul(text);
    const UINT codePage = ::GetACP();
    if (HoldsEveryCharacter(codePage))
        return true;
    while (!text.empty()) {
        const size_t piece = WidePieceLength(text);
        BOOL usedDefault = FALSE;
        if (::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(piece), nullptr, 0,
                                  nullptr, &usedDefault) <= 0 ||
            usedDefault)
            return false;
        text.remove_prefix(piece);
    }
    return true;
}

void AppendNarrowText(std::wstring_view text, std::string& out, TextEncoding encoding)
{
    text = UpToNul(text);
    if (IsAscii(text.data(), text.size())) {
        out.append(text.begin(), text.end());
        return;
    }
    const UINT codePage = CodePageOf(encoding);
    out.reserve(out.size() + text.size());
    while (!text.empty()) {
        const size_t piece = WidePieceLength(text);
        AppendNarrowPiece(text.substr(0, piece), codePage, out);
        text.remove_prefix(piece);
    }
}

void WidenText(const char* text, size_t length, std::wstring& out, TextEncoding encoding)
{
    out.clear();
    if (IsAscii(text, length)) {
        out.assign(text, text + length);
        return;
    }
    const UINT codePage = CodePageOf(encoding);
    out.reserve(length);
    while (length > 0) {
        const size_t piece = NarrowPieceLength(text, length, codePage);
        AppendWidePiece(text, piece, codePage, out);
        text += piece;
        length -= piece;
    }
}
