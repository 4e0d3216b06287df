// Undo and Redo through the real window: the Menu pop-up's entries, greyed when there
// is nothing to undo or redo, and the focused row after an undo.
#include "support/FileCommandTest.h"

#include "res/resource.h"

namespace {

class UndoCommand : public FileCommandTest {
protected:
    // The Menu pop-up as the bar opens it: its entries' states as the window sets them.
    std::pair<bool, bool> UndoAndRedoEnabled()
    {
        HMENU bar = ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MENUBAR));
        HMENU popup = ::GetSubMenu(bar, 0);
        ::SendMessageW(Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
        const auto enabled = [popup](UINT id) { return (::GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED) == 0; };
        const std::pair<bool, bool> states = {enabled(ID_EDIT_UNDO), enabled(ID_EDIT_REDO)};
        ::DestroyMenu(bar);
        return states;
    }
};

TEST_F(UndoCommand, AnAttachAndANewAreTakenBackAndTheFocusReturnsToTheRowChanged)
{
    EXPECT_EQ(UndoAndRedoEnabled(), std::make_pair(false, false));
    PutItem({MarkCross, L"Milk", L"2", L"Market", L"3"});
    PutItem({MarkCross, L"Bread", L"1", L"Bakery", L"2"});
    const std::vector<ShownRow> two = Items();
    WriteBytes(m_folder->File(L"week.grl"), "4\n0\nTea\n1\nShop\n5\n1\nJam\n1\nShop\n4\n");
    RunWithFile(ID_FILE_ATTACH, m_folder->File(L"week.grl"));
    const std::vector<ShownRow> four = Items();
    ASSERT_EQ(four.size(), 4u);
    m_prompts->Answer(IDYES);
    SendCommand(ID_FILE_NEW);
    ASSERT_TRUE(Items().empty());

    SendCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Items(), four) << "New undone";
    EXPECT_EQ(UndoAndRedoEnabled(), std::make_pair(true, true));
    SendCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Items(), two) << "Attach undone";
    ExpectListIsWhole();

    FocusRow(1);
    SendCommand(ID_ITEM_CHECK);
    FocusRow(0);
    SendCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Items(), two) << "Check undone";
    EXPECT_EQ(FocusedRow(), 1) << "on the row the step changed";
    SendCommand(ID_EDIT_REDO);
    EXPECT_EQ(RowAt(1).mark, MarkTick);
    EXPECT_EQ(UndoAndRedoEnabled(), std::make_pair(true, false)) << "the Check redone; New dropped with it";
}

}  // namespace
