#include "framework/TextCodec.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

std::string NarrowOf(std::wstring_view text, TextEncoding encoding = TextEncoding::Ansi)
{
    std::string narrow;
    AppendNarrowText(text, narrow, encoding);
    return narrow;
}

std::wstring WideOf(std::string_view text, TextEncoding encoding = TextEncoding::Ansi)
{
    std::wstring wide;
    WidenText(text.data(), text.size(), wide, encoding);
    return wide;
}

TEST(TextCodec, UsesTheWindowsCodePageOfTheTests)
{
    ASSERT_EQ(::GetACP(), 1252u) << "the tests expect the ANSI code page 1252 (locale C.UTF-8)";
}

TEST(TextCodec, NarrowsAndWidensTextOfTheCodePage)
{
    EXPECT_EQ(NarrowOf(L"Milk 2.50"), "Milk 2.50");
    EXPECT_EQ(NarrowOf(L"Caf\u00e9 \u20ac"), "Caf\xe9 \x80");
    EXPECT_EQ(WideOf("Caf\xe9 \x80"), L"Caf\u00e9 \u20ac");
    EXPECT_EQ(NarrowOf(L""), "");
    EXPECT_EQ(WideOf(""), L"");
    EXPECT_TRUE(FitsAnsiCodePage(L"Caf\u00e9 \u20ac"));
}

TEST(TextCodec, TellsWhatTheCodePageLacksAndWritesItsDefaultCharacter)
{
    for (const wchar_t* lacking : {L"\u0142", L"\u03b1", L"\u4e2d", L"\U0001f34e"})
        EXPECT_FALSE(FitsAnsiCodePage(lacking)) << NarrowOf(lacking, TextEncoding::Utf8);
    // Best fit would give "l" and "o" here: look-alikes that are not what was typed.
    EXPECT_EQ(NarrowOf(L"\u0142\u014d\u4e2d"), "???");
}

TEST(TextCodec, UsesUtf8WhereAskedTo)
{
    EXPECT_EQ(NarrowOf(L"\u0142\u4e2d\U0001f34e", TextEncoding::Utf8), "\xc5\x82\xe4\xb8\xad\xf0\x9f\x8d\x8e");
    EXPECT_EQ(WideOf("\xc5\x82\xe4\xb8\xad\xf0\x9f\x8d\x8e", TextEncoding::Utf8), L"\u0142\u4e2d\U0001f34e");
}

}  // namespace
