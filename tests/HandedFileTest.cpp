// List files handed to the main window: at start and dropped on it.
#include "support/FileCommandTest.h"

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

}  // namespace
