#include "framework/TextCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCodec, UsesTheWindowsCodePageOfTheTests)
{
    ASSERT_EQ(::GetACP(), 1252u) << "the tests expect the ANSI code page 1252 (locale C.UTF-8)";
}

TEST(TextCodec, NarrowsAndWidensTextOfTheCodePage)
{
    EXPECT_EQ(NarrowText(L"Milk 2.50"), "Milk 2.50");
    EXPECT_EQ(NarrowText(L"Caf\u00e9 \u20ac"), "Caf\xe9 \x80");
    EXPECT_EQ(WidenText("Caf\xe9 \x80"), L"Caf\u00e9 \u20ac");
    EXPECT_EQ(NarrowText(L""), "");
    EXPECT_EQ(WidenText(""), L"");
}

TEST(TextCodec, WritesTheDefaultCharacterForWhatTheCodePageLacks)
{
    // Best fit would give "l" and "o" here: look-alikes that are not what was typed.
    EXPECT_EQ(NarrowText(L"\u0142\u014d\u4e2d"), "???");
}

TEST(TextCodec, NeverCutsALongText)
{
    std::wstring longText(5000, L'x');
    longText += L"\u00e9nd";
    std::string narrow = NarrowText(longText.c_str());
    ASSERT_EQ(narrow.size(), 5003u);
    EXPECT_EQ(narrow.substr(4998), "xx\xe9nd");
}

}  // namespace
