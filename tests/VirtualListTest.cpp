// The list control shows rows it does not hold: the count follows the list, another
// program reads each row, keys move the focus one row at a time, and a million rows
// come in with their total.
#include "support/FileCommandTest.h"

#include "res/resource.h"

#include <commctrl.h>

#include <string>

namespace {

class VirtualList : public FileCommandTest {
protected:
    void Key(UINT key) { ::SendMessageW(List(), WM_KEYDOWN, key, 0); }
    // What another process reads from the list.
    std::string ReadFromAnotherProcess() const;
};

std::string VirtualList::ReadFromAnotherProcess() const
{
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return "no pipe";
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    std::wstring command = L"list_reader.exe " + std::to_wstring(reinterpret_cast<INT_PTR>(List()));
    PROCESS_INFORMATION process = {};
    BOOL started = ::CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    ::CloseHandle(writeEnd);
    std::string output;
    if (started) {
        // The reader's messages are answered by this thread: keep it pumping while it reads.
        char buffer[4096];
        DWORD available = 0;
        for (;;) {
            PumpMessages();
            if (::PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
                DWORD read = 0;
                ::ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr);
                output.append(buffer, read);
            } else if (::WaitForSingleObject(process.hProcess, 10) == WAIT_OBJECT_0 &&
                       (!::PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) || available == 0)) {
                break;
            }
        }
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(readEnd);
    return started ? output : "the reader did not start";
}

TEST_F(VirtualList, AnotherProgramReadsEveryRowAsShown)
{
    PutItem({MarkTick, L"Milk", L"2", L"Market", L"3"});
    PutItem({MarkQuestion, L"\u0141\u00f3d\u017a", L"", L"Shop", L"1.50"});
    EXPECT_EQ(ReadFromAnotherProcess(),
              "4\n3|\xc5\x81\xc3\xb3" "d\xc5\xba||Shop|1.50\n0|Milk|2|Market|3\n2|----|---|---|---\n2|Total:|||4\n");
}

TEST_F(VirtualList, KeysMoveTheFocusedRowAndItsSelection)
{
    for (int i = 0; i < 3; ++i)
        PutItem({MarkCross, L"Item " + std::to_wstring(i), L"1", L"Shop", L"1"});
    const struct {
        UINT key;
        int row;
    } steps[] = {{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_END, 4}, {VK_UP, 3}, {VK_HOME, 0}, {VK_NEXT, 4}, {VK_PRIOR, 0}};
    int previous = -1;
    for (const auto& step : steps) {
        Key(step.key);
        EXPECT_EQ(FocusedRow(), step.row) << "key " << step.key;
        EXPECT_EQ(RowState(step.row), static_cast<UINT>(LVIS_FOCUSED | LVIS_SELECTED)) << "key " << step.key;
        if (previous >= 0 && previous != step.row) {
            EXPECT_EQ(RowState(previous), 0u) << "the row left behind, key " << step.key;
        }
        previous = step.row;
    }
    m_prompts->Answer(IDYES);
    SendCommand(ID_ITEM_DELETE);
    EXPECT_EQ(Rows().size(), 4u) << "the keys' row is the current row of the commands";
}

TEST_F(VirtualList, AMillionRowsComeInWithTheirTotal)
{
    const int itemCount = 1000000;
    std::string bytes = std::to_string(itemCount + 2) + "\n";
    for (int i = 0; i < itemCount; ++i)
        bytes += std::to_string(i % 4) + "\nItem " + std::to_string(i) + "\n1\nShop\n" + std::to_string(i % 3) + "\n";
    WriteBytes(m_folder->File(L"million.grl"), bytes);

    RunWithFile(ID_FILE_OPEN, m_folder->File(L"million.grl"));
    ASSERT_EQ(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), itemCount + 2);
    EXPECT_EQ(RowAt(itemCount + 1), Total(L"999999")) << "333,333 prices of 1 and as many of 2";
    Key(VK_END);
    EXPECT_EQ(FocusedRow(), itemCount + 1);
    Key(VK_UP);
    Key(VK_UP);
    SendCommand(ID_ITEM_CHECK);
    EXPECT_EQ(RowAt(itemCount - 1).mark, MarkCross) << "Check on the last item's question mark";
    SendCommand(ID_ITEM_EDIT);
    EXPECT_EQ(FieldText(IDC_ITEM), L"Item 999999");

    m_prompts->Answer(IDYES);
    SendCommand(ID_FILE_NEW);
    EXPECT_EQ(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), ClosingRowCount) << "New clears them in one step";
}

}  // namespace
