#include "support/FileCommandTest.h"

#include "framework/AcceleratorTable.h"
#include "framework/Gdi.h"
#include "framework/Icon.h"
#include "framework/ImageList.h"
#include "framework/Menu.h"
#include "res/resource.h"

namespace {

const HandleCounts& (*const kCounts[])() = {&CGdiObject::Counts, &CMenu::Counts, &CIcon::Counts, &CImageList::Counts,
                                            &CAcceleratorTable::Counts};
const char* const kKindNames[] = {"GDI object", "menu", "icon", "image list", "accelerator table"};
constexpr int kKinds = 5;

class HandleHygiene : public FileCommandTest {
protected:
    void SetUp() override
    {
        for (int i = 0; i < kKinds; ++i)
            m_before[i] = kCounts[i]();
        FileCommandTest::SetUp();
    }

    void AddTypedItem(int i)
    {
        SetFieldText(IDC_ITEM, L"Item " + std::to_wstring(i) + L" with a long name to cut");
        SetFieldText(IDC_PRICE, std::to_wstring(i % 13));
        Add();
    }
    // The button's notification, as a tap sends it.
    void Add() { ::SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(IDC_ADD, BN_CLICKED), reinterpret_cast<LPARAM>(Control(IDC_ADD))); }
    void EditAndApply(int row, int i)
    {
        FocusRow(row);
        SendCommand(ID_ITEM_EDIT);
        SetFieldText(IDC_QT, std::to_wstring(i));
        Add();
    }
    void Repaint()
    {
        ::RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    void ApplyFontEditor()
    {
        WhenModalLoopRuns([] {
            HWND editor = FindTopLevelWindow(L"Gromble List Font Editor");
            ASSERT_NE(editor, nullptr);
            ::CheckDlgButton(editor, IDC_FONT_BOLD, BST_CHECKED);
            ::SendMessageW(editor, WM_COMMAND, MAKEWPARAM(IDC_FONT_BOLD, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(editor, IDC_FONT_BOLD)));
            ::PostMessageW(editor, WM_COMMAND, IDOK, 0);
        });
        SendCommand(ID_OPTIONS_LIST_FONT);
    }
    void FileCommands(int i)
    {
        std::wstring list = m_folder->File(L"list" + std::to_wstring(i % 3) + L".grl");
        RunWithFile(ID_FILE_SAVE, list);
        RunWithFile(ID_FILE_ATTACH, list);
        RunWithFile(ID_EXPORT_TEXT, m_folder->File(L"list.txt"));
        RunWithFile(ID_EXPORT_HTML, m_folder->File(L"list.html"));
        RunWithFile(ID_FILE_OPEN, list);
    }

    HandleCounts m_before[kKinds];
};

TEST_F(HandleHygiene, ALongSessionReleasesEveryHandleItMadeOnce)
{
    std::vector<HGDIOBJ> background = BackgroundBrushes();

    for (int i = 0; i < 1000; ++i) {
        AddTypedItem(i);
        if (i % 3 == 0)
            EditAndApply(i % 4, i);
        if (i % 5 == 0) {
            FocusRow(i % 3);
            SendCommand(i % 2 ? ID_ITEM_BOTTOM : ID_ITEM_TOP);
            SendCommand(i % 4 ? ID_ITEM_UP : ID_ITEM_DOWN);
        }
        if (i % 7 == 0) {
            FocusRow(0);
            SendCommand(ID_ITEM_CHECK);
            SendCommand(ID_ITEM_CHECK);
            m_prompts->Answer(IDYES);
            SendCommand(ID_ITEM_DELETE);
        }
        if (i % 40 == 0)
            SendCommand(ID_OPTIONS_TOGGLE_HEADERS);
        if (i % 150 == 0)
            ApplyFontEditor();
        if (i % 250 == 50)
            FileCommands(i);
        if (i % 5 == 0)
            Repaint();
        // Lists that fit the view: with scroll bars shown, Wine's theme draws them
        // again at every change of the count, about 20 ms each time.
        if (i % 8 == 7) {
            m_prompts->Answer(IDYES);
            SendCommand(ID_FILE_NEW);
        }
    }
    ExpectListIsWhole();

    CloseWindow();

    for (int i = 0; i < kKinds; ++i) {
        HandleCounts after = kCounts[i]();
        EXPECT_EQ(after.Held(), m_before[i].Held()) << "every " << kKindNames[i] << " made was released";
        EXPECT_EQ(after.failedReleases, m_before[i].failedReleases) << "no " << kKindNames[i] << " was released twice";
        EXPECT_GT(after.released, m_before[i].released) << "the session made and released " << kKindNames[i] << "s";
    }
    EXPECT_GT(CGdiObject::Counts().released - m_before[0].released, 2000)
        << "every row drawn makes and releases its brush and clip regions";

    for (HGDIOBJ brush : background)
        EXPECT_EQ(::GetObjectType(brush), 0u);
}

}  // namespace
