// Taps on the list through real pointer input: the mark strip flips marks, any other
// tap pops up the item menu at the tap, and the list is repainted around the menu.
#include "support/Canvas.h"
#include "support/MainWindowTest.h"

#include "list/ShoppingList.h"
#include "listview/ItemListCtrl.h"
#include "res/resource.h"

#include <commctrl.h>

#include <memory>

namespace {

// What the test saw of the item menu.
struct MenuVisit {
    HWND list = nullptr;
    bool entered = false;     // the owner heard WM_ENTERMENULOOP
    HWND owner = nullptr;
    CRect invalidAtEntry;     // the list's invalid area as the menu opened
    HMENU popup = nullptr;
    CRect menuWindow;         // empty unless a menu window was seen
    int currentRow = -2;      // the list's focused row while the menu was open
    bool paintedWhileOpen = false;
    int attempts = 0;
};
MenuVisit* g_visit = nullptr;
HHOOK g_hook = nullptr;

CRect UpdateRectOf(HWND window)
{
    CRect rect;
    return ::GetUpdateRect(window, &rect, FALSE) ? rect : CRect();
}

LRESULT CALLBACK WatchOwner(int code, WPARAM wParam, LPARAM lParam)
{
    auto* message = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_ENTERMENULOOP) {
        g_visit->entered = true;
        g_visit->owner = message->hwnd;
        g_visit->invalidAtEntry = UpdateRectOf(g_visit->list);
    } else if (code == HC_ACTION && message->message == WM_INITMENUPOPUP) {
        g_visit->popup = reinterpret_cast<HMENU>(message->wParam);
    }
    return ::CallNextHookEx(g_hook, code, wParam, lParam);
}

// Inside the menu's loop: notes what is shown, lets the list paint, closes the menu.
void LookAndCloseMenu()
{
    if (g_visit == nullptr)
        return;
    HWND menu = ::FindWindowW(L"#32768", nullptr);
    if (menu == nullptr || !::IsWindowVisible(menu)) {
        if (++g_visit->attempts < 100)
            WhenModalLoopRuns(&LookAndCloseMenu);
        return;
    }
    ::GetWindowRect(menu, &g_visit->menuWindow);
    g_visit->currentRow = static_cast<int>(::SendMessageW(g_visit->list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    ::UpdateWindow(g_visit->list);
    g_visit->paintedWhileOpen = UpdateRectOf(g_visit->list).IsRectEmpty();
    ::EndMenu();
}

class ListTap : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        // Far from the screen's left edge, so that the strip is the list's and not the
        // screen's, and away from where other tests' windows open.
        ::SetWindowPos(Window(), HWND_TOP, 720, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        PumpMessages();
        ForgetMenu();
        g_visit = &m_visit;
        g_hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &WatchOwner, nullptr, ::GetCurrentThreadId());
    }
    void TearDown() override
    {
        ::UnhookWindowsHookEx(g_hook);
        g_visit = nullptr;
        WhenModalLoopRuns(nullptr);  // a closer still armed after a tap on the strip stays idle
        MainWindowTest::TearDown();
    }

    // offset pixels right of the list's left window edge, halfway down the row.
    POINT AtRow(int offset, int row, HWND list = nullptr) const
    {
        list = list != nullptr ? list : List();
        CRect window;
        RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
        ::GetWindowRect(list, &window);
        ::SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
        ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&bounds), 2);
        return {window.left + offset, (bounds.top + bounds.bottom) / 2};
    }

    // The stylus down and up at a screen point. Handles the mouse messages up to the
    // tap's WM_LBUTTONDOWN with any menu it opens, and nothing else, no painting.
    void Tap(POINT at, HWND list = nullptr) { Click(at, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, list); }
    // The same with the mouse's right button.
    void RightClick(POINT at)
    {
        Click(at, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, nullptr);
        PumpMessages();
    }
    void Click(POINT at, DWORD down, DWORD up, HWND list)
    {
        ASSERT_TRUE(::SetCursorPos(at.x, at.y));
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_MOUSE;
        input[0].mi.dwFlags = down;
        input[1].mi.dwFlags = up;
        ASSERT_EQ(::SendInput(2, input, sizeof(INPUT)), 2u);
        m_visit.attempts = 0;
        WhenModalLoopRuns(&LookAndCloseMenu);
        for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < 3000;) {
            MSG msg;
            if (!::PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
                ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_MOUSE);
                continue;
            }
            ::DispatchMessageW(&msg);
            if (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN) {
                ASSERT_EQ(msg.hwnd, list != nullptr ? list : List());
                return;
            }
        }
        FAIL() << "the tap never reached the list";
    }
    void TapAndSettle(POINT at, HWND list = nullptr)
    {
        Tap(at, list);
        PumpMessages();
    }
    int Mark(int row) const { return Rows().at(static_cast<size_t>(row)).mark; }
    void ForgetMenu()
    {
        m_visit = MenuVisit();
        m_visit.list = List();
    }

    MenuVisit m_visit;
};

TEST_F(ListTap, StripEndsTwentyPixelsRightOfTheListsLeftEdge)
{
    PutItem({MarkCross, L"Milk", L"1", L"Market", L"3"});
    PutItem({MarkCross, L"Bread", L"1", L"Market", L"2"});
    TapAndSettle(AtRow(20, 0));
    EXPECT_FALSE(m_visit.entered);
    EXPECT_EQ(Mark(0), MarkTick) << "20 pixels in, the cross becomes a tick";
    EXPECT_EQ(FocusedRow(), 0);

    TapAndSettle(AtRow(21, 1));
    EXPECT_TRUE(m_visit.entered) << "21 pixels in, the menu opens";
    EXPECT_EQ(Mark(1), MarkCross);
    EXPECT_EQ(m_visit.currentRow, 1) << "the tapped row is current while the menu is open";
}

TEST_F(ListTap, StripTapsTurnSpecialMarksIntoCrossTickCross)
{
    for (int special : {MarkBang, MarkQuestion}) {
        PutItem({special, L"Jam", L"1", L"Shop", L"4"});
        std::vector<int> seen;
        // Over the mark, where the platform makes the row current, and apart by more
        // than the double-click distance.
        for (int offset : {5, 11, 17}) {
            TapAndSettle(AtRow(offset, 0));
            seen.push_back(Mark(0));
        }
        EXPECT_EQ(seen, (std::vector<int>{MarkCross, MarkTick, MarkCross})) << "from mark " << special;
    }
    TapAndSettle(AtRow(8, 2));
    EXPECT_EQ(Rows()[2], (ShownRow{MarkCross, L"----", L"---", L"---", L"---"})) << "a closing row flips too";
    EXPECT_EQ(Rows().back(), Total(L"8"));
    EXPECT_FALSE(m_visit.entered);
}

// A changed mark has its row painted again without erasing it, and the marks are drawn
// transparently: on the highlighted row the mark's area must be painted whole, or the
// tick of the first tap shows through the cross of the second.
TEST_F(ListTap, TwoTapsOnTheHighlightedRowsMarkShowOnlyTheNewMark)
{
    PutItem({MarkCross, L"Milk", L"1", L"Market", L"3"});
    for (int offset : {5, 17}) {  // apart by more than the double-click distance
        TapAndSettle(AtRow(offset, 0));
        ::UpdateWindow(List());
    }
    ASSERT_EQ(FocusedRow(), 0);
    ASSERT_EQ(Mark(0), MarkCross);

    const CRect bounds = RowRect(0, LVIR_BOUNDS);
    const CRect markArea(bounds.left, bounds.top, RowRect(0, LVIR_LABEL).left, bounds.bottom);
    CRect client;
    ::GetClientRect(List(), &client);
    Canvas fresh(client.Width(), client.Height(), ListBackColor);
    DrawMark(fresh.DC(), 0, MarkCross);
    EXPECT_EQ(fresh.Differences(List(), markArea), 0);
}

TEST_F(ListTap, MenuOpensAtTheTapOnAClosingRowAndWithNoCurrentRow)
{
    PutItem({MarkCross, L"Milk", L"1", L"Market", L"3"});
    ASSERT_EQ(FocusedRow(), -1);
    CRect list;
    ::GetWindowRect(List(), &list);
    TapAndSettle({list.left + 120, list.bottom - 20});
    EXPECT_FALSE(m_visit.menuWindow.IsRectEmpty()) << "below the rows";
    EXPECT_EQ(m_visit.currentRow, -1);

    ForgetMenu();
    POINT at = AtRow(60, 2);
    TapAndSettle(at);
    EXPECT_EQ(m_visit.currentRow, 2);
    EXPECT_EQ(m_visit.menuWindow.left, at.x) << "the menu's top-left corner is at the tap";
    EXPECT_EQ(m_visit.menuWindow.top, at.y);
    EXPECT_EQ(m_visit.owner, Window());
    ASSERT_EQ(::GetMenuItemCount(m_visit.popup), 10);
    EXPECT_EQ(::GetMenuItemID(m_visit.popup, 0), static_cast<UINT>(ID_ITEM_CHECK));
    EXPECT_EQ(::GetMenuItemID(m_visit.popup, 9), static_cast<UINT>(ID_ITEM_BOTTOM));
}

TEST_F(ListTap, RightButtonOpensTheMenuOnAnItemAndElsewhereTapsAsTheLeftOne)
{
    PutItem({MarkCross, L"Milk", L"1", L"Market", L"3"});
    PutItem({MarkCross, L"Bread", L"1", L"Market", L"2"});
    POINT at = AtRow(8, 1);
    RightClick(at);
    EXPECT_EQ(m_visit.currentRow, 1) << "the row under the pointer is current while the menu is open";
    EXPECT_EQ(m_visit.menuWindow.left, at.x) << "the menu opens at the pointer, over the mark too";
    EXPECT_EQ(m_visit.menuWindow.top, at.y);
    EXPECT_EQ(Mark(1), MarkCross);

    ForgetMenu();
    RightClick(AtRow(8, 2));
    EXPECT_FALSE(m_visit.entered) << "on a closing row's mark the right button flips it, as a tap does";
    EXPECT_EQ(Mark(2), MarkCross);
    RightClick(AtRow(60, 3));
    EXPECT_EQ(m_visit.currentRow, 3) << "right of a closing row's mark the menu opens, as at a tap";
    ForgetMenu();
    CRect list;
    ::GetWindowRect(List(), &list);
    RightClick({list.left + 120, list.bottom - 20});
    EXPECT_TRUE(m_visit.entered) << "below the rows";
    EXPECT_EQ(Rows().back(), Total(L"5"));
}

TEST_F(ListTap, MenuKeyOpensTheMenuBelowTheFocusedRow)
{
    PutItem({MarkCross, L"Milk", L"1", L"Market", L"3"});
    FocusRow(0);
    CRect label = RowRect(0, LVIR_LABEL);
    ::MapWindowPoints(List(), nullptr, reinterpret_cast<POINT*>(&label), 2);
    WhenModalLoopRuns(&LookAndCloseMenu);
    SendCommand(ID_ITEM_MENU);
    EXPECT_EQ(m_visit.currentRow, 0);
    EXPECT_EQ(m_visit.menuWindow.left, label.left);
    EXPECT_EQ(m_visit.menuWindow.top, label.bottom);
    EXPECT_EQ(m_visit.owner, Window());
}

TEST_F(ListTap, ListIsWhollyInvalidWhenTheMenuOpensAndAfterItCloses)
{
    PutItem({MarkCross, L"Milk", L"1", L"Market", L"3"});
    FocusRow(0);
    ::UpdateWindow(List());
    ASSERT_TRUE(UpdateRectOf(List()).IsRectEmpty());
    CRect client;
    ::GetClientRect(List(), &client);

    Tap(AtRow(90, 0));
    EXPECT_EQ(m_visit.invalidAtEntry, client);
    ASSERT_TRUE(m_visit.paintedWhileOpen);
    EXPECT_EQ(UpdateRectOf(List()), client) << "after the menu closed without a choice";
    PumpMessages();
}

// On a list of the test's own, laid over the window's, that holds the menus it is given.
TEST_F(ListTap, MenuIsReleasedWhenReplacedDroppedOrDestroyed)
{
    CRect area;
    ::GetWindowRect(List(), &area);
    ::MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&area), 2);
    CShoppingList rows;
    ItemRow milk;
    milk.name = L"Milk";
    rows.AddItem(milk);
    auto own = std::make_unique<CItemListCtrl>();
    ASSERT_TRUE(own->CreateEx(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_OWNERDATA,
                              area, m_dialog.get(), 4321));
    own->ShowRows(rows);
    ::SetWindowPos(*own, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_EQ(own->SetItemMenu(IDR_ITEMMENU, Window(), true), 0);
    TapAndSettle(AtRow(100, 0, *own), *own);
    HMENU first = m_visit.popup;
    ASSERT_TRUE(::IsMenu(first));
    EXPECT_EQ(own->SetItemMenu(999, Window(), true), 2) << "there is no menu 999";
    EXPECT_FALSE(::IsMenu(first));
    ForgetMenu();
    TapAndSettle(AtRow(60, 0, *own), *own);
    EXPECT_FALSE(m_visit.entered) << "without a menu a tap right of the strip does nothing";

    ASSERT_EQ(own->SetItemMenu(IDR_ITEMMENU, Window(), false), 0);
    TapAndSettle(AtRow(100, 0, *own), *own);
    HMENU second = m_visit.popup;
    ASSERT_TRUE(::IsMenu(second));
    own->DestroyWindow();
    own.reset();
    EXPECT_FALSE(::IsMenu(second)) << "the list destroys its menu";
}

TEST_F(ListTap, NotificationMinusFiftyIsAnsweredWithOne)
{
    auto notify = [&](int code, LONG_PTR* msgResult) {
        NMHDR header = {List(), IDC_LIST, static_cast<UINT>(code)};
        ::SetWindowLongPtrW(Window(), DWLP_MSGRESULT, 77);
        LRESULT result = ::SendMessageW(Window(), WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&header));
        *msgResult = ::GetWindowLongPtrW(Window(), DWLP_MSGRESULT);
        return result;
    };
    LONG_PTR msgResult = 0;
    EXPECT_EQ(notify(-50, &msgResult), 1);
    EXPECT_EQ(msgResult, 1);
    EXPECT_EQ(notify(-49, &msgResult), 0) << "a neighbouring code is not the list's";
}

}  // namespace
