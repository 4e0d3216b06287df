#include "support/FileCommandTest.h"

#include "files/SystemListFormat.h"
#include "mainwnd/WindowMessages.h"

#include <commctrl.h>

#include <cstdio>
#include <cwctype>

namespace {

const char kEmptyListAtStartUpFont[] = "2\n0\n10 0 0 0 1\nTahoma\n";

// A file held open as another program holds it, sharing only what share allows.
class HeldFile {
public:
    HeldFile(const std::wstring& path, DWORD share)
        : m_handle(::CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr))
    {
        EXPECT_NE(m_handle, INVALID_HANDLE_VALUE) << "cannot hold the file";
    }
    ~HeldFile() { ::CloseHandle(m_handle); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

private:
    HANDLE m_handle;
};

std::wstring SystemText(DWORD error)
{
    wchar_t text[512] = L"";
    DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                    text, 512, nullptr);
    while (length > 0 && iswspace(text[length - 1]))
        --length;
    return std::wstring(text, length);
}

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
    // Shows what the start has to tell, and nothing else: painting a hundred starts
    // would take seconds.
    void TakeFileNotice()
    {
        const UINT notice = WM_SHOW_FILE_NOTICE;
        MSG msg;
        while (::PeekMessageW(&msg, Window(), notice, notice, PM_REMOVE))
            ::DispatchMessageW(&msg);
    }
    // Starts from bytes that are no whole system list: once the window stands the user
    // is told, naming the file, and the file is kept, byte for byte, where it says.
    void StartFromDamaged(const std::string& bytes)
    {
        const size_t told = m_prompts->Questions().size();
        m_prompts->Answer(IDOK);
        StartFrom(bytes);
        TakeFileNotice();
        ASSERT_EQ(m_prompts->Questions().size(), told + 1) << "no Warning at the start";
        const std::wstring& notice = m_prompts->Questions().back().text;
        EXPECT_NE(notice.find(L"\n" + File() + L"\n"), std::wstring::npos) << Narrow(notice);
        EXPECT_EQ(ReadBytes(notice.substr(notice.rfind(L'\n') + 1)), bytes) << Narrow(notice);
    }
    // The list font's line and face name as the window stores them at close.
    std::string StoredFont()
    {
        CloseWindow();
        std::string bytes = ReadBytes(File());
        size_t faceLine = bytes.rfind('\n', bytes.size() - 2);
        size_t fontLine = faceLine == std::string::npos ? faceLine : bytes.rfind('\n', faceLine - 1);
        return fontLine == std::string::npos ? bytes : bytes.substr(fontLine + 1);
    }
};

TEST_F(SystemList, FirstStartIsEmptyAndAnEmptyListIsStoredAsTheFourLines)
{
    EXPECT_EQ(Rows(), (std::vector<ShownRow>{Separator(), Total(L"0")}));
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
    StartFrom("2\n0\n14 1 0 1 1\nCourier New\n");
    const std::vector<ShownRow> items = {{3, L"Jam", L"1", L"Shop", L"4"},
                                         {0, std::wstring(300, L'n'), L"2", L"", L"12.50"},
                                         {1, L"Milk", L"2", L"Market", L"-3"}};
    for (auto it = items.rbegin(); it != items.rend(); ++it)
        PutItem(*it);
    Restart();
    EXPECT_EQ(Items(), items);
    EXPECT_EQ(Rows().back(), Total(L"13"));
    EXPECT_EQ(StoredFont(), "14 1 0 1 1\nCourier New\n") << "the font came back and went out again";
}

// What the font line can say of a font: bold or not, antialiased or not, and a face
// of at most 31 characters; the rest comes back as the start-up settings have it.
TEST(SystemListFile, KeepsOnlyWhatTheFontLineCanSay)
{
    ListFontSettings font = StartupListFontSettings();
    font.weight = 600;
    font.italic = true;
    font.quality = FontQualityClearType;
    font.face = L"Arial";
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    ASSERT_TRUE(WriteSystemList(stream, {}, font));
    std::rewind(stream);
    char written[64] = "";
    written[std::fread(written, 1, sizeof written - 1, stream)] = '\0';
    EXPECT_STREQ(written, "2\n0\n10 0 1 0 1\nArial\n") << "weight 600 is not bold";

    std::rewind(stream);
    CItemRows items;
    ListFontSettings read = StartupListFontSettings();
    read.quality = FontQualityDefault;
    EXPECT_EQ(ReadSystemList(stream, items, read), SystemListRead::Whole);
    std::fclose(stream);
    EXPECT_EQ(read.weight, FontWeightNormal);
    EXPECT_TRUE(read.italic);
    EXPECT_EQ(read.quality, FontQualityAntialiased) << "antialiased comes back as quality 4";
    EXPECT_EQ(read.face, L"Arial");
}

TEST_F(SystemList, CutsALongFaceNameAndKeepsQualityWhenTheLineSaysNothing)
{
    StartFrom("2\n0\n10 0 0 0 0\n" + std::string(40, 'F') + "\n");
    EXPECT_EQ(StoredFont(), "10 0 0 0 1\n" + std::string(31, 'F') + "\n")
        << "the face is cut to 31 characters, and quality 0 leaves the start-up antialiasing";
}

TEST_F(SystemList, ADamagedFileStillStarts)
{
    const std::string milk = "1\nMilk\n2\nMarket\n3\n";
    const struct {
        const char* what;
        std::string file;
        size_t items;
        const char* storedFont;
    } cases[] = {
        {"a short font line and no face line", "3\n" + milk + "0\n12 1\n", 1, "12 1 0 0 1\nTahoma\n"},
        {"no trailer", "3\n" + milk, 1, "0 0 0 0 1\nTahoma\n"},
        {"fewer records than counted", "9\n" + milk + "0\n11 0 0 0 1\nTahoma\n", 1, "0 0 0 0 1\nTahoma\n"},
        {"CR LF line ends", "3\r\n1\r\nMilk\r\n2\r\nMarket\r\n3\r\n0\r\n16 1 0 0 1\r\nTahoma\r\n", 1,
         "16 1 0 0 1\nTahoma\n"},
        {"random bytes", "\x7f\xff\x01 <&>\x80\t", 0, "0 0 0 0 1\nTahoma\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.items == 1 && c.file.find('\r') != std::string::npos) {
            StartFrom(c.file);
            TakeFileNotice();  // whole: nothing to tell
        } else {
            StartFromDamaged(c.file);
        }
        EXPECT_EQ(Items().size(), c.items);
        ExpectListIsWhole();
        EXPECT_EQ(StoredFont(), c.storedFont);
    }

    const std::string whole = "4\n1\nMilk\n2\nMarket\n13\n0\nBread\n1\nBakery\n22\n0\n12 1 1 0 1\nVerdana\n";
    // Whole from the first character of the face name on: a face may be as short as that.
    const size_t faceStart = whole.rfind('\n', whole.size() - 2) + 1;
    for (size_t length = 0; length <= whole.size(); ++length) {
        SCOPED_TRACE("file cut after " + std::to_string(length) + " bytes");
        if (length > faceStart) {
            StartFrom(whole.substr(0, length));
            TakeFileNotice();
        } else {
            StartFromDamaged(whole.substr(0, length));
        }
        EXPECT_LE(Items().size(), 2u);
        ExpectListIsWhole();
    }
    EXPECT_EQ(Items().size(), 2u);
    EXPECT_EQ(StoredFont(), "12 1 1 0 1\nVerdana\n");
}

TEST_F(SystemList, TextsAndAFaceThatEndInACarriageReturnStayAsTheyAre)
{
    const std::string file = "3\n1\nA\r\r\n1\nM\n3\n0\n10 0 0 0 1\nTahoma\r\r\r\n";
    StartFrom(file);
    EXPECT_EQ(Items(), (std::vector<ShownRow>{{1, L"A\r", L"1", L"M", L"3"}}));
    Restart();
    CloseWindow();
    EXPECT_EQ(ReadBytes(File()), file) << "after two starts and closes";
}

// A list or a face name that the code page cannot hold is stored in UTF-8, and the
// byte-order mark tells the start so.
TEST_F(SystemList, TextsOutsideTheCodePageAreStoredInUtf8AndComeBack)
{
    const std::string items = "\xef\xbb\xbf" "3\n1\n\xc5\x82\xce\xb1\n2\nCaf\xc3\xa9\n3\n0\n10 0 0 0 1\nTahoma\n";
    StartFrom(items);
    EXPECT_EQ(Items(), (std::vector<ShownRow>{{1, L"\u0142\u03b1", L"2", L"Caf\u00e9", L"3"}}));
    CloseWindow();
    EXPECT_EQ(ReadBytes(File()), items);

    const std::string chineseFace = "\xef\xbb\xbf" "2\n0\n12 1 0 0 1\n\xe5\xae\x8b\xe4\xbd\x93\n";
    StartFrom(chineseFace);
    CloseWindow();
    EXPECT_EQ(ReadBytes(File()), chineseFace) << "the face alone makes the file UTF-8";
}

// Longer than the platform converts at once, and not ASCII: no length is cut, and the
// pieces it is converted in end on whole characters, surrogate pairs and UTF-8
// sequences alike.
TEST_F(SystemList, ATextOfAnyLengthComesBackWhole)
{
    const int apples = 8'400'000;  // 16,800,001 UTF-16 characters with the "a"
    std::string file = "\xef\xbb\xbf" "3\n1\na";
    file.reserve(file.size() + 4 * apples + 64);
    for (int apple = 0; apple < apples; ++apple)
        file += "\xf0\x9f\x8d\x8e";
    file += "\n1\nM\n3\n0\n10 0 0 0 1\nTahoma\n";
    StartFrom(file);
    EXPECT_EQ(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), 3);
    CloseWindow();
    const std::string stored = ReadBytes(File());
    EXPECT_EQ(stored.size(), file.size());
    EXPECT_TRUE(stored == file) << "the stored file differs from the one read";
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

// A crash or a power cut loses no more than the last few seconds: a change is on the
// disk while the window stays open, written from a copy of the rows on a thread.
TEST_F(SystemList, AChangeIsStoredAFewSecondsLaterWhileTheWindowStaysOpen)
{
    EXPECT_FALSE(::KillTimer(Window(), TimerStoreAfterChange)) << "the start changed nothing";
    PutItem({1, L"Milk", L"2", L"Market", L"3"});
    ASSERT_TRUE(::KillTimer(Window(), TimerStoreAfterChange)) << "the store waits for more changes";
    EXPECT_EQ(ReadBytes(File()), "");

    ::SendMessageW(Window(), WM_TIMER, TimerStoreAfterChange, 0);  // as the timer does
    const std::string milk = "3\n1\nMilk\n2\nMarket\n3\n0\n10 0 0 0 1\nTahoma\n";
    for (int wait = 0; wait < 2000 && ReadBytes(File()) != milk; ++wait)
        ::Sleep(10);
    EXPECT_EQ(ReadBytes(File()), milk);
    // The timer comes back to look at the store once its thread has ended; then it
    // finds nothing more to store and stays off.
    bool timerOn = true;
    for (int tick = 0; tick < 200 && timerOn; ++tick) {
        ::Sleep(10);
        ::SendMessageW(Window(), WM_TIMER, TimerStoreAfterChange, 0);
        timerOn = ::KillTimer(Window(), TimerStoreAfterChange) != FALSE;
    }
    EXPECT_FALSE(timerOn) << "nothing more to store";
    CloseWindow();
    EXPECT_EQ(FolderEntries(m_folder->Path()), std::vector<std::wstring>{L"GRSystemList.grl"});
}

// Log-off or shut-down with the window open: the process ends with no close.
TEST_F(SystemList, TheEndOfTheSessionStoresTheListAsTheCloseDoes)
{
    PutItem({1, L"Milk", L"2", L"Market", L"3"});
    EXPECT_NE(::SendMessageW(Window(), WM_QUERYENDSESSION, 0, 0), 0) << "the window lets the session end";
    ::SendMessageW(Window(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(ReadBytes(File()), "") << "a session that goes on is no end";
    ::SendMessageW(Window(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(ReadBytes(File()), "3\n1\nMilk\n2\nMarket\n3\n0\n10 0 0 0 1\nTahoma\n");
}

// Another program holds the file open, or it may not be read.
TEST_F(SystemList, AFileThatCannotBeReadIsKeptAndTheUserTold)
{
    CloseWindow();
    const std::string old = "3\n1\nOld\n1\nM\n9\n0\n10 0 0 0 1\nTahoma\n";
    WriteBytes(File(), old);
    {
        HeldFile held(File(), FILE_SHARE_DELETE);  // it may be renamed
        m_prompts->Answer(IDOK);
        OpenWindow();
        PumpMessages();
    }
    ASSERT_EQ(m_prompts->Questions().size(), 1u);
    EXPECT_EQ(m_prompts->Questions()[0].text, L"Gromble could not read the system list file\n" + File() + L"\n" +
                                                  SystemText(ERROR_SHARING_VIOLATION) +
                                                  L"\nThe file as it was is kept as\n" + File() + L".bak");
    EXPECT_EQ(Items().size(), 0u);
    PutItem({1, L"New", L"1", L"M", L"1"});
    CloseWindow();
    EXPECT_EQ(ReadBytes(File() + L".bak"), old);
    EXPECT_EQ(ReadBytes(File()), "3\n1\nNew\n1\nM\n1\n0\n10 0 0 0 1\nTahoma\n");
}

TEST_F(SystemList, AFileThatCannotEvenBeKeptIsLeftAloneAndTheListGoesElsewhere)
{
    CloseWindow();
    const std::string old = "3\n1\nOld\n1\nM\n9\n0\n10 0 0 0 1\nTahoma\n";
    WriteBytes(File(), old);
    const std::wstring elsewhere = m_folder->File(L"GRSystemList.new.grl");
    {
        HeldFile held(File(), 0);
        m_prompts->Answer(IDOK);
        OpenWindow();
        PumpMessages();
        PutItem({1, L"New", L"1", L"M", L"1"});
        m_prompts->Answer(IDOK);
        CloseWindow();
    }
    ASSERT_EQ(m_prompts->Questions().size(), 2u);
    EXPECT_NE(m_prompts->Questions()[0].text.find(L"The file is left as it is"), std::wstring::npos);
    EXPECT_EQ(m_prompts->Questions()[1].text, L"The list was written to\n" + elsewhere +
                                                  L"\nwhile the system list file\n" + File() +
                                                  L"\nis left as it was, since it could not be read at the start.");
    EXPECT_EQ(ReadBytes(File()), old);
    EXPECT_EQ(ReadBytes(elsewhere), "3\n1\nNew\n1\nM\n1\n0\n10 0 0 0 1\nTahoma\n");
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

// The installer records a data folder for every user; the list is kept there, in a
// folder made at the start, whatever folder the program is started from.
TEST_F(SystemList, IsKeptInTheRecordedDataFolderWhenThereIsOne)
{
    CloseWindow();
    ::DeleteFileW(File().c_str());  // the fixture's own window stored it there
    struct RecordedFolder {
        RecordedFolder(const std::wstring& value)
        {
            ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Gromble", L"DataFolder", REG_EXPAND_SZ, value.c_str(),
                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        }
        ~RecordedFolder()
        {
            ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Gromble");
            ::SetEnvironmentVariableW(L"GROMBLE_TEST_DATA", nullptr);
        }
    } recorded(L"%GROMBLE_TEST_DATA%\\Data\\Gromble");
    ::SetEnvironmentVariableW(L"GROMBLE_TEST_DATA", m_folder->Path().c_str());
    OpenWindow();
    PutItem({1, L"Milk", L"2", L"Market", L"3"});
    CloseWindow();
    const std::wstring kept = m_folder->File(L"Data\\Gromble\\GRSystemList.grl");
    EXPECT_EQ(ReadBytes(kept), "3\n1\nMilk\n2\nMarket\n3\n0\n10 0 0 0 1\nTahoma\n");
    EXPECT_EQ(FolderEntries(m_folder->Path()), std::vector<std::wstring>{L"Data"}) << "nothing in the start folder";
    OpenWindow();
    EXPECT_EQ(Items(), (std::vector<ShownRow>{{1, L"Milk", L"2", L"Market", L"3"}}));
}

}  // namespace
