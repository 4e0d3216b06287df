// The main window at the DPI it runs at and at any size. This program runs these cases
// at 96 DPI with the others, and again in prefixes at 144 and 192 DPI (ctest's
// gromble_tests.dpi_NNN): every check holds at any DPI.
#include "support/MainWindowTest.h"

#include "font/ListFont.h"
#include "framework/Dpi.h"
#include "framework/ImageScale.h"
#include "res/resource.h"
#include "shell/MenuBar.h"

#include <commctrl.h>

#include <map>

namespace {

// The entry panel's places at 96 DPI and the handheld's width: left, top, right, bottom.
const std::map<int, RECT> kHandheldPlaces = {
    {IDC_ITEM_LABEL, {0, 9, 30, 23}},        {IDC_ITEM, {35, 5, 161, 30}},
    {IDC_QT, {165, 5, 202, 30}},             {IDC_ADD, {208, 0, 240, 32}},
    {IDC_LOCATION_LABEL, {0, 39, 53, 53}},   {IDC_LOCATION, {53, 33, 121, 58}},
    {IDC_PRICE_LABEL, {123, 39, 156, 53}},   {IDC_PRICE, {158, 33, 235, 58}},
};

// How wide text stands in control's font: its ink, for the last character's advance
// may run past it.
int InkWidth(HWND control, const std::wstring& text)
{
    CClientDC dc(control);
    CSelectedObject font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    ABC last = {};
    ::GetCharABCWidthsW(dc, text.back(), text.back(), &last);
    return dc.GetTextExtent(text.c_str(), static_cast<int>(text.size())).cx - std::max(0, last.abcC);
}

// What a test compares of the window's shape.
struct Shape {
    std::map<int, CRect> places;  // the controls and the bar, in client coordinates
    std::vector<int> columns;
    int rowHeight = 0;
    int markSize = 0;
    LONG fontHeight = 0;  // of the Item field
    bool operator==(const Shape& other) const
    {
        return places == other.places && columns == other.columns && rowHeight == other.rowHeight &&
               markSize == other.markSize && fontHeight == other.fontHeight;
    }
};

class WindowScale : public MainWindowTest {
protected:
    UINT Dpi() const { return DpiOfWindow(Window()); }
    HWND Bar() const { return Control(CMenuBar::WindowId); }
    CRect Place(HWND control) const
    {
        CRect rect;
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    int ColumnWidth(int column) const
    {
        return static_cast<int>(::SendMessageW(List(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    }
    Shape ShapeNow() const
    {
        Shape shape;
        for (int id : {IDC_ITEM_LABEL, IDC_ITEM, IDC_QT, IDC_ADD, IDC_LOCATION_LABEL, IDC_LOCATION, IDC_PRICE_LABEL,
                       IDC_PRICE, IDC_LIST, static_cast<int>(CMenuBar::WindowId)})
            shape.places[id] = Place(Control(id));
        for (int column = 0; column < 4; ++column)
            shape.columns.push_back(ColumnWidth(column));
        CRect row = {LVIR_BOUNDS, 0, 0, 0};
        ::SendMessageW(List(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
        shape.rowHeight = row.Height();
        int height = 0;
        ::ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(::SendMessageW(List(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)),
                                &shape.markSize, &height);
        LOGFONTW font = {};
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(Control(IDC_ITEM), WM_GETFONT, 0, 0)), sizeof(font), &font);
        shape.fontHeight = font.lfHeight;
        return shape;
    }
    // The entry panel stands where the handheld's places scaled to dpi put it (a
    // label may be taller, to hold a line of its font), the list below it, and the
    // window is the handheld's screen and the bar.
    void ExpectHandheldShape(UINT dpi) const
    {
        SCOPED_TRACE(testing::Message() << "at " << dpi << " DPI");
        for (const auto& [id, at96] : kHandheldPlaces) {
            CRect expected(ScaleToDpi(at96.left, dpi), ScaleToDpi(at96.top, dpi), ScaleToDpi(at96.right, dpi),
                           ScaleToDpi(at96.bottom, dpi));
            const CRect place = Place(Control(id));
            if (id == IDC_ITEM_LABEL || id == IDC_LOCATION_LABEL || id == IDC_PRICE_LABEL)
                expected.bottom = std::max(expected.bottom, place.bottom);
            EXPECT_EQ(place, expected) << "control " << id;
        }
        CRect client;
        ::GetClientRect(Window(), &client);
        EXPECT_EQ(client.Width(), ScaleToDpi(240, dpi));
        EXPECT_EQ(Place(Bar()).top, ScaleToDpi(268, dpi)) << "the handheld's screen stands above the bar";
        EXPECT_EQ(Place(List()).top, ScaleToDpi(62, dpi));
        EXPECT_EQ(ColumnWidth(1), ScaleToDpi(36, dpi)) << "the Qt column";
        EXPECT_EQ(ShapeNow().markSize, ScaledImageSize(16, dpi));
    }
    // What WM_DPICHANGED brings when the window moves to a monitor of dpi: the same
    // window, its client area scaled (Wine's frame does not change with the DPI).
    void MoveToDpi(UINT from, UINT to)
    {
        CRect frame;
        CRect client;
        ::GetWindowRect(Window(), &frame);
        ::GetClientRect(Window(), &client);
        const int frameWidth = frame.Width() - client.Width();
        const int frameHeight = frame.Height() - client.Height();
        RECT suggested = {frame.left, frame.top, frame.left + frameWidth + ::MulDiv(client.Width(), to, from),
                          frame.top + frameHeight + ::MulDiv(client.Height(), to, from)};
        ::SendMessageW(Window(), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
        PumpMessages();
    }
    // Drags a divider of the list's header with the mouse, as a user does.
    void DragDividerRightOf(int column, int by)
    {
        HWND header = reinterpret_cast<HWND>(::SendMessageW(List(), LVM_GETHEADER, 0, 0));
        RECT item = {};
        ::SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
        POINT divider = {item.right - 1, (item.top + item.bottom) / 2};
        ::ClientToScreen(header, &divider);
        for (auto [dx, flags] : {std::pair<int, DWORD>{0, MOUSEEVENTF_LEFTDOWN}, {by / 2, MOUSEEVENTF_MOVE},
                                 {by, MOUSEEVENTF_MOVE}, {by, MOUSEEVENTF_LEFTUP}}) {
            ASSERT_TRUE(::SetCursorPos(divider.x + dx, divider.y));
            INPUT input = {};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = flags;
            ASSERT_EQ(::SendInput(1, &input, sizeof(input)), 1u);
            PumpMessages();
        }
    }
};

TEST_F(WindowScale, EveryControlHasItsPlaceAndTextAtThisDpi)
{
    const UINT dpi = Dpi();
    ExpectHandheldShape(dpi);
    CRect client;
    ::GetClientRect(Window(), &client);
    const Shape shape = ShapeNow();
    for (auto a = shape.places.begin(); a != shape.places.end(); ++a) {
        CRect inside;
        EXPECT_TRUE(::IntersectRect(&inside, &a->second, &client) && inside == a->second) << "control " << a->first;
        for (auto b = std::next(a); b != shape.places.end(); ++b) {
            CRect overlap;
            EXPECT_FALSE(::IntersectRect(&overlap, &a->second, &b->second)) << a->first << " overlaps " << b->first;
        }
    }
    // Each label's text in the label's font fits its width and height.
    for (int id : {IDC_ITEM_LABEL, IDC_LOCATION_LABEL, IDC_PRICE_LABEL}) {
        CClientDC dc(Control(id));
        CSelectedObject font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(Control(id), WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics = {};
        ::GetTextMetricsW(dc, &metrics);
        EXPECT_LE(InkWidth(Control(id), FieldText(id)), Place(Control(id)).Width()) << "label " << id;
        EXPECT_LE(metrics.tmHeight, Place(Control(id)).Height()) << "label " << id;
    }
    // The bar's Menu and Options buttons hold their words.
    for (int command : {ID_MENU_BUTTON, ID_OPTIONS_BUTTON}) {
        wchar_t words[32] = L"";
        ::SendMessageW(Bar(), TB_GETBUTTONTEXTW, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(words));
        CClientDC dc(Bar());
        CSelectedObject font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(Bar(), WM_GETFONT, 0, 0)));
        CRect button;
        ::SendMessageW(Bar(), TB_GETRECT, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(&button));
        EXPECT_LT(dc.GetTextExtent(words, lstrlenW(words)).cx, button.Width()) << "button " << command;
    }
    // A row is as tall as the list font's letters need.
    CFont listFont;
    const LOGFONTW description = LogFontOf(StartupListFontSettings(), dpi);
    ASSERT_TRUE(listFont.CreateFontIndirect(&description));
    CClientDC dc(List());
    CSelectedObject selected(dc, listFont.GetSafeHandle());
    TEXTMETRICW metrics = {};
    ::GetTextMetricsW(dc, &metrics);
    EXPECT_GE(shape.rowHeight, metrics.tmHeight);
    EXPECT_GE(shape.rowHeight, shape.markSize);
}

TEST_F(WindowScale, ALargeWindowGivesItsWidthToItemAndLocationAndItsHeightToTheList)
{
    const Shape before = ShapeNow();
    ::SetFocus(List());
    CRect frame;
    ::GetWindowRect(Window(), &frame);
    // Within a 1024 by 768 screen at 192 DPI too.
    ::SetWindowPos(Window(), nullptr, 0, 0, frame.Width() + 300, frame.Height() + 100, SWP_NOMOVE | SWP_NOZORDER);
    const Shape after = ShapeNow();
    EXPECT_EQ(::GetFocus(), List()) << "the keyboard focus stays where it was";
    auto grown = [&](int id, int left, int right) {
        CRect expected = before.places.at(id);
        expected.left += left;
        expected.right += right;
        EXPECT_EQ(after.places.at(id), expected) << "control " << id;
    };
    for (int id : {IDC_ITEM_LABEL, IDC_LOCATION_LABEL})
        grown(id, 0, 0);
    for (int id : {IDC_ITEM, IDC_LOCATION})
        grown(id, 0, 300);
    for (int id : {IDC_QT, IDC_ADD, IDC_PRICE_LABEL, IDC_PRICE})
        grown(id, 300, 300);
    CRect list = before.places.at(IDC_LIST);
    list.right += 300;
    list.bottom += 100;
    EXPECT_EQ(after.places.at(IDC_LIST), list);
    EXPECT_EQ(after.columns[0] + after.columns[2], before.columns[0] + before.columns[2] + 300);
    EXPECT_GT(after.columns[0], before.columns[0]);
    EXPECT_GT(after.columns[2], before.columns[2]);
    EXPECT_EQ(after.columns[1], before.columns[1]);
    EXPECT_EQ(after.columns[3], before.columns[3]);
    // The tool buttons keep to the bar's right end.
    CRect bar;
    ::GetClientRect(Bar(), &bar);
    CRect help;
    ::SendMessageW(Bar(), TB_GETRECT, ID_HELP_HELP, reinterpret_cast<LPARAM>(&help));
    EXPECT_EQ(help.right, bar.right);
}

TEST_F(WindowScale, PlaceSizeAndTheColumnWidthsSetComeBackAfterARestart)
{
    const int qt = ColumnWidth(1);
    DragDividerRightOf(1, 30);
    EXPECT_GT(ColumnWidth(1), qt) << "the drag widened the Qt column";
    const int widened = ColumnWidth(1);
    ::SetWindowPos(Window(), nullptr, 100, 20, ScaleToDpi(320, Dpi()), ScaleToDpi(360, Dpi()), SWP_NOZORDER);
    EXPECT_EQ(ColumnWidth(1), widened) << "a width the user set stays";
    CRect left;
    ::GetWindowRect(Window(), &left);

    CloseWindow();
    OpenWindow();
    CRect back;
    ::GetWindowRect(Window(), &back);
    EXPECT_EQ(back, left);
    EXPECT_EQ(ColumnWidth(1), widened);

    ::ShowWindow(Window(), SW_MAXIMIZE);
    CloseWindow();
    OpenWindow();
    EXPECT_TRUE(::IsZoomed(Window())) << "maximized it was left, maximized it comes back";
    ::ShowWindow(Window(), SW_RESTORE);
    ::GetWindowRect(Window(), &back);
    EXPECT_EQ(back, left);

    // Left on a monitor that is gone: back on the screen.
    CloseWindow();
    const wchar_t farAway[] = L"20000 20000 20320 20360";
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Gromble", L"WindowPlace", REG_SZ, farAway,
                                sizeof(farAway)),
              ERROR_SUCCESS);
    OpenWindow();
    ::GetWindowRect(Window(), &back);
    EXPECT_LE(back.right, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_LE(back.bottom, ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_EQ(back.Width(), ScaleToDpi(320, Dpi()));
}

TEST_F(WindowScale, ADpiChangeLaysOutAsAStartAtThatDpiAndBack)
{
    const UINT dpi = Dpi();
    const Shape start = ShapeNow();
    const UINT other = dpi == 192 ? 96 : 192;
    MoveToDpi(dpi, other);
    ExpectHandheldShape(other);
    MoveToDpi(other, dpi);
    EXPECT_TRUE(ShapeNow() == start) << "back at " << dpi << " DPI as it started";
}

// The boxes the window opens stand on its monitor, drawn at its DPI, their words whole.
struct BoxSeen {
    HMONITOR monitor = nullptr;
    int clientWidth = 0;
    int widestOverflow = 1;  // of a static text's ink past its control
};
BoxSeen g_about;
BoxSeen g_editor;

void LookAndClose(const wchar_t* caption, BoxSeen& seen)
{
    HWND box = FindTopLevelWindow(caption);
    ASSERT_NE(box, nullptr) << "no box " << Narrow(caption);
    seen.monitor = ::MonitorFromWindow(box, MONITOR_DEFAULTTONULL);
    CRect client;
    ::GetClientRect(box, &client);
    seen.clientWidth = client.Width();
    seen.widestOverflow = -1000;
    for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = L"";
        wchar_t words[128] = L"";
        ::GetClassNameW(child, className, 16);
        if (lstrcmpiW(className, L"Static") != 0 || ::GetWindowTextW(child, words, 128) == 0)
            continue;
        CRect place;
        ::GetClientRect(child, &place);
        seen.widestOverflow = std::max(seen.widestOverflow, InkWidth(child, words) - place.Width());
    }
    ::PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(WindowScale, TheAboutBoxAndTheFontEditorOpenOnTheWindowsMonitorAtItsDpi)
{
    WhenModalLoopRuns([] { LookAndClose(L"About Gromble", g_about); });
    SendCommand(ID_HELP_ABOUT);
    WhenModalLoopRuns([] { LookAndClose(L"Gromble List Font Editor", g_editor); });
    SendCommand(ID_OPTIONS_LIST_FONT);

    HMONITOR monitor = ::MonitorFromWindow(Window(), MONITOR_DEFAULTTONULL);
    EXPECT_EQ(g_about.monitor, monitor);
    EXPECT_EQ(g_editor.monitor, monitor);
    EXPECT_EQ(g_about.clientWidth, ScaleToDpi(240, Dpi())) << "the About box fills the handheld's screen";
    EXPECT_LE(g_about.widestOverflow, 0) << "the About box's words are whole";
    EXPECT_LE(g_editor.widestOverflow, 0) << "the font editor's words are whole";
}

}  // namespace
