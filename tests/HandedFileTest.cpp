// List files handed to the main window: at start, dropped on it, and by a second start
// of the real program on the same folder, which then ends without writing the system
// list file.
#include "support/FileCommandTest.h"

#include "mainwnd/SystemListSchedule.h"
#include "mainwnd/RunningInstance.h"
#include "res/resource.h"

#include <shlobj.h>

#include <cstring>

namespace {

const char kWeek[] = "4\n0\nBread\n1\nBakery\n2\n1\nTea\n1\nShop\n5\n";
const std::vector<ShownRow> kWeekItems = {{MarkTick, L"Bread", L"1", L"Bakery", L"2"},
                                          {MarkCross, L"Tea", L"1", L"Shop", L"5"}};
const ShownRow kMilk = {MarkCross, L"Milk", L"2", L"Market", L"3"};

class HandedFile : public FileCommandTest {
protected:
    // A file dragged from a file manager and dropped on the window.
    void Drop(const std::wstring& path)
    {
        const size_t textBytes = (path.size() + 1) * sizeof(wchar_t);
        HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + textBytes + sizeof(wchar_t));
        auto* files = static_cast<DROPFILES*>(::GlobalLock(memory));
        files->pFiles = sizeof(DROPFILES);
        files->fWide = TRUE;
        std::memcpy(files + 1, path.c_str(), textBytes);
        ::GlobalUnlock(memory);
        ::PostMessageW(Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
        PumpMessages();
    }
    void ExpectClearQuestion(size_t index) const
    {
        ASSERT_GT(m_prompts->Questions().size(), index);
        const TestPrompts::Question& question = m_prompts->Questions()[index];
        EXPECT_EQ(question.text, L"Do you want to clear the list?");
        EXPECT_EQ(question.caption, L"Warning");
        EXPECT_EQ(question.type, 52u);
    }
};

TEST_F(HandedFile, StartAndDroppedFilesAreOpenedAskingFirstWhenTheListHasItems)
{
    CloseWindow();
    WriteBytes(m_folder->File(L"week.grl"), kWeek);
    WriteBytes(m_folder->File(L"GRSystemList.grl"), "2\n0\n10 0 0 0 1\nTahoma\n");
    m_dialog = std::make_unique<CShoppingDlg>();
    m_dialog->OpenOnStart(m_folder->File(L"week.grl"));
    ASSERT_TRUE(m_dialog->Create(IDD_GROMBLE_DIALOG));
    PumpMessages();
    EXPECT_EQ(Items(), kWeekItems) << "read after the empty system list, without a question";

    PutItem(kMilk);
    m_prompts->Answer(IDNO);
    Drop(m_folder->File(L"week.grl"));
    ExpectClearQuestion(0);
    EXPECT_EQ(Items().size(), 3u) << "No keeps the list as it is";

    m_prompts->Answer(IDYES);
    Drop(m_folder->File(L"week.grl"));
    ExpectClearQuestion(1);
    EXPECT_EQ(Items(), kWeekItems);

    m_prompts->Answer(IDYES);
    m_prompts->Answer(IDOK);
    Drop(m_folder->File(L"gone.grl"));
    ExpectWarningNaming(m_folder->File(L"gone.grl"), 4);
    EXPECT_EQ(Items(), kWeekItems) << "a file that cannot be read changes nothing";
    ExpectListIsWhole();
}

// The test's window runs on the folder as the first start's window does, and the real
// program is started there a second time.
class SecondStart : public HandedFile {
protected:
    void SetUp() override
    {
        HandedFile::SetUp();
        m_instance = std::make_unique<CRunningInstance>(CSystemListSchedule::SystemListPath());
        ASSERT_EQ(m_instance->ClaimOrHandOver(L""), CRunningInstance::Claimed);
    }
    void TearDown() override
    {
        if (m_process.hProcess != nullptr) {
            ::TerminateProcess(m_process.hProcess, 1);
            EndOfProcess();
        }
        m_instance.reset();
        HandedFile::TearDown();
    }

    // gromble.exe, built beside the tests' folder, started in the current folder.
    void StartGromble(const std::wstring& arguments)
    {
        wchar_t tests[MAX_PATH] = L"";
        ::GetModuleFileNameW(nullptr, tests, MAX_PATH);
        std::wstring program(tests);
        program = program.substr(0, program.find_last_of(L"\\/") + 1) + L"..\\gromble.exe";
        std::wstring command = L"\"" + program + L"\" " + arguments;
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        ASSERT_TRUE(::CreateProcessW(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                     &startup, &m_process));
        ::CloseHandle(m_process.hThread);
    }
    // Answers this thread's messages until the program has ended; its exit code.
    DWORD RunGromble(const std::wstring& arguments)
    {
        StartGromble(arguments);
        for (DWORD start = ::GetTickCount(); m_process.hProcess != nullptr && ::GetTickCount() - start < 20000;) {
            PumpMessages();
            if (::MsgWaitForMultipleObjects(1, &m_process.hProcess, FALSE, 20, QS_ALLINPUT) == WAIT_OBJECT_0)
                return EndOfProcess();
        }
        ADD_FAILURE() << "the second start did not end";
        return 1;
    }
    DWORD EndOfProcess()
    {
        ::WaitForSingleObject(m_process.hProcess, 10000);
        DWORD exitCode = 1;
        ::GetExitCodeProcess(m_process.hProcess, &exitCode);
        ::CloseHandle(m_process.hProcess);
        m_process = {};
        return exitCode;
    }
    // A window of another program in front of the test's.
    void PutAnotherWindowInFront()
    {
        m_other = ::CreateWindowExW(0, L"STATIC", L"Another program", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                    nullptr, nullptr, nullptr);
        ::SetForegroundWindow(m_other);
        PumpMessages();
        ASSERT_EQ(::GetForegroundWindow(), m_other);
    }
    // The visible message box of the second start, found without answering a message
    // of this thread's; nullptr after ten seconds.
    HWND WaitForItsMessageBox() const
    {
        for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < 10000; ::Sleep(50)) {
            struct Search {
                DWORD process;
                HWND found;
            } search = {m_process.dwProcessId, nullptr};
            ::EnumWindows(
                [](HWND window, LPARAM data) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(data);
                    DWORD process = 0;
                    ::GetWindowThreadProcessId(window, &process);
                    if (process != s->process || !::IsWindowVisible(window))
                        return TRUE;
                    s->found = window;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&search));
            if (search.found != nullptr)
                return search.found;
        }
        return nullptr;
    }

    std::unique_ptr<CRunningInstance> m_instance;
    PROCESS_INFORMATION m_process = {};
    HWND m_other = nullptr;
};

TEST_F(SecondStart, HandsItsFileToTheRunningWindowAndEndsWritingNothing)
{
    PutItem(kMilk);
    WriteBytes(m_folder->File(L"week.grl"), kWeek);
    // As while a question of the window is open: the file waits for it to close.
    ::EnableWindow(Window(), FALSE);
    EXPECT_EQ(RunGromble(L"week.grl"), 0u);
    EXPECT_EQ(Items(), std::vector<ShownRow>{kMilk});
    m_prompts->Answer(IDYES);
    ::EnableWindow(Window(), TRUE);
    PumpMessages();
    ExpectClearQuestion(0);
    EXPECT_EQ(Items(), kWeekItems);

    PutAnotherWindowInFront();
    EXPECT_EQ(RunGromble(L""), 0u);
    EXPECT_EQ(::GetForegroundWindow(), Window()) << "a start without a file brings the window to the front";
    ::DestroyWindow(m_other);
    EXPECT_EQ(FolderEntries(m_folder->Path()), std::vector<std::wstring>{L"week.grl"})
        << "the second start wrote no system list file";
}

TEST_F(SecondStart, SaysSoAndEndsWhenTheRunningWindowDoesNotAnswer)
{
    // This thread takes no message until the second start has shown its box.
    StartGromble(L"");
    HWND box = WaitForItsMessageBox();
    ASSERT_NE(box, nullptr) << "the second start showed nothing";
    wchar_t text[512] = L"";
    ::GetWindowTextW(::GetDlgItem(box, 0xFFFF), text, 512);
    EXPECT_NE(std::wstring(text).find(L"does not answer"), std::wstring::npos) << Narrow(text);
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(EndOfProcess(), 0u);
    PumpMessages();
    EXPECT_EQ(FolderEntries(m_folder->Path()), std::vector<std::wstring>{}) << "nothing was written";
}

}  // namespace
