#include "support/Canvas.h"
#include "support/FileCommandTest.h"

#include "framework/Icon.h"
#include "res/resource.h"

namespace {

class EntryPanel : public MainWindowTest {
protected:
    void Type(const std::wstring& name, const std::wstring& quantity, const std::wstring& location,
              const std::wstring& price)
    {
        SetFieldText(IDC_ITEM, name);
        SetFieldText(IDC_QT, quantity);
        SetFieldText(IDC_LOCATION, location);
        SetFieldText(IDC_PRICE, price);
    }
    // Milk (5, ticked) above Bread (2) above Jam (4).
    void PutThreeItems()
    {
        PutItem({1, L"Jam", L"1", L"Shop", L"4"});
        PutItem({1, L"Bread", L"2", L"Bakery", L"2"});
        PutItem({0, L"Milk", L"1", L"Market", L"5"});
    }
    std::vector<std::wstring> Fields() const
    {
        return {FieldText(IDC_ITEM), FieldText(IDC_QT), FieldText(IDC_LOCATION), FieldText(IDC_PRICE)};
    }
    // The button's icon, compared with the two icons by their pixels.
    int IconShown() const;
};

// The icon on black in a 32 x 32 square.
Canvas ResourceIcon(int id)
{
    Canvas canvas(32, 32, RGB(0, 0, 0));
    CIcon icon;
    icon.Attach(static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, 0)));
    canvas.DC().DrawIconEx(0, 0, icon.GetSafeHandle(), 0, 0, DI_NORMAL);
    return canvas;
}

// What the Add button draws on black where its icon fills the square.
Canvas DrawnButton(HWND dialog, HWND button)
{
    Canvas canvas(32, 32, RGB(0, 0, 0));
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_BUTTON;
    draw.CtlID = IDC_ADD;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.hwndItem = button;
    draw.hDC = canvas.DC();
    draw.rcItem = canvas.Area();
    ::SendMessageW(dialog, WM_DRAWITEM, IDC_ADD, reinterpret_cast<LPARAM>(&draw));
    return canvas;
}

int EntryPanel::IconShown() const
{
    const Canvas shown = DrawnButton(Window(), Control(IDC_ADD));
    for (int icon : {IDI_ADD, IDI_EDIT})
        if (shown.Differences(ResourceIcon(icon)) == 0)
            return icon;
    return 0;
}

TEST_F(EntryPanel, TheButtonRightAfterStartAddsAnEmptyItem)
{
    EXPECT_EQ(IconShown(), IDI_ADD);
    TapAddButton();
    std::vector<ShownRow> expected = {{1, L"", L"1", L"Market", L"0"}, Separator(), Total(L"0")};
    EXPECT_EQ(Rows(), expected);
}

TEST_F(EntryPanel, AddPutsTheItemOnTopAndResetsTheFields)
{
    PutItem({1, L"Milk", L"1", L"Market", L"3"});
    Type(L"Eggs", L"12", L"Shop", L"3");
    TapAddButton();

    std::vector<ShownRow> expected = {
        {1, L"Eggs", L"12", L"Shop", L"3"}, {1, L"Milk", L"1", L"Market", L"3"}, Separator(), Total(L"6")};
    EXPECT_EQ(Rows(), expected);
    std::vector<std::wstring> fields = {L"", L"1", L"Shop", L"0"};
    EXPECT_EQ(Fields(), fields) << "Location keeps the text that was used";
    EXPECT_EQ(::GetFocus(), Control(IDC_ITEM));
}

TEST_F(EntryPanel, EnterInAFieldAddsTheItem)
{
    Type(L"Tea", L"2", L"Market", L"4");
    PressEnterIn(IDC_PRICE);
    ASSERT_EQ(Rows().size(), 3u);
    EXPECT_EQ(Rows()[0], (ShownRow{1, L"Tea", L"2", L"Market", L"4"}));
    EXPECT_NE(m_dialog->m_hWnd, nullptr);
}

// Enter goes through the dialog's own modal loop; the close box's cancel is queued
// behind it, and Exit behind that ends a loop that nothing else ended.
TEST(EntryPanelRunning, EnterInAFieldDoesNotEndTheDialog)
{
    ScratchFolder folder;
    WhenModalLoopRuns([] {
        HWND main = FindTopLevelWindow(L"Gromble");
        ASSERT_NE(main, nullptr);
        ::SetDlgItemTextW(main, IDC_ITEM, L"Tea");
        HWND price = ::GetDlgItem(main, IDC_PRICE);
        ::SetFocus(price);
        ::PostMessageW(price, WM_KEYDOWN, VK_RETURN, 0);
        ::SendMessageW(main, WM_CLOSE, 0, 0);
        ::PostMessageW(main, WM_COMMAND, ID_FILE_EXIT, 0);
    });
    CShoppingDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "the close ends the dialog, not the Enter before it";
}

TEST_F(EntryPanel, ApplyRaisesTheTotalByTheDifferenceAndKeepsMarkAndPlace)
{
    PutThreeItems();
    FocusRow(0);
    SendCommand(ID_ITEM_EDIT);
    std::vector<std::wstring> loaded = {L"Milk", L"1", L"Market", L"5"};
    EXPECT_EQ(Fields(), loaded);
    EXPECT_EQ(IconShown(), IDI_EDIT);

    SetFieldText(IDC_PRICE, L"7");
    SetFieldText(IDC_ITEM, L"Soy milk");
    TapAddButton();

    EXPECT_EQ(Rows()[0], (ShownRow{0, L"Soy milk", L"1", L"Market", L"7"}));
    EXPECT_EQ(Rows().size(), 5u);
    EXPECT_EQ(Rows().back(), Total(L"13"));
    EXPECT_EQ(IconShown(), IDI_ADD);
    std::vector<std::wstring> reset = {L"", L"1", L"Market", L"0"};
    EXPECT_EQ(Fields(), reset);
}

TEST_F(EntryPanel, ApplyGoesToTheRowTappedSinceEdit)
{
    PutThreeItems();
    FocusRow(0);
    SendCommand(ID_ITEM_EDIT);
    FocusRow(2);
    SetFieldText(IDC_PRICE, L"10");
    TapAddButton();

    std::vector<ShownRow> rows = Rows();
    EXPECT_EQ(rows[0], (ShownRow{0, L"Milk", L"1", L"Market", L"5"})) << "the row Edit loaded is unchanged";
    EXPECT_EQ(rows[2], (ShownRow{1, L"Milk", L"1", L"Market", L"10"}));
    EXPECT_EQ(rows.back(), Total(L"17")) << "Jam's 4 went out, 10 came in";
}

TEST_F(EntryPanel, EditOnAnotherRowReloadsTheFields)
{
    PutThreeItems();
    FocusRow(0);
    SendCommand(ID_ITEM_EDIT);
    FocusRow(1);
    SendCommand(ID_ITEM_EDIT);
    std::vector<std::wstring> loaded = {L"Bread", L"2", L"Bakery", L"2"};
    EXPECT_EQ(Fields(), loaded);
    EXPECT_EQ(IconShown(), IDI_EDIT);
}

// Apply goes to the row with the focus; once the row that Edit loaded is gone that
// would be another item, so the edit ends with its row and the typed texts wait.
TEST_F(EntryPanel, TheEditEndsWhenItsRowGoesAndOnlyThen)
{
    PutThreeItems();
    FocusRow(1);
    SendCommand(ID_ITEM_EDIT);
    SetFieldText(IDC_PRICE, L"9");
    const std::vector<std::wstring> typed = {L"Bread", L"2", L"Bakery", L"9"};
    FocusRow(0);
    m_prompts->Answer(IDYES);
    SendCommand(ID_ITEM_DELETE);  // Milk
    SendCommand(ID_ITEM_BOTTOM);  // Bread, which took Milk's place and focus
    EXPECT_EQ(IconShown(), IDI_EDIT) << "another row went, and Bread only moved";

    ASSERT_EQ(RowAt(FocusedRow()).name, L"Bread");
    m_prompts->Answer(IDYES);
    SendCommand(ID_ITEM_DELETE);
    EXPECT_EQ(IconShown(), IDI_ADD);
    EXPECT_EQ(Fields(), typed);
    FocusRow(0);  // Jam, as a tap, or the platform after a removal, may focus it
    TapAddButton();
    const std::vector<ShownRow> added = {{1, L"Bread", L"2", L"Bakery", L"9"}, {1, L"Jam", L"1", L"Shop", L"4"},
                                         Separator(), Total(L"13")};
    EXPECT_EQ(Rows(), added) << "Jam is kept";

    FocusRow(1);
    SendCommand(ID_ITEM_EDIT);  // Jam
    WriteBytes(m_folder->File(L"list.grl"), "4\n0\nTea\n1\nShop\n2\n1\nSalt\n1\nMarket\n1\n");
    m_prompts->ChooseFile(m_folder->File(L"list.grl"));
    SendCommand(ID_FILE_OPEN);
    EXPECT_EQ(IconShown(), IDI_ADD) << "Open replaced the rows";
    EXPECT_EQ(Fields(), (std::vector<std::wstring>{L"Jam", L"1", L"Shop", L"4"}));

    FocusRow(1);
    SendCommand(ID_ITEM_EDIT);  // Salt
    m_prompts->Answer(IDYES);
    SendCommand(ID_FILE_NEW);
    EXPECT_EQ(IconShown(), IDI_ADD) << "New emptied the list";
    EXPECT_EQ(Fields(), (std::vector<std::wstring>{L"Salt", L"1", L"Market", L"1"}));
}

// Only item rows are edited: with the focus on a closing row or on no row, Edit leaves
// the typed texts alone and Apply adds them as an item; the row Edit loaded stays.
TEST_F(EntryPanel, WithoutAnItemRowEditDoesNothingAndApplyAddsTheTypedItem)
{
    PutThreeItems();
    Type(L"Typed", L"3", L"Here", L"9");
    SendCommand(ID_ITEM_EDIT);  // no row has the focus
    FocusRow(3);                // the separator
    SendCommand(ID_ITEM_EDIT);
    FocusRow(4);                // the Total row
    SendCommand(ID_ITEM_EDIT);
    EXPECT_EQ(Fields(), (std::vector<std::wstring>{L"Typed", L"3", L"Here", L"9"}));
    EXPECT_EQ(IconShown(), IDI_ADD);

    FocusRow(1);
    SendCommand(ID_ITEM_EDIT);  // Bread
    SetFieldText(IDC_PRICE, L"8");
    FocusRow(4);  // the Total row
    TapAddButton();
    std::vector<ShownRow> rows = {{1, L"Bread", L"2", L"Bakery", L"8"}, {0, L"Milk", L"1", L"Market", L"5"},
                                  {1, L"Bread", L"2", L"Bakery", L"2"}, {1, L"Jam", L"1", L"Shop", L"4"},
                                  Separator(), Total(L"19")};
    EXPECT_EQ(Rows(), rows) << "on the Total row";
    EXPECT_EQ(IconShown(), IDI_ADD);

    FocusRow(3);
    SendCommand(ID_ITEM_EDIT);  // Jam
    ClearFocus();
    ASSERT_EQ(FocusedRow(), -1);
    TapAddButton();
    rows.insert(rows.begin(), rows[3]);
    rows.back() = Total(L"23");
    EXPECT_EQ(Rows(), rows) << "with no current row";
}

}  // namespace
