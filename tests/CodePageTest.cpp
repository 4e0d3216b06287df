#include "support/FileCommandTest.h"

#include "res/resource.h"

namespace {

// Windows' "Use Unicode UTF-8 for worldwide language support" makes UTF-8 the ANSI
// code page; under Wine a locale that has no ANSI code page does the same. These
// cases run in a process of their own with such a locale (tests/CMakeLists.txt).
class Utf8CodePage : public FileCommandTest {
protected:
    void SetUp() override
    {
        if (::GetACP() != CP_UTF8)
            GTEST_SKIP() << "runs in a process of its own, under the ANSI code page 65001";
        FileCommandTest::SetUp();
    }
};

TEST_F(Utf8CodePage, AListSavesStoresAndReadsBackExactly)
{
    // Characters of three and four UTF-8 bytes, and a price that counts 5.
    const std::vector<ShownRow> items = {{1, L"\u308a\u3093\u3054", L"2", L"\u5e02\u5834", L"5\u20ac"},
                                         {0, L"Caf\u00e9 \U0001f34e", L"1", L"", L"3"}};
    PutItem(items[1]);
    PutItem(items[0]);
    EXPECT_EQ(Rows().back(), Total(L"8"));

    const std::wstring path = m_folder->File(L"list.grl");
    RunWithFile(ID_FILE_SAVE, path);
    EXPECT_EQ(ReadBytes(path),
              "4\n1\n\xe3\x82\x8a\xe3\x82\x93\xe3\x81\x94\n2\n\xe5\xb8\x82\xe5\xa0\xb4\n5\xe2\x82\xac\n"
              "0\nCaf\xc3\xa9 \xf0\x9f\x8d\x8e\n1\n\n3\n")
        << "the code page holds every character: no byte-order mark";
    RunWithFile(ID_FILE_OPEN, path);
    EXPECT_EQ(Items(), items);
    EXPECT_EQ(Rows().back(), Total(L"8"));

    CloseWindow();
    OpenWindow();
    EXPECT_EQ(Items(), items) << "the system list file";

    RunWithFile(ID_EXPORT_TEXT, m_folder->File(L"list.txt"));
    EXPECT_EQ(ReadBytes(m_folder->File(L"list.txt")),
              "Check \t Name \t Qt \t Location \t Price \n\n"
              "No \t \xe3\x82\x8a\xe3\x82\x93\xe3\x81\x94 \t 2 \t \xe5\xb8\x82\xe5\xa0\xb4 \t 5\xe2\x82\xac\n"
              "Yes \t Caf\xc3\xa9 \xf0\x9f\x8d\x8e \t 1 \t  \t 3\n");
    RunWithFile(ID_EXPORT_HTML, m_folder->File(L"list.html"));
    EXPECT_NE(ReadBytes(m_folder->File(L"list.html")).find("charset=utf-8"), std::string::npos);
}

}  // namespace
