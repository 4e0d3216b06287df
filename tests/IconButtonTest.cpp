#include "support/Canvas.h"
#include "support/MainWindowTest.h"

#include "mainwnd/IconButton.h"
#include "res/resource.h"

namespace {

constexpr COLORREF kBackdrop = RGB(255, 0, 255);

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
    Canvas DrawButton(const RECT& rect, UINT state = 0)
    {
        Canvas canvas(60, 60, kBackdrop);
        DRAWITEMSTRUCT draw = {};
        draw.CtlType = ODT_BUTTON;
        draw.CtlID = IDC_ADD;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = state;
        draw.hwndItem = Button().m_hWnd;
        draw.hDC = canvas.DC();
        draw.rcItem = rect;
        Button().DrawItem(&draw);
        return canvas;
    }
    Canvas IconAlone(int x, int y)
    {
        Canvas canvas(60, 60, kBackdrop);
        canvas.DC().DrawIconEx(x, y, Button().GetIcon(), 0, 0, DI_NORMAL);
        return canvas;
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
    Canvas drawn = DrawButton({20, 20, 40, 40});
    EXPECT_EQ(drawn.Differences(IconAlone(14, 14)), 0);
    EXPECT_GT(drawn.Differences(IconAlone(20, 20)), 0);
}

TEST_F(IconButton, DrawsNoFaceFrameOrPressedLook)
{
    Canvas normal = DrawButton({10, 10, 50, 50});
    EXPECT_EQ(normal.Differences(IconAlone(14, 14)), 0) << "only the icon is drawn, on what was there";
    EXPECT_EQ(DrawButton({10, 10, 50, 50}, ODS_SELECTED | ODS_FOCUS).Differences(normal), 0);
    EXPECT_EQ(DrawButton({10, 10, 50, 50}, ODS_DISABLED).Differences(normal), 0);
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
