#include "framework/TextCodec.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

std::string NarrowOf(std::wstring_view text)
{
    std::string narrow;
    AppendNarrowText(text, narrow);
    return narrow;
}

std::wstring WideOf(std::string_view text)
{
    std::wstring wide;
    WidenText(text.data(), text.size(), wide);
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
}

TEST(TextCodec, WritesTheDefaultCharacterForWhatTheCodePageLacks)
{
    // Best fit would give "l" and "o" here: look-alikes that are not what was typed.
    EXPECT_EQ(NarrowOf(L"\u0142\u014d\u4e2d"), "???");
}

}  // namespace
