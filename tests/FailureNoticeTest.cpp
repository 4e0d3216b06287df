// What the user hears of an exception that no handler expected: the window procedure
// stops it, and the main window tells it, once for a message that comes again by itself.
#include "support/MainWindowTest.h"

#include "framework/WinApp.h"

#include <iterator>
#include <new>
#include <stdexcept>

namespace {

constexpr UINT kThrowingCommand = 0x7A01;
constexpr UINT kThrowingNotification = 0x7A02;

// A child window of the test's own inside the main window, whose handlers throw what
// the test hands them.
class ThrowingChild : public CWnd {
public:
    std::exception_ptr thrown;

protected:
    void OnThrowingCommand() { std::rethrow_exception(thrown); }
    void OnPaint() { std::rethrow_exception(thrown); }
    void OnThrowingNotification(NMHDR*, LRESULT*) { std::rethrow_exception(thrown); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingChild, CWnd)
    ON_COMMAND(kThrowingCommand, OnThrowingCommand)
    ON_WM_PAINT()
    ON_NOTIFY_REFLECT(kThrowingNotification, OnThrowingNotification)
END_MESSAGE_MAP()

std::wstring CouldNotFinish(const std::wstring& what)
{
    return L"Gromble could not finish this:\n" + what + L"\nIt stopped, and the list is as it was before.";
}

class FailureNotice : public MainWindowTest {};

TEST_F(FailureNotice, EveryCommandIsToldAndAMessageThatComesAgainOnce)
{
    ThrowingChild child;
    // Hidden, so that only the test sends it paints.
    ASSERT_TRUE(child.CreateEx(0, L"STATIC", L"", WS_CHILD, CRect(0, 0, 20, 20), m_dialog.get(), 0x7A03));
    m_prompts->AcceptNotices();
    child.thrown = std::make_exception_ptr(std::runtime_error("the shop is closed"));
    child.SendMessage(WM_COMMAND, kThrowingCommand);
    child.SendMessage(WM_COMMAND, kThrowingCommand);
    child.thrown = std::make_exception_ptr(42);
    child.SendMessage(WM_COMMAND, kThrowingCommand);

    child.thrown = std::make_exception_ptr(std::bad_alloc());
    child.SendMessage(WM_PAINT);  // memory may be there when it comes again
    child.thrown = std::make_exception_ptr(std::runtime_error("no ink"));
    child.SendMessage(WM_PAINT);
    child.SendMessage(WM_PAINT);
    // A paint that failed leaves nothing to paint: else it would come again at once.
    child.ShowWindow(SW_SHOWNA);
    child.UpdateWindow();
    EXPECT_FALSE(::GetUpdateRect(child.m_hWnd, nullptr, FALSE));
    // The main window's own notification, handled by the child: the dialog stops it.
    NMHDR header = {child.m_hWnd, 0x7A03, kThrowingNotification};
    child.thrown = std::make_exception_ptr(std::runtime_error("no answer"));
    for (int i = 0; i < 2; ++i)
        ::SendMessageW(Window(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    child.DestroyWindow();

    const std::wstring expected[] = {CouldNotFinish(L"the shop is closed"), CouldNotFinish(L"the shop is closed"),
                                     CouldNotFinish(L"an error that says nothing more"), CouldNotFinish(L"no ink"),
                                     CouldNotFinish(L"no answer")};
    const auto& told = m_prompts->Questions();
    ASSERT_EQ(told.size(), std::size(expected));
    for (size_t i = 0; i < told.size(); ++i) {
        EXPECT_EQ(told[i].text, expected[i]) << "notice " << i;
        EXPECT_EQ(told[i].caption, L"Warning");
        EXPECT_EQ(told[i].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
        EXPECT_EQ(told[i].owner, Window());
    }
}

// Outside any window: the start-up throws, and the program ends with 1 and says why.
TEST(AppFailure, IsToldByTheApplicationAndEndsWithOne)
{
    struct ThrowingApp : CWinApp {
        std::exception_ptr thrown;
        BOOL InitInstance() override { std::rethrow_exception(thrown); }
    };
    TestPrompts prompts;
    prompts.AcceptNotices();
    ThrowingApp app;
    app.thrown = std::make_exception_ptr(std::runtime_error("no screen"));
    EXPECT_EQ(AfxWinMain(), 1);
    app.thrown = std::make_exception_ptr(std::bad_alloc());
    EXPECT_EQ(AfxWinMain(), 1);
    ASSERT_EQ(prompts.Questions().size(), 2u);
    EXPECT_EQ(prompts.Questions()[0].text, L"no screen");
    EXPECT_EQ(prompts.Questions()[1].text, L"There is not enough memory.");
    EXPECT_EQ(prompts.Questions()[1].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
}

}  // namespace
