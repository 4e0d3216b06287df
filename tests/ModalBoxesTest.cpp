#include "support/FileCommandTest.h"

#include "res/resource.h"

namespace {

class ModalBoxes : public FileCommandTest {
protected:
    // The owner of the box with this caption that command shows, closed at once.
    HWND OwnerOfBox(UINT command, const wchar_t* caption)
    {
        s_caption = caption;
        s_owner = nullptr;
        WhenModalLoopRuns([] {
            HWND box = FindTopLevelWindow(s_caption);
            EXPECT_NE(box, nullptr) << Narrow(s_caption) << " is open";
            s_owner = ::GetWindow(box, GW_OWNER);
            ::PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        });
        SendCommand(command);
        return s_owner;
    }

    static const wchar_t* s_caption;
    static HWND s_owner;
};
const wchar_t* ModalBoxes::s_caption = nullptr;
HWND ModalBoxes::s_owner = nullptr;

// While a box is up the main window beneath it takes no command.
TEST_F(ModalBoxes, EveryBoxBelongsToTheMainWindow)
{
    PutItem({1, L"Milk", L"1", L"Market", L"3"});
    for (UINT command : {ID_FILE_SAVE, ID_FILE_OPEN, ID_FILE_ATTACH, ID_EXPORT_TEXT, ID_EXPORT_HTML})
        RunWithFile(command, L"");
    m_prompts->Answer(IDNO);
    SendCommand(ID_FILE_NEW);
    FocusRow(0);
    m_prompts->Answer(IDNO);
    SendCommand(ID_ITEM_DELETE);

    ASSERT_EQ(m_prompts->FileRequests().size(), 5u);
    for (const TestPrompts::FileRequest& request : m_prompts->FileRequests())
        EXPECT_EQ(request.owner, Window()) << "the file dialog for *." << Narrow(request.defaultExtension);
    ASSERT_EQ(m_prompts->Questions().size(), 2u);
    for (const TestPrompts::Question& question : m_prompts->Questions())
        EXPECT_EQ(question.owner, Window()) << Narrow(question.text);
    EXPECT_EQ(OwnerOfBox(ID_OPTIONS_LIST_FONT, L"Gromble List Font Editor"), Window());
    EXPECT_EQ(OwnerOfBox(ID_HELP_ABOUT, L"About Gromble"), Window());
    EXPECT_EQ(Items().size(), 1u);
}

}  // namespace
