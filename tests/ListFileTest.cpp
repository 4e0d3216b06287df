#include "support/FileCommandTest.h"

#include "res/resource.h"


namespace {

std::string Record(int mark, const std::string& name, const std::string& price)
{
    return std::to_string(mark) + "\n" + name + "\n1\nMarket\n" + price + "\n";
}

const char kTwoItemExample[] = "4\n1\nMilk\n2\nMarket\n3\n0\nBread\n1\nBakery\n2\n";
const std::vector<ShownRow> kTwoItems = {{1, L"Milk", L"2", L"Market", L"3"}, {0, L"Bread", L"1", L"Bakery", L"2"}};

class ListFile : public FileCommandTest {
protected:
    void PutItems(const std::vector<ShownRow>& items)
    {
        for (auto it = items.rbegin(); it != items.rend(); ++it)
            PutItem(*it);
    }
    std::wstring Path() const { return m_folder->File(L"list.grl"); }
};

TEST_F(ListFile, SavesTheTwoItemExampleByteForByte)
{
    PutItems(kTwoItems);
    RunWithFile(ID_FILE_SAVE, Path());
    EXPECT_EQ(ReadBytes(Path()), kTwoItemExample);
    EXPECT_EQ(Items(), kTwoItems) << "Save changes no row";
    EXPECT_EQ(FolderEntries(m_folder->Path()), std::vector<std::wstring>{L"list.grl"});
}

TEST_F(ListFile, AsksForAListFileAndACancelChangesNothing)
{
    for (UINT command : {ID_FILE_OPEN, ID_FILE_ATTACH, ID_FILE_SAVE})
        RunWithFile(command, L"");
    const std::vector<TestPrompts::FileRequest>& requests = m_prompts->FileRequests();
    ASSERT_EQ(requests.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(requests[i].open, i < 2);
        EXPECT_EQ(requests[i].defaultExtension, L"grl");
        EXPECT_EQ(requests[i].initialFileName, L"*.grl");
        EXPECT_EQ(requests[i].filter, L"Gromble List (*.grl)|*.grl|");
        // The dialog class adds its own flags to every dialog.
        EXPECT_EQ(requests[i].flags & ~DWORD(OFN_EXPLORER | OFN_ENABLESIZING | OFN_FILEMUSTEXIST), 6u);
    }
    EXPECT_EQ(Rows(), (std::vector<ShownRow>{Separator(), Total(L"0")}));
    EXPECT_TRUE(FolderEntries(m_folder->Path()).empty());
}

TEST_F(ListFile, SaveThenOpenGivesTheSameRowsMarksOrderAndTotal)
{
    const std::vector<ShownRow> items = {{3, L"Jam", L"1", L"Shop", L"4"},
                                         {2, L"Salt", L"", L"", L"-1"},
                                         {1, L"Caf\u00e9 \u20ac", L"2", L"Market", L"3 EUR"},
                                         {0, std::wstring(28, L'a'), std::wstring(29, L'b'), std::wstring(300, L'c'),
                                          L"2" + std::wstring(299, L'.')},
                                         {1, std::wstring(1000, L'e'), L"1", L"M", L"3"}};
    PutItems(items);
    RunWithFile(ID_FILE_SAVE, Path());
    PutItem({1, L"Gone", L"1", L"Market", L"100"});
    RunWithFile(ID_FILE_OPEN, Path());
    EXPECT_EQ(Items(), items);
    EXPECT_EQ(Rows().back(), Total(L"11"));

    m_prompts->Answer(IDYES);
    SendCommand(ID_FILE_NEW);
    RunWithFile(ID_FILE_SAVE, m_folder->File(L"empty.grl"));
    EXPECT_EQ(ReadBytes(m_folder->File(L"empty.grl")), "2\n");
    PutItem({1, L"Milk", L"2", L"Market", L"3"});
    RunWithFile(ID_FILE_OPEN, m_folder->File(L"empty.grl"));
    EXPECT_EQ(Rows(), (std::vector<ShownRow>{Separator(), Total(L"0")}));
}

// Texts that are edited or deleted leave room behind in the list, which it gives up
// now and then; every row keeps its own texts through that.
TEST_F(ListFile, EditsAndDeletesInALongListKeepEveryOtherRowsTexts)
{
    std::string body = "42\n";
    std::vector<ShownRow> expected;
    for (int i = 0; i < 40; ++i) {
        const std::string name = "Item " + std::to_string(i) + std::string(150, 'x');
        body += Record(i % 2, name, std::to_string(i));
        expected.push_back({i % 2, std::wstring(name.begin(), name.end()), L"1", L"Market", std::to_wstring(i)});
    }
    WriteBytes(Path(), body);
    RunWithFile(ID_FILE_OPEN, Path());
    for (int row = 0; row < 40; ++row) {
        if (row % 4 == 3)
            continue;
        FocusRow(row);
        SendCommand(ID_ITEM_EDIT);
        SetFieldText(IDC_ITEM, L"Edited " + std::to_wstring(row));
        TapAddButton();
        expected[static_cast<size_t>(row)].name = L"Edited " + std::to_wstring(row);
    }
    for (int row : {39, 20, 3, 0}) {
        FocusRow(row);
        m_prompts->Answer(IDYES);
        SendCommand(ID_ITEM_DELETE);
        expected.erase(expected.begin() + row);
    }
    EXPECT_EQ(Items(), expected);
    ExpectListIsWhole();
    RunWithFile(ID_FILE_SAVE, Path());
    RunWithFile(ID_FILE_OPEN, Path());
    EXPECT_EQ(Items(), expected);
}

TEST_F(ListFile, AttachPutsTheFileItemsInFileOrderAboveTheCurrentOnes)
{
    WriteBytes(Path(), "5\n" + Record(0, "Eggs", "4") + Record(3, "Tea", "5") + Record(1, "Rice", "6"));
    PutItems(kTwoItems);
    RunWithFile(ID_FILE_ATTACH, Path());
    std::vector<ShownRow> expected = {
        {0, L"Eggs", L"1", L"Market", L"4"}, {3, L"Tea", L"1", L"Market", L"5"}, {1, L"Rice", L"1", L"Market", L"6"}};
    expected.insert(expected.end(), kTwoItems.begin(), kTwoItems.end());
    EXPECT_EQ(Items(), expected);
    EXPECT_EQ(Rows().back(), Total(L"20"));
}

TEST_F(ListFile, ReadsNumbersAndLinesAsTheyStand)
{
    std::string sevenRecords;
    std::vector<ShownRow> sixItems;
    for (int i = 0; i < 7; ++i) {
        sevenRecords += Record(1, "N" + std::to_string(i), "1");
        if (i < 6)
            sixItems.push_back({1, L"N" + std::to_wstring(i), L"1", L"Market", L"1"});
    }
    const struct {
        const char* what;
        std::string file;
        std::vector<ShownRow> items;
    } cases[] = {
        {"white space after the count and between records",
         "4\n \n\n1\nMilk\n2\nMarket\n3\n  \n\t\n\n0\nBread\n1\nBakery\n2\n", kTwoItems},
        {"CR LF line ends", "4\r\n1\r\nMilk\r\n2\r\nMarket\r\n3\r\n0\r\nBread\r\n1\r\nBakery\r\n2\r\n", kTwoItems},
        {"a hexadecimal count", "0x4\n" + Record(1, "A", "1") + Record(0, "B", "2") + Record(0, "C", "3"),
         {{1, L"A", L"1", L"Market", L"1"}, {0, L"B", L"1", L"Market", L"2"}}},
        {"an octal count: 010 is 8", "010\n" + sevenRecords, sixItems},
        {"words after the mark", "3\n1 and words\nA\n2\nM\n3\n", {{1, L"A", L"2", L"M", L"3"}}},
        {"no number on the mark line", "3\nabc\nA\n2\nM\n3\n", {{0, L"A", L"2", L"M", L"3"}}},
        {"a mark outside 0 to 3", "3\n7\nA\n2\nM\n3\n", {{7, L"A", L"2", L"M", L"3"}}},
        {"empty lines inside a record", "3\n1\n\n\n\n\n", {{1, L"", L"", L"", L""}}},
        {"no line feed after the last line", "3\n1\n A \n\t\nM \n 7", {{1, L" A ", L"\t", L"M ", L" 7"}}},
        {"8-bit text of the code page", "3\n1\n?\xe9\n1\n\x80\n3\n", {{1, L"?\u00e9", L"1", L"\u20ac", L"3"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(Path(), c.file);
        RunWithFile(ID_FILE_OPEN, Path());
        EXPECT_EQ(Items(), c.items);
        ExpectListIsWhole();
    }
}

// Other programs and older copies read list files as ANSI text: a list whose texts all
// fit the code page is written in it; one that holds any other character is written in
// UTF-8, after the byte-order mark by which it is read back.
TEST_F(ListFile, TextsOutsideTheCodePageAreWrittenInUtf8AndComeBackExactly)
{
    PutItem({1, L"Caf\u00e9", L"1", L"M", L"3 \u20ac"});
    RunWithFile(ID_FILE_SAVE, Path());
    EXPECT_EQ(ReadBytes(Path()), "3\n1\nCaf\xe9\n1\nM\n3 \x80\n");

    PutItem({0, L"\u0142\u03b1\u4e2d", L"", L"\U0001f34e", L"2"});
    const std::vector<ShownRow> items = Items();
    RunWithFile(ID_FILE_SAVE, Path());
    EXPECT_EQ(ReadBytes(Path()),
              "\xef\xbb\xbf" "4\n0\n\xc5\x82\xce\xb1\xe4\xb8\xad\n\n\xf0\x9f\x8d\x8e\n2\n1\nCaf\xc3\xa9\n1\nM\n3 \xe2\x82\xac\n");
    RunWithFile(ID_FILE_OPEN, Path());
    EXPECT_EQ(Items(), items);
    RunWithFile(ID_FILE_ATTACH, Path());
    EXPECT_EQ(Items().size(), 4u);
    ExpectListIsWhole();
}

// Lines of Windows' text mode end in CR LF, and a text of their own may end in CR:
// such a text keeps its CR through Save and Open.
TEST_F(ListFile, TextsThatEndInACarriageReturnComeBackAsTheyWere)
{
    WriteBytes(Path(), "3\r\n1\r\nA\r\r\n\r\r\nB\r\r\r\n3\r\n");
    RunWithFile(ID_FILE_OPEN, Path());
    const std::vector<ShownRow> items = {{1, L"A\r", L"\r", L"B\r\r", L"3"}};
    ASSERT_EQ(Items(), items);
    RunWithFile(ID_FILE_SAVE, Path());
    EXPECT_EQ(ReadBytes(Path()), "3\n1\nA\r\r\n\r\r\nB\r\r\r\n3\n") << "only those lines end in CR LF";
    RunWithFile(ID_FILE_OPEN, Path());
    EXPECT_EQ(Items(), items);
}

TEST_F(ListFile, WorksInAFolderNamedOutsideTheCodePage)
{
    const std::wstring folder = m_folder->File(L"Zakupy \u0142\u03b1\u4e2d");
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring path = folder + L"\\lista \u0142.grl";
    PutItems(kTwoItems);
    RunWithFile(ID_FILE_SAVE, path);
    EXPECT_EQ(ReadBytes(path), kTwoItemExample);
    RunWithFile(ID_FILE_ATTACH, path);
    EXPECT_EQ(Items().size(), 4u);
    RunWithFile(ID_FILE_OPEN, path);
    EXPECT_EQ(Items(), kTwoItems);
    EXPECT_EQ(FolderEntries(m_folder->Path()), std::vector<std::wstring>{L"Zakupy \u0142\u03b1\u4e2d"});
}

TEST_F(ListFile, OpenOrAttachOfAMissingFileChangesNothingAndSaysSo)
{
    PutItems(kTwoItems);
    const std::vector<ShownRow> before = Rows();
    size_t warnings = 0;
    for (UINT command : {ID_FILE_OPEN, ID_FILE_ATTACH}) {
        m_prompts->Answer(IDOK);
        RunWithFile(command, m_folder->File(L"missing.grl"));
        EXPECT_EQ(Rows(), before);
        ExpectWarningNaming(m_folder->File(L"missing.grl"), ++warnings);
    }
}

TEST_F(ListFile, ASaveThatCannotWriteKeepsTheOldFileByteForByteAndSaysSo)
{
    const std::string old = "3\r\n1\r\nOld\r\n1\r\nM\r\n9\r\n";
    WriteBytes(Path(), old);
    ASSERT_TRUE(::SetFileAttributesW(Path().c_str(), FILE_ATTRIBUTE_READONLY));
    PutItems(kTwoItems);
    m_prompts->Answer(IDOK);
    RunWithFile(ID_FILE_SAVE, Path());
    ExpectWarningNaming(Path());
    EXPECT_EQ(ReadBytes(Path()), old);

    m_prompts->Answer(IDOK);
    RunWithFile(ID_FILE_SAVE, m_folder->File(L"missing\\list.grl"));
    ExpectWarningNaming(m_folder->File(L"missing\\list.grl"), 2);
    EXPECT_EQ(FolderEntries(m_folder->Path()), std::vector<std::wstring>{L"list.grl"}) << "a temporary file was left";
    EXPECT_EQ(Items(), kTwoItems);
}

// Save writes beside the file that the path finally names and puts the new file in
// its place: under a name as long as the folder takes, into the file that a symbolic
// link points to, and with the old file's attributes.
TEST_F(ListFile, SaveReplacesTheFileThatThePathNames)
{
    PutItems(kTwoItems);
    const std::wstring longName = std::wstring(246, L'n') + L".grl";  // most disks take names of 255
    RunWithFile(ID_FILE_SAVE, m_folder->File(longName));
    EXPECT_EQ(ReadBytes(m_folder->File(longName)), kTwoItemExample);

    WriteBytes(m_folder->File(L"real.grl"), "2\n");
    ASSERT_TRUE(MakeSymbolicLink(m_folder->File(L"link.grl"), L"real.grl"));
    RunWithFile(ID_FILE_SAVE, m_folder->File(L"link.grl"));
    EXPECT_EQ(ReadBytes(m_folder->File(L"real.grl")), kTwoItemExample) << "the file that the link points to";
    WriteBytes(m_folder->File(L"real.grl"), "2\n");
    EXPECT_EQ(ReadBytes(m_folder->File(L"link.grl")), "2\n") << "the link is a link still";

    const std::wstring hidden = m_folder->File(L"hidden.grl");
    WriteBytes(hidden, "2\n");
    ASSERT_TRUE(::SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    RunWithFile(ID_FILE_SAVE, hidden);
    EXPECT_EQ(ReadBytes(hidden), kTwoItemExample);
    EXPECT_EQ(::GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN, DWORD(FILE_ATTRIBUTE_HIDDEN));

    EXPECT_TRUE(m_prompts->Questions().empty()) << "a save failed";
    EXPECT_EQ(FolderEntries(m_folder->Path()), (std::vector<std::wstring>{L"hidden.grl", L"link.grl", longName, L"real.grl"}));
}

class DamagedListFile : public ListFile {};

TEST_F(DamagedListFile, EveryTruncationOpensAndAttachesOnlyItsWholeRecords)
{
    const std::string sample = "5\n1\nMilk\n2\nMarket\n13\n0\nBread\n1\nBakery\n22\n3\nJam\n\nShop\n41\n";
    const std::vector<ShownRow> full = {
        {1, L"Milk", L"2", L"Market", L"13"}, {0, L"Bread", L"1", L"Bakery", L"22"}, {3, L"Jam", L"", L"Shop", L"41"}};
    const ShownRow kept = {1, L"Kept", L"1", L"Market", L"5"};
    for (size_t length = 0; length <= sample.size(); ++length) {
        SCOPED_TRACE("file cut after " + std::to_string(length) + " bytes");
        WriteBytes(Path(), sample.substr(0, length));
        RunWithFile(ID_FILE_OPEN, Path());
        const std::vector<ShownRow> opened = Items();
        ASSERT_LE(opened.size(), full.size());
        // A price line cut by the end of the file is the record's last line and counts as far as it goes.
        for (size_t i = 0; i < opened.size(); ++i) {
            ShownRow expected = full[i];
            if (i + 1 == opened.size() && !opened[i].price.empty() && full[i].price.find(opened[i].price) == 0)
                expected.price = opened[i].price;
            EXPECT_EQ(opened[i], expected) << "item " << i;
        }
        ExpectListIsWhole();

        PutItem(kept);
        RunWithFile(ID_FILE_ATTACH, Path());
        ASSERT_EQ(Items().size(), 2 * opened.size() + 1);
        EXPECT_EQ(Items()[opened.size()], kept);
        ExpectListIsWhole();
    }
    EXPECT_EQ(Items().size(), 7u) << "the whole file gives all three items";
}

TEST_F(DamagedListFile, CountsThatDoNotMatchTheRecordsAndRandomBytes)
{
    const std::string one = Record(1, "A", "7");
    const std::pair<std::string, size_t> counts[] = {
        {"2147483647\n" + one, 1}, {"99999999999\n" + one, 1}, {"-2147483648\n" + one, 0}, {"2\n" + one, 0},
        {"abc\n" + one, 0},        {"", 0},                    {"0x\n" + one, 0},
    };
    for (const auto& c : counts) {
        SCOPED_TRACE(c.first);
        WriteBytes(Path(), c.first);
        RunWithFile(ID_FILE_OPEN, Path());
        EXPECT_EQ(Items().size(), c.second);
        ExpectListIsWhole();
    }
    const char alphabet[] = "0123456789012345 \n\n\n\r\t-+x<&\xe9\xff";
    unsigned seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int file = 0; file < 40; ++file) {
        SCOPED_TRACE(file);
        std::string bytes = std::to_string(next() % 12) + "\n";
        for (unsigned n = next() % 400; n > 0; --n)
            bytes += file % 4 == 0 ? static_cast<char>(next()) : alphabet[next() % (sizeof alphabet - 1)];
        WriteBytes(Path(), bytes);
        RunWithFile(file % 2 ? ID_FILE_ATTACH : ID_FILE_OPEN, Path());
        ExpectListIsWhole();
    }
}

TEST_F(ListFile, ManyItemsAllComeInWithTheirTotal)
{
    const int itemCount = 3000;
    std::string bytes = std::to_string(itemCount + 2) + "\n";
    for (int i = 0; i < itemCount; ++i)
        bytes += Record(i % 4, "Item " + std::to_string(i), std::to_string(i % 10));
    WriteBytes(Path(), bytes);

    RunWithFile(ID_FILE_OPEN, Path());

    std::vector<ShownRow> rows = Rows();
    ASSERT_EQ(rows.size(), static_cast<size_t>(itemCount + 2));
    EXPECT_EQ(rows[itemCount - 1].name, L"Item 2999");
    EXPECT_EQ(rows.back(), Total(L"13500"));
    EXPECT_TRUE(::IsWindowVisible(List())) << "the list is drawn again after the bulk change";
}

}  // namespace
