#include "support/Canvas.h"
#include "support/MainWindowTest.h"

#include "res/resource.h"

#include <algorithm>
#include <optional>
#include <set>

namespace {

// What the window shows after a whole repaint, beside the background image.
class Background : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ::RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        m_shown.emplace(Window());
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(IDB_BACKGROUND));
        const CSize size = bitmap.GetSize();
        m_image.emplace(size.cx, size.cy, RGB(0, 0, 0));
        CDC source;
        source.CreateCompatibleDC(m_image->DC());
        CSelectedObject selected(source, bitmap.GetSafeHandle());
        m_image->DC().BitBlt(0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
    }
    COLORREF Shown(int x, int y) const { return m_shown->Pixel(x, y); }
    COLORREF Image(int x, int y) const { return m_image->Pixel(x, y); }
    CRect PlaceOf(int id) const
    {
        CRect rect;
        ::GetWindowRect(Control(id), &rect);
        ::MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    std::optional<Canvas> m_shown;
    std::optional<Canvas> m_image;
};

TEST_F(Background, IsAGradientFromWhiteToBlueToWhiteDownTheWindow)
{
    // Between the fields and under the panel, where only the picture shows.
    auto isWhite = [](COLORREF c) { return GetRValue(c) > 240 && GetGValue(c) > 240 && GetBValue(c) > 240; };
    auto isBlue = [](COLORREF c) { return GetBValue(c) > 200 && GetRValue(c) < 160; };
    EXPECT_TRUE(isWhite(Shown(162, 0))) << std::hex << Shown(162, 0);
    EXPECT_TRUE(isBlue(Shown(162, 25))) << std::hex << Shown(162, 25);
    EXPECT_GT(GetRValue(Shown(120, 61)), GetRValue(Shown(162, 25))) << "lighter again below the fields";
    for (int y = 0; y < 33; ++y)
        EXPECT_EQ(Shown(33, y), Shown(162, y)) << "row " << y << " is one colour";
}

TEST_F(Background, IsPaintedBehindTheEntryPanel)
{
    // The rows between the panel and the list, across the whole width.
    for (int y = 59; y < 62; ++y)
        for (int x = 0; x < 240; ++x)
            ASSERT_EQ(Shown(x, y), Image(x, y)) << "at " << x << ", " << y;
    // Gaps between the fields, from the top down.
    for (int y = 0; y < 33; ++y) {
        EXPECT_EQ(Shown(33, y), Image(33, y)) << "row " << y;
        EXPECT_EQ(Shown(162, y), Image(162, y)) << "row " << y;
    }
}

TEST_F(Background, TheLabelsStandOnTheirPieceOfTheImage)
{
    for (int id : {IDC_ITEM_LABEL, IDC_LOCATION_LABEL, IDC_PRICE_LABEL}) {
        CRect label = PlaceOf(id);
        ASSERT_FALSE(label.IsRectEmpty());
        for (int x = label.left; x < label.right; ++x) {
            EXPECT_EQ(Shown(x, label.top), Image(x, label.top)) << "label " << id << " top row at " << x;
            EXPECT_EQ(Shown(x, label.bottom - 1), Image(x, label.bottom - 1)) << "label " << id << " bottom row";
        }
        for (int y = label.top; y < label.bottom; ++y)
            EXPECT_EQ(Shown(label.right - 1, y), Image(label.right - 1, y)) << "label " << id << " right edge";
        EXPECT_GT(m_shown->Differences(*m_image, label), 10) << "label " << id << " shows its text";
    }
}

HGDIOBJ CtlColorBrush(HWND window, HDC dc, HWND control)
{
    return reinterpret_cast<HGDIOBJ>(::SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(control)));
}

TEST_F(Background, GivesTheFourControlsTheirBrushesAndOthersNone)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    std::vector<HGDIOBJ> brushes;
    for (int id : {IDC_LIST, IDC_ITEM_LABEL, IDC_LOCATION_LABEL, IDC_PRICE_LABEL}) {
        ::SetBkMode(dc, OPAQUE);
        HGDIOBJ brush = CtlColorBrush(Window(), dc, Control(id));
        EXPECT_EQ(::GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH)) << "control " << id;
        EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
        brushes.push_back(brush);
    }
    EXPECT_EQ(std::set<HGDIOBJ>(brushes.begin(), brushes.end()).size(), 4u) << "each its own piece";
    ::SetBkMode(dc, OPAQUE);
    HGDIOBJ priceField = CtlColorBrush(Window(), dc, Control(IDC_PRICE));
    EXPECT_EQ(std::count(brushes.begin(), brushes.end(), priceField), 0) << "the field keeps the platform's brush";
    EXPECT_EQ(::GetBkMode(dc), TRANSPARENT) << "the text background is transparent for every control";
}

TEST_F(Background, ReleasesTheBrushesAtClose)
{
    const std::vector<HGDIOBJ> brushes = BackgroundBrushes();
    CloseWindow();
    for (HGDIOBJ brush : brushes)
        EXPECT_EQ(::GetObjectType(brush), 0u) << "released at close";
}

}  // namespace
