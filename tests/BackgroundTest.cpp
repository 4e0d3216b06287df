#include "support/MainWindowTest.h"

#include "res/resource.h"

namespace {

class Background : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        m_bitmap = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BACKGROUND));
        ASSERT_NE(m_bitmap, nullptr);
        m_bitmapDc = ::CreateCompatibleDC(nullptr);
        m_previous = ::SelectObject(m_bitmapDc, m_bitmap);
        ::RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        m_windowDc = ::GetDC(Window());
    }
    void TearDown() override
    {
        ::ReleaseDC(Window(), m_windowDc);
        ::SelectObject(m_bitmapDc, m_previous);
        ::DeleteDC(m_bitmapDc);
        ::DeleteObject(m_bitmap);
        MainWindowTest::TearDown();
    }
    COLORREF Shown(int x, int y) const { return ::GetPixel(m_windowDc, x, y); }
    COLORREF Image(int x, int y) const { return ::GetPixel(m_bitmapDc, x, y); }
    CRect PlaceOf(int id) const
    {
        CRect rect;
        ::GetWindowRect(Control(id), &rect);
        ::MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    HBITMAP m_bitmap = nullptr;
    HDC m_bitmapDc = nullptr;
    HGDIOBJ m_previous = nullptr;
    HDC m_windowDc = nullptr;
};

TEST_F(Background, TheImageIsAVerticalGradientFromWhiteToBlueToWhite)
{
    BITMAP info = {};
    ::GetObjectW(m_bitmap, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 640);
    EXPECT_EQ(info.bmHeight, 100);
    EXPECT_EQ(Image(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(Image(300, 2), RGB(248, 252, 254));
    EXPECT_EQ(Image(10, 10), RGB(155, 208, 247));
    EXPECT_EQ(Image(639, 25), RGB(95, 181, 242));
    EXPECT_EQ(Image(1, 45), RGB(116, 199, 247));
    EXPECT_EQ(Image(1, 80), RGB(210, 238, 252));
    EXPECT_EQ(Image(1, 99), RGB(255, 255, 255));
    for (int y = 0; y < 100; ++y)
        ASSERT_EQ(Image(0, y), Image(639, y)) << "row " << y << " is one colour";
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
        int textPixels = 0;
        for (int y = label.top; y < label.bottom; ++y)
            for (int x = label.left; x < label.right; ++x)
                textPixels += Shown(x, y) != Image(x, y);
        EXPECT_GT(textPixels, 10) << "label " << id << " shows its text";
    }
}

TEST_F(Background, GivesTheFourControlsTheirBrushesAndOthersNone)
{
    HDC dc = ::CreateCompatibleDC(nullptr);
    const struct {
        int id;
        HGDIOBJ brush;
    } brushes[] = {
        {IDC_LIST, m_dialog->m_hbrList.GetSafeHandle()},
        {IDC_ITEM_LABEL, m_dialog->m_hbrItemLabel.GetSafeHandle()},
        {IDC_LOCATION_LABEL, m_dialog->m_hbrLocationLabel.GetSafeHandle()},
        {IDC_PRICE_LABEL, m_dialog->m_hbrPriceLabel.GetSafeHandle()},
    };
    for (const auto& entry : brushes) {
        ASSERT_NE(entry.brush, nullptr) << "control " << entry.id;
        EXPECT_EQ(::GetObjectType(entry.brush), static_cast<DWORD>(OBJ_BRUSH));
        ::SetBkMode(dc, OPAQUE);
        LRESULT result = m_dialog->OnCtlColorStatic(reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(Control(entry.id)));
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(result), entry.brush) << "control " << entry.id;
        EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
    }
    ::SetBkMode(dc, OPAQUE);
    EXPECT_EQ(m_dialog->OnCtlColorStatic(reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Control(IDC_PRICE))), 0);
    EXPECT_EQ(::GetBkMode(dc), TRANSPARENT) << "the text background is transparent for every control";

    LRESULT viaDialog = ::SendMessageW(Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(Control(IDC_ITEM_LABEL)));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(viaDialog), m_dialog->m_hbrItemLabel.GetSafeHandle());
    ::DeleteDC(dc);
}

TEST_F(Background, ReleasesTheBitmapAndBrushesOnceAtClose)
{
    std::vector<HGDIOBJ> objects = {
        m_dialog->m_hbmBackground.GetSafeHandle(), m_dialog->m_hbrList.GetSafeHandle(),
        m_dialog->m_hbrItemLabel.GetSafeHandle(), m_dialog->m_hbrLocationLabel.GetSafeHandle(),
        m_dialog->m_hbrPriceLabel.GetSafeHandle()};
    for (HGDIOBJ object : objects)
        ASSERT_NE(::GetObjectType(object), 0u);

    ::ReleaseDC(Window(), m_windowDc);
    m_windowDc = nullptr;
    m_dialog->DestroyWindow();
    for (HGDIOBJ object : objects)
        EXPECT_EQ(::GetObjectType(object), 0u) << "released at close";
    EXPECT_TRUE(m_dialog->m_hbmBackground.IsEmpty()) << "and not held for a second release";
    EXPECT_TRUE(m_dialog->m_hbrList.IsEmpty());
    EXPECT_TRUE(m_dialog->m_hbrPriceLabel.IsEmpty());
}

}  // namespace
