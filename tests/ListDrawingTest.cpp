// The list's own painting, read back pixel by pixel from memory bitmaps that the list
// paints into when the main window is sent WM_DRAWITEM, and the header that Toggle
// Headers hides and shows.
#include "support/Canvas.h"
#include "support/MainWindowTest.h"

#include "font/ListFont.h"
#include "res/resource.h"

#include <commctrl.h>

#include <cstdio>

namespace {

constexpr COLORREF kUntouched = RGB(20, 200, 20);

// The left- or rightmost x in area with a pixel other than background; -1 when none.
int InkEdge(const Canvas& canvas, const CRect& area, COLORREF background, bool fromLeft)
{
    for (int i = 0; i < area.Width(); ++i) {
        const int x = fromLeft ? area.left + i : area.right - 1 - i;
        if (canvas.CountOf(background, CRect(x, area.top, x + 1, area.bottom)) < area.Height())
            return x;
    }
    return -1;
}

// A font of the test's own, made from the settings the list starts with.
class StartupFont : public CFont {
public:
    StartupFont()
    {
        const LOGFONTW settings = LogFontOf(StartupListFontSettings());
        CreateFontIndirect(&settings);
    }
};

class ListDrawing : public MainWindowTest {
protected:
    Canvas MakeCanvas(COLORREF fill = kUntouched) const
    {
        CRect client;
        ::GetClientRect(List(), &client);
        return Canvas(client.Width(), client.Height(), fill);
    }
    int ColumnWidth(int column) const
    {
        return static_cast<int>(::SendMessageW(List(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    }
    CRect ColumnArea(int row, int column) const
    {
        CRect area = RowRect(row, LVIR_BOUNDS);
        for (int i = 0; i < column; ++i)
            area.left += ColumnWidth(i);
        area.right = area.left + ColumnWidth(column);
        return area;
    }
    // Starts the window again on a system list file with no items and this font line
    // ("height bold italic underline antialiased") and face.
    void RestartWithListFont(const char* fontLine, const char* face)
    {
        CloseWindow();  // it stores its own system list file on the way out
        if (std::FILE* file = std::fopen("GRSystemList.grl", "w")) {
            std::fprintf(file, "2\n0\n%s\n%s\n", fontLine, face);
            std::fclose(file);
        } else {
            ADD_FAILURE() << "the system list file cannot be written";
        }
        OpenWindow();
    }
    static COLORREF Highlight() { return ::GetSysColor(COLOR_HIGHLIGHT); }
};

TEST_F(ListDrawing, FocusedRowIsHighlightedFromTheLabelAndItsMarkStandsOnTheListsBackground)
{
    PutItem({MarkBang, L"Milk", L"1", L"Market", L"3"});
    FocusRow(0);
    ASSERT_NE(::GetFocus(), List()) << "the list does not have the keyboard focus";
    Canvas canvas = MakeCanvas();
    DrawListRow(canvas.DC(), 0);

    CRect bounds = RowRect(0, LVIR_BOUNDS);
    CRect label = RowRect(0, LVIR_LABEL);
    CRect highlight(label.left, bounds.top, bounds.right, bounds.bottom);
    CRect markArea(bounds.left, bounds.top, label.left, bounds.bottom);
    EXPECT_EQ(canvas.CountOf(Highlight(), CRect(label.left, bounds.top, label.left + 1, bounds.bottom)), bounds.Height());
    EXPECT_EQ(canvas.CountOf(Highlight(), CRect(bounds.right - 1, bounds.top, bounds.right, bounds.bottom)), bounds.Height());
    EXPECT_GT(canvas.CountOf(::GetSysColor(COLOR_HIGHLIGHTTEXT), highlight), 0) << "texts in the highlight's colour";
    Canvas mark = MakeCanvas(ListBackColor);
    DrawMark(mark.DC(), 0, MarkBang);
    EXPECT_EQ(canvas.Differences(mark, markArea), 0)
        << "left of the label only the mark, on the list's own background, whatever was there before";
    EXPECT_EQ(canvas.Pixel(bounds.right, bounds.top), kUntouched);
}

TEST_F(ListDrawing, SelectedRowWithoutFocusIsDrawnLikeAnyOther)
{
    PutItem({MarkCross, L"Bread", L"2", L"Bakery", L"2"});
    PutItem({MarkCross, L"Milk", L"1", L"Market", L"3"});
    FocusRow(0);
    SetRowState(1, LVIS_SELECTED, LVIS_SELECTED);
    ::SetFocus(List());
    Canvas selected = MakeCanvas();
    DrawListRow(selected.DC(), 1);
    SetRowState(1, 0, LVIS_SELECTED);
    Canvas plain = MakeCanvas();
    DrawListRow(plain.DC(), 1);

    CRect bounds = RowRect(1, LVIR_BOUNDS);
    EXPECT_EQ(selected.Differences(plain, bounds), 0);
    EXPECT_EQ(selected.CountOf(Highlight(), bounds), 0);
    EXPECT_EQ(selected.Pixel(bounds.right - 1, bounds.top), ListBackColor) << "the whole row is filled";
    Canvas mark = MakeCanvas(ListBackColor);
    DrawMark(mark.DC(), 1, MarkCross);
    EXPECT_EQ(selected.Differences(mark, RowRect(1, LVIR_ICON)), 0);
}

TEST_F(ListDrawing, EmptyColumnDrawsNothingAndTheNextStaysInPlace)
{
    PutItem({MarkCross, L"Milk", L"", L"Shop", L"5"});
    Canvas withoutQuantity = MakeCanvas();
    DrawListRow(withoutQuantity.DC(), 0);
    FocusRow(0);
    SendCommand(ID_ITEM_EDIT);
    SetFieldText(IDC_QT, L"7");
    TapAddButton();
    FocusRow(1);  // only the focused row is highlighted
    Canvas withQuantity = MakeCanvas();
    DrawListRow(withQuantity.DC(), 0);

    CRect quantity = ColumnArea(0, 1);
    EXPECT_EQ(withoutQuantity.CountOf(ListBackColor, quantity), quantity.Width() * quantity.Height());
    EXPECT_LT(withQuantity.CountOf(ListBackColor, quantity), quantity.Width() * quantity.Height()) << "7 is drawn";
    for (int column : {2, 3}) {
        EXPECT_EQ(withoutQuantity.Differences(withQuantity, ColumnArea(0, column)), 0) << "column " << column;
        EXPECT_NE(InkEdge(withoutQuantity, ColumnArea(0, column), ListBackColor, false), -1) << "column " << column;
    }
}

TEST_F(ListDrawing, MarginsAreSpacesOfTheContextsFontAndTheContextComesBack)
{
    PutItem({MarkCross, L"Milk", L"1", L"Shop", L"5"});
    CRect label = RowRect(0, LVIR_LABEL);
    CRect bounds = RowRect(0, LVIR_BOUNDS);
    CRect name(label.left, bounds.top, label.right, bounds.bottom);
    CRect price = ColumnArea(0, 3);
    Canvas narrow = MakeCanvas(ListBackColor);
    int narrowSpace = narrow.DC().GetTextExtent(L" ", 1).cx;
    DrawListRow(narrow.DC(), 0);

    LOGFONTW large = LogFontOf(StartupListFontSettings());
    large.lfHeight = 36;
    CFont largeFont;
    ASSERT_TRUE(largeFont.CreateFontIndirect(&large));
    Canvas wide = MakeCanvas(ListBackColor);
    CSelectedObject selected(wide.DC(), largeFont.GetSafeHandle());
    int shift = wide.DC().GetTextExtent(L" ", 1).cx - narrowSpace;
    ASSERT_GT(shift, 2);
    ::SetTextColor(wide.DC(), RGB(1, 2, 3));
    DrawListRow(wide.DC(), 0);

    EXPECT_EQ(InkEdge(wide, name, ListBackColor, true) - InkEdge(narrow, name, ListBackColor, true), shift)
        << "the name is inset by one space";
    // The same text drawn by hand two spaces in from the column's right edge.
    Canvas reference = MakeCanvas(ListBackColor);
    {
        StartupFont listFont;
        CSelectedObject font(reference.DC(), listFont.GetSafeHandle());
        reference.DC().SetBkColor(ListBackColor);
        CRect text(price.left, price.top, price.right - 2 * narrowSpace, price.bottom);
        reference.DC().DrawText(L"5", 1, &text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    EXPECT_EQ(InkEdge(narrow, price, ListBackColor, false), InkEdge(reference, price, ListBackColor, false))
        << "the price by two";
    EXPECT_EQ(InkEdge(narrow, price, ListBackColor, false) - InkEdge(wide, price, ListBackColor, false), 2 * shift);
    EXPECT_EQ(::GetCurrentObject(wide.DC(), OBJ_FONT), largeFont.GetSafeHandle());
    EXPECT_EQ(::GetTextColor(wide.DC()), RGB(1, 2, 3));
    CRgn clip;
    clip.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetClipRgn(wide.DC(), clip), 0) << "no clip region is left behind";
}

TEST_F(ListDrawing, TallListFontIsClippedToTheRow)
{
    RestartWithListFont("48 0 0 0 1", "Tahoma");
    PutItem({MarkCross, L"Milk", L"1", L"Shop", L"5"});
    PutItem({MarkCross, L"Bread", L"2", L"Bakery", L"2"});
    Canvas canvas = MakeCanvas();
    DrawListRow(canvas.DC(), 1);

    CRect bounds = RowRect(1, LVIR_BOUNDS);
    CRect topLine(RowRect(1, LVIR_LABEL).left, bounds.top, bounds.right, bounds.top + 1);
    EXPECT_LT(canvas.CountOf(ListBackColor, topLine), topLine.Width()) << "the letters reach the row's top";
    CRect above(0, 0, bounds.right + 8, bounds.top);
    CRect below(0, bounds.bottom, bounds.right + 8, bounds.bottom + 30);
    EXPECT_EQ(canvas.CountOf(kUntouched, above) + canvas.CountOf(kUntouched, below),
              above.Width() * above.Height() + below.Width() * below.Height());
    EXPECT_LT(canvas.CountOf(ListBackColor, bounds), bounds.Width() * bounds.Height()) << "texts are drawn";
}

// DrawFittedText against DrawText of the text it should have chosen, in the list font.
TEST_F(ListDrawing, FittedTextIsWholeOrTheLongestStrictlyNarrowerCutOrDots)
{
    const UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
    StartupFont listFont;
    Canvas probe(1, 1, kUntouched);
    CSelectedObject probeFont(probe.DC(), listFont.GetSafeHandle());
    auto width = [&](const CString& text) { return probe.DC().GetTextExtent(text).cx; };
    const CString text = L"Strawberries";
    const CString five = text.Left(5) + CString(L"...");
    const CString four = text.Left(4) + CString(L"...");
    ASSERT_LT(width(four), width(five));
    // Counted up from the short end, unlike the cut itself.
    CString longestCut = L"...";
    for (int length = 0; length <= text.GetLength(); ++length)
        if (width(text.Left(length) + CString(L"...")) < width(text) - 1)
            longestCut = text.Left(length) + CString(L"...");
    ASSERT_GT(longestCut.GetLength(), 3);

    struct Case {
        int width;
        CString drawn;
    };
    const Case cases[] = {
        {width(text), text},                                  // exactly as wide: whole
        {width(text) - 1, longestCut},                        // one pixel less: the longest cut
        {width(five), four},                                  // a cut exactly as wide is too wide
        {width(five) + 1, five},
        {width(L"..."), L"..."},                              // nothing narrower: dots all the same
        {width(L"...") - 1, L"..."},
        {0, L"..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("width " + std::to_string(c.width));
        Canvas fitted(320, 24, kUntouched);
        Canvas expected(320, 24, kUntouched);
        CSelectedObject fittedFont(fitted.DC(), listFont.GetSafeHandle());
        CSelectedObject expectedFont(expected.DC(), listFont.GetSafeHandle());
        CRect rect(4, 2, 4 + c.width, 22);
        CRect expectedRect = rect;
        EXPECT_EQ(CItemListCtrl::DrawFittedText(fitted.DC(), text, &rect, format),
                  expected.DC().DrawText(c.drawn, &expectedRect, format));
        EXPECT_EQ(fitted.Differences(expected, CRect(0, 0, 320, 24)), 0);
    }
}

std::vector<int>* g_paintedRows = nullptr;
HHOOK g_paintHook = nullptr;

LRESULT CALLBACK NotePaintedRow(int code, WPARAM wParam, LPARAM lParam)
{
    auto* message = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_DRAWITEM && g_paintedRows != nullptr) {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message->lParam);
        CRect clip;
        ::GetClipBox(draw->hDC, &clip);
        g_paintedRows->push_back(static_cast<int>(draw->itemID) * 1000 + clip.left);
    }
    return ::CallNextHookEx(g_paintHook, code, wParam, lParam);
}

// The list is told once more of a focus change it has just had: the platform's list view
// then has nothing to repaint, so every row painted is the list's own doing.
TEST_F(ListDrawing, FocusedAndSelectedRowsArePaintedAgainAtOnceFromTheLabel)
{
    for (const wchar_t* name : {L"Salt", L"Jam", L"Bread", L"Milk"})
        PutItem({MarkCross, name, L"1", L"Shop", L"1"});
    SetRowState(0, LVIS_FOCUSED, LVIS_FOCUSED);
    SetRowState(2, LVIS_SELECTED, LVIS_SELECTED);
    const int label = RowRect(0, LVIR_LABEL).left;
    std::vector<int> painted;
    g_paintedRows = &painted;
    g_paintHook = ::SetWindowsHookExW(WH_CALLWNDPROC, &NotePaintedRow, nullptr, ::GetCurrentThreadId());
    for (bool showSelectionAlways : {false, true}) {
        if (showSelectionAlways)
            ::SetWindowLongPtrW(List(), GWL_STYLE, ::GetWindowLongPtrW(List(), GWL_STYLE) | LVS_SHOWSELALWAYS);
        for (HWND focus : {Control(IDC_ITEM), List()}) {
            const UINT change = focus == List() ? WM_SETFOCUS : WM_KILLFOCUS;
            SCOPED_TRACE(change == WM_SETFOCUS ? "focus gained" : "focus lost");
            ::SetFocus(focus);
            ::UpdateWindow(List());
            painted.clear();
            ::SendMessageW(List(), change, reinterpret_cast<WPARAM>(Control(IDC_ITEM)), 0);
            // Row number times 1000 plus the left edge of the painted area.
            std::vector<int> expected = {label, 2000 + label};
            if (showSelectionAlways)
                expected.pop_back();
            EXPECT_EQ(painted, expected) << (showSelectionAlways ? "the focused row alone" : "the focused and the selected row");
        }
    }
    ::UnhookWindowsHookEx(g_paintHook);
    g_paintedRows = nullptr;
}

TEST_F(ListDrawing, HeaderHidesAndComesBackWithTheSameColumnsAndRows)
{
    PutItem({MarkTick, L"Milk", L"1", L"Shop", L"5"});
    PutItem({MarkBang, L"Bread", L"2", L"Bakery", L"2"});
    const DWORD kept = LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDRAWFIXED | LVS_SHAREIMAGELISTS;
    const DWORD watched = kept | LVS_TYPEMASK | LVS_NOCOLUMNHEADER | LVS_EDITLABELS | LVS_SHOWSELALWAYS;
    auto style = [&] { return static_cast<DWORD>(::GetWindowLongPtrW(List(), GWL_STYLE)) & watched; };
    auto whollyInvalid = [&] {
        CRect client, invalid;
        ::GetClientRect(List(), &client);
        return ::GetUpdateRect(List(), &invalid, FALSE) && invalid == client;
    };
    HWND header = reinterpret_cast<HWND>(::SendMessageW(List(), LVM_GETHEADER, 0, 0));
    EXPECT_EQ(style(), kept) << "after set-up";
    std::vector<ShownRow> rows = Rows();
    int rowTop = RowRect(0, LVIR_BOUNDS).top;
    ::UpdateWindow(List());

    SendCommand(ID_OPTIONS_TOGGLE_HEADERS);
    EXPECT_EQ(style(), kept | LVS_NOCOLUMNHEADER);
    EXPECT_TRUE(whollyInvalid());
    EXPECT_FALSE(::IsWindowVisible(header));
    EXPECT_LT(RowRect(0, LVIR_BOUNDS).top, rowTop);
    ::UpdateWindow(List());

    SendCommand(ID_OPTIONS_TOGGLE_HEADERS);
    EXPECT_EQ(style(), kept);
    EXPECT_TRUE(whollyInvalid());
    EXPECT_TRUE(::IsWindowVisible(header));
    EXPECT_EQ(RowRect(0, LVIR_BOUNDS).top, rowTop);
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(ColumnWidth(3), 72);
    EXPECT_EQ(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 4);
}

}  // namespace
