#include "support/FileCommandTest.h"

#include "font/ListFont.h"

namespace {

const char kEmptyListAtStartUpFont[] = "2\n0\n10 0 0 0 1\nTahoma\n";

class SystemList : public FileCommandTest {
protected:
    std::wstring File() const { return m_folder->File(L"GRSystemList.grl"); }
    void Restart()
    {
        CloseWindow();
        OpenWindow();
    }
    void StartFrom(const std::string& bytes)
    {
        CloseWindow();
        WriteBytes(File(), bytes);
        OpenWindow();
    }
    static LOGFONTW CurrentFont()
    {
        LOGFONTW font = {};
        ListFont.GetLogFont(&font);
        return font;
    }
    static void UseFont(void (*change)(LOGFONTW&))
    {
        LOGFONTW font = StartupListFontSettings();
        change(font);
        CreateListFont(font);
    }
};

TEST_F(SystemList, FirstStartIsEmptyAndAnEmptyListIsStoredAsTheFourLines)
{
    EXPECT_EQ(Rows(), (std::vector<ShownRow>{Separator(), Total(L"0")}));
    LOGFONTW font = CurrentFont();
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Tahoma");
    EXPECT_EQ(font.lfHeight, 10);
    EXPECT_EQ(font.lfQuality, 4);

    CloseWindow();
    EXPECT_EQ(ReadBytes(File()), kEmptyListAtStartUpFont);
    OpenWindow();
    EXPECT_EQ(Rows(), (std::vector<ShownRow>{Separator(), Total(L"0")}));
    CloseWindow();
    EXPECT_EQ(ReadBytes(File()), kEmptyListAtStartUpFont);
    EXPECT_EQ(FolderEntries(m_folder->Path()), std::vector<std::wstring>{L"GRSystemList.grl"});
}

TEST_F(SystemList, ARestartBringsBackTheRowsAndABoldUnderlinedFont)
{
    const std::vector<ShownRow> items = {{3, L"Jam", L"1", L"Shop", L"4"},
                                         {0, std::wstring(300, L'n'), L"2", L"", L"12.50"},
                                         {1, L"Milk", L"2", L"Market", L"-3"}};
    for (auto it = items.rbegin(); it != items.rend(); ++it)
        PutItem(*it);
    UseFont([](LOGFONTW& font) {
        font.lfWeight = 700;
        font.lfUnderline = 1;
        font.lfHeight = 14;
        lstrcpyW(font.lfFaceName, L"Courier New");
    });
    Restart();
    EXPECT_EQ(Items(), items);
    EXPECT_EQ(Rows().back(), Total(L"13"));
    LOGFONTW font = CurrentFont();
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_EQ(font.lfUnderline, 1);
    EXPECT_EQ(font.lfItalic, 0);
    EXPECT_EQ(font.lfHeight, 14);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Courier New");
}

TEST_F(SystemList, KeepsOnlyWhatTheFontLineCanSay)
{
    UseFont([](LOGFONTW& font) {
        font.lfWeight = 600;
        font.lfItalic = 1;
        font.lfQuality = 5;
        lstrcpyW(font.lfFaceName, L"Arial");
    });
    CloseWindow();
    EXPECT_EQ(ReadBytes(File()), "2\n0\n10 0 1 0 1\nArial\n");
    OpenWindow();
    EXPECT_EQ(CurrentFont().lfWeight, 400) << "weight 600 is not bold";
    EXPECT_EQ(CurrentFont().lfItalic, 1);
    EXPECT_EQ(CurrentFont().lfQuality, 4) << "quality 5 comes back as 4";

    UseFont([](LOGFONTW& font) { font.lfQuality = 0; });
    Restart();
    EXPECT_EQ(CurrentFont().lfQuality, 4) << "quality 0 comes back as 4";

    StartFrom("2\n0\n10 0 0 0 1\n" + std::string(40, 'F') + "\n");
    EXPECT_EQ(std::wstring(CurrentFont().lfFaceName), std::wstring(31, L'F'));
}

TEST_F(SystemList, ADamagedFileStillStarts)
{
    const std::string milk = "1\nMilk\n2\nMarket\n3\n";
    const struct {
        const char* what;
        std::string file;
        size_t items;
        int height;
        int weight;
    } cases[] = {
        {"a short font line and no face line", "3\n" + milk + "0\n12 1\n", 1, 12, 700},
        {"no trailer", "3\n" + milk, 1, 0, 400},
        {"fewer records than counted", "9\n" + milk + "0\n11 0 0 0 1\nTahoma\n", 1, 0, 400},
        {"CR LF line ends", "3\r\n1\r\nMilk\r\n2\r\nMarket\r\n3\r\n0\r\n16 1 0 0 1\r\nTahoma\r\n", 1, 16, 700},
        {"random bytes", "\x7f\xff\x01 <&>\x80\t", 0, 0, 400},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StartFrom(c.file);
        EXPECT_EQ(Items().size(), c.items);
        ExpectListIsWhole();
        EXPECT_EQ(CurrentFont().lfHeight, c.height);
        EXPECT_EQ(CurrentFont().lfWeight, c.weight);
        EXPECT_EQ(std::wstring(CurrentFont().lfFaceName), L"Tahoma");
    }

    const std::string whole = "4\n1\nMilk\n2\nMarket\n13\n0\nBread\n1\nBakery\n22\n0\n12 1 1 0 1\nVerdana\n";
    for (size_t length = 0; length <= whole.size(); ++length) {
        SCOPED_TRACE("file cut after " + std::to_string(length) + " bytes");
        StartFrom(whole.substr(0, length));
        EXPECT_LE(Items().size(), 2u);
        ExpectListIsWhole();
    }
    EXPECT_EQ(Items().size(), 2u);
    EXPECT_EQ(std::wstring(CurrentFont().lfFaceName), L"Verdana");
}

TEST_F(SystemList, AFailedStoreShowsNothingAndKeepsTheOldFile)
{
    CloseWindow();
    const std::string old = "3\n1\nOld\n1\nM\n9\n0\n10 0 0 0 1\nTahoma\n";
    WriteBytes(File(), old);
    ASSERT_TRUE(::SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_READONLY));
    OpenWindow();
    PutItem({1, L"New", L"1", L"M", L"1"});
    CloseWindow();  // a message box would fail the test through the prompts
    EXPECT_EQ(ReadBytes(File()), old);
    EXPECT_EQ(FolderEntries(m_folder->Path()), std::vector<std::wstring>{L"GRSystemList.grl"});
}

TEST_F(SystemList, StaysInTheStartFolderWhateverItsName)
{
    CloseWindow();
    const std::wstring start = m_folder->File(L"\u0142\u03b1\u4e2d");
    const std::wstring other = m_folder->File(L"elsewhere");
    ASSERT_TRUE(::CreateDirectoryW(start.c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryW(other.c_str(), nullptr));
    ::SetCurrentDirectoryW(start.c_str());
    OpenWindow();
    PutItem({1, L"Milk", L"2", L"Market", L"3"});
    ::SetCurrentDirectoryW(other.c_str());  // as the platform's file dialog may do
    CloseWindow();
    EXPECT_TRUE(FolderEntries(other).empty());
    EXPECT_EQ(ReadBytes(start + L"\\GRSystemList.grl"), "3\n1\nMilk\n2\nMarket\n3\n0\n10 0 0 0 1\nTahoma\n");

    ::SetCurrentDirectoryW(start.c_str());
    OpenWindow();
    EXPECT_EQ(Items(), (std::vector<ShownRow>{{1, L"Milk", L"2", L"Market", L"3"}}));
    CloseWindow();
    ::SetCurrentDirectoryW(m_folder->Path().c_str());
}

}  // namespace
