// The main window's keys through real keyboard input: each runs the command of its
// menu entry, the row keys only in the list, and in the entry fields the keys edit.
#include "support/FileCommandTest.h"

#include "res/resource.h"

#include <commctrl.h>

#include <initializer_list>
#include <vector>

namespace {

// The commands that keys send the main window, kept from it.
std::vector<UINT>* g_keyCommands = nullptr;
WNDPROC g_windowProc = nullptr;

LRESULT CALLBACK KeepKeyCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == 1 && lParam == 0) {
        g_keyCommands->push_back(LOWORD(wParam));
        return 0;
    }
    return ::CallWindowProcW(g_windowProc, window, message, wParam, lParam);
}

class Keys : public FileCommandTest {
protected:
    void SetUp() override
    {
        FileCommandTest::SetUp();
        ::SetForegroundWindow(Window());
        PumpMessages();
    }

    // The keys pressed together, as a person does: down in order, up the other way
    // round; every message is handled as the program's loops do until the keys are up.
    void Press(std::initializer_list<WORD> keys)
    {
        ASSERT_EQ(::GetForegroundWindow(), Window());
        std::vector<INPUT> input;
        auto add = [&input](WORD key, DWORD flags) {
            INPUT event = {};
            event.type = INPUT_KEYBOARD;
            event.ki.wVk = key;
            event.ki.dwFlags = flags;
            input.push_back(event);
        };
        for (WORD key : keys)
            add(key, 0);
        for (auto key = keys.end(); key != keys.begin();)
            add(*--key, KEYEVENTF_KEYUP);
        ASSERT_EQ(::SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT)), input.size());
        for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < 3000;) {
            MSG msg;
            if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
                continue;
            }
            HandleAsTheProgramDoes(msg);
            if ((msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) && msg.wParam == *keys.begin()) {
                PumpMessages();
                return;
            }
        }
        FAIL() << "the keys never came";
    }
};

TEST_F(Keys, EachRunsTheCommandOfItsMenuEntryTheRowKeysOnlyInTheList)
{
    const struct {
        int focus;
        std::initializer_list<WORD> keys;
        UINT command;  // 0: none
    } cases[] = {
        {IDC_LIST, {VK_DELETE}, ID_ITEM_DELETE},
        {IDC_LIST, {VK_SPACE}, ID_ITEM_CHECK},
        {IDC_LIST, {VK_F2}, ID_ITEM_EDIT},
        {IDC_LIST, {VK_RETURN}, ID_ITEM_EDIT},
        {IDC_LIST, {VK_MENU, VK_UP}, ID_ITEM_UP},
        {IDC_LIST, {VK_MENU, VK_DOWN}, ID_ITEM_DOWN},
        {IDC_LIST, {VK_MENU, VK_HOME}, ID_ITEM_TOP},
        {IDC_LIST, {VK_MENU, VK_END}, ID_ITEM_BOTTOM},
        {IDC_LIST, {VK_SHIFT, VK_F10}, ID_ITEM_MENU},
        {IDC_LIST, {VK_APPS}, ID_ITEM_MENU},
        {IDC_LIST, {VK_CONTROL, 'N'}, ID_FILE_NEW},
        {IDC_LIST, {VK_CONTROL, 'O'}, ID_FILE_OPEN},
        {IDC_LIST, {VK_CONTROL, 'S'}, ID_FILE_SAVE},
        {IDC_LIST, {VK_F1}, ID_HELP_HELP},
        {IDC_LIST, {VK_CONTROL, 'Z'}, ID_EDIT_UNDO},
        {IDC_LIST, {VK_CONTROL, 'Y'}, ID_EDIT_REDO},
        {IDC_LIST, {VK_CONTROL, VK_SHIFT, 'Z'}, ID_EDIT_REDO},
        {IDC_ADD, {VK_CONTROL, 'Z'}, ID_EDIT_UNDO},
        {IDC_ITEM, {VK_CONTROL, 'Z'}, 0},
        {IDC_QT, {VK_CONTROL, 'Y'}, ID_EDIT_REDO},
        {IDC_ITEM, {VK_CONTROL, 'N'}, ID_FILE_NEW},
        {IDC_PRICE, {VK_CONTROL, 'O'}, ID_FILE_OPEN},
        {IDC_QT, {VK_CONTROL, 'S'}, ID_FILE_SAVE},
        {IDC_LOCATION, {VK_F1}, ID_HELP_HELP},
        {IDC_ITEM, {VK_DELETE}, 0},
        {IDC_ITEM, {VK_SPACE}, 0},
        {IDC_ITEM, {VK_F2}, 0},
        {IDC_ITEM, {VK_MENU, VK_UP}, 0},
        {IDC_LIST, {VK_DOWN}, 0},
    };
    std::vector<UINT> commands;
    g_keyCommands = &commands;
    g_windowProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&KeepKeyCommands)));
    for (const auto& keys : cases) {
        ::SetFocus(Control(keys.focus));
        commands.clear();
        Press(keys.keys);
        EXPECT_EQ(commands, keys.command != 0 ? std::vector<UINT>{keys.command} : std::vector<UINT>{})
            << "key " << *(keys.keys.end() - 1) << " in control " << keys.focus;
    }
    ::SetWindowLongPtrW(Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_windowProc));
    g_keyCommands = nullptr;
}

TEST_F(Keys, ActOnTheFocusedRowAsTheirCommandsDoAndEditInTheFields)
{
    PutItem({MarkCross, L"Milk", L"2", L"Market", L"3"});
    PutItem({MarkBang, L"Jam", L"1", L"Shop", L"4"});
    PutItem({MarkCross, L"Tea", L"1", L"Shop", L"5"});
    ::SetFocus(List());
    FocusRow(2);
    Press({VK_SPACE});
    Press({VK_MENU, VK_HOME});
    EXPECT_EQ(RowAt(0), (ShownRow{MarkTick, L"Milk", L"2", L"Market", L"3"})) << "checked and moved to the top";
    EXPECT_EQ(FocusedRow(), 0);

    Press({VK_END});
    Press({VK_UP});
    Press({VK_UP});
    Press({VK_DELETE});
    EXPECT_EQ(RowAt(2).name, L"Jam") << "a row marked ! is not deleted, and nothing is asked";
    Press({VK_UP});
    m_prompts->Answer(IDYES);
    Press({VK_DELETE});
    ASSERT_EQ(m_prompts->Questions().size(), 1u);
    EXPECT_EQ(m_prompts->Questions()[0].text, L"Do you want to delete this item?");
    EXPECT_EQ(Items().size(), 2u) << "Tea is deleted";

    Press({VK_END});
    Press({VK_RETURN});
    Press({VK_RETURN});
    EXPECT_EQ(Items().size(), 2u) << "Enter in the list on the Total row edits nothing and adds nothing";
    Press({VK_HOME});
    Press({VK_RETURN});
    EXPECT_EQ(FieldText(IDC_ITEM), L"Milk") << "Enter in the list edits the focused row";

    ::SetFocus(Control(IDC_ITEM));
    ::SendMessageW(Control(IDC_ITEM), EM_SETSEL, 0, 0);
    Press({VK_DELETE});
    Press({VK_SPACE});
    EXPECT_EQ(FieldText(IDC_ITEM), L" ilk") << "in a field Delete deletes a character and Space types a space";
    Press({VK_RETURN});
    EXPECT_EQ(Items(), (std::vector<ShownRow>{{MarkTick, L" ilk", L"2", L"Market", L"3"},
                                              {MarkBang, L"Jam", L"1", L"Shop", L"4"}}))
        << "Enter in a field applies the edit";
    ExpectListIsWhole();
}

}  // namespace
