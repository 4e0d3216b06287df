#include "support/MainWindowTest.h"

#include "mainwnd/IconButton.h"
#include "res/resource.h"

namespace {

constexpr COLORREF kBackdrop = RGB(255, 0, 255);

// A memory device context filled with a backdrop colour.
class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height)
    {
        HDC screen = ::GetDC(nullptr);
        m_dc = ::CreateCompatibleDC(screen);
        m_bitmap = ::CreateCompatibleBitmap(screen, width, height);
        ::ReleaseDC(nullptr, screen);
        m_previous = ::SelectObject(m_dc, m_bitmap);
        HBRUSH brush = ::CreateSolidBrush(kBackdrop);
        RECT all = {0, 0, width, height};
        ::FillRect(m_dc, &all, brush);
        ::DeleteObject(brush);
    }
    ~Canvas()
    {
        ::SelectObject(m_dc, m_previous);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }
    std::vector<COLORREF> Pixels() const
    {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                pixels.push_back(::GetPixel(m_dc, x, y));
        return pixels;
    }

private:
    int m_width;
    int m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_previous;
};

// A button of the test's own on the main window, hidden, showing the Add icon as the
// window's Add button does.
class IconButton : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(m_button.CreateEx(0, L"Button", L"", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 20, 20),
                                      m_dialog.get(), 4322));
        m_button.SetIcon(IDI_ADD, 32, 32);
    }
    CIconButton& Button() { return m_button; }

    // The button drawn into a canvas, its item rectangle at rect.
    std::vector<COLORREF> DrawButton(const RECT& rect, UINT state = 0)
    {
        Canvas canvas(60, 60);
        DRAWITEMSTRUCT draw = {};
        draw.CtlType = ODT_BUTTON;
        draw.CtlID = IDC_ADD;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = state;
        draw.hwndItem = Button().m_hWnd;
        draw.hDC = canvas.Dc();
        draw.rcItem = rect;
        Button().DrawItem(&draw);
        return canvas.Pixels();
    }
    std::vector<COLORREF> IconAlone(int x, int y)
    {
        Canvas canvas(60, 60);
        ::DrawIconEx(canvas.Dc(), x, y, Button().GetIcon(), 0, 0, 0, nullptr, DI_NORMAL);
        return canvas.Pixels();
    }

    CIconButton m_button;
};

TEST_F(IconButton, IsOwnerDrawnWhateverTheTemplateSaid)
{
    LONG_PTR style = ::GetWindowLongPtrW(Control(IDC_ADD), GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW) << "the window's Add button";
    style = ::GetWindowLongPtrW(Button(), GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW) << "made as a push button";
}

TEST_F(IconButton, CentresALargerIconWithNegativeOffsets)
{
    // A 32 x 32 icon in a 20 x 20 button stands at (-6, -6) from the button's corner.
    std::vector<COLORREF> drawn = DrawButton({20, 20, 40, 40});
    EXPECT_EQ(drawn, IconAlone(14, 14));
    EXPECT_NE(drawn, IconAlone(20, 20));
}

TEST_F(IconButton, DrawsNoFaceFrameOrPressedLook)
{
    std::vector<COLORREF> normal = DrawButton({10, 10, 50, 50});
    EXPECT_EQ(normal, IconAlone(14, 14)) << "only the icon is drawn, on what was there";
    EXPECT_EQ(DrawButton({10, 10, 50, 50}, ODS_SELECTED | ODS_FOCUS), normal);
    EXPECT_EQ(DrawButton({10, 10, 50, 50}, ODS_DISABLED), normal);
}

TEST_F(IconButton, HoldsOneIconAtATime)
{
    HICON before = Button().GetIcon();
    ASSERT_NE(before, nullptr);
    for (int i = 0; i < 200; ++i) {
        Button().SetIcon(i % 2 ? IDI_ADD : IDI_EDIT, 32, 32);
        HICON now = Button().GetIcon();
        ICONINFO info = {};
        EXPECT_FALSE(::GetIconInfo(before, &info)) << "switch " << i << " kept the previous icon";
        ASSERT_NE(now, before);
        before = now;
    }
}

TEST_F(IconButton, KeepsItsIconWhenANewOneCannotBeLoaded)
{
    HICON before = Button().GetIcon();
    Button().SetIcon(4242, 32, 32);
    EXPECT_EQ(Button().GetIcon(), before);
    ICONINFO info = {};
    EXPECT_TRUE(::GetIconInfo(before, &info));
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
}

}  // namespace
