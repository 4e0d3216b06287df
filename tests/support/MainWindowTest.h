// A fixture that runs the real main window, modeless, in a fresh folder of its own,
// and reads what it shows from its controls.
#pragma once

#include "TestPrompts.h"

#include "mainwnd/ShoppingDlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

struct ShownRow {
    int mark;
    std::wstring name;
    std::wstring quantity;
    std::wstring location;
    std::wstring price;

    bool operator==(const ShownRow& other) const
    {
        return mark == other.mark && name == other.name && quantity == other.quantity &&
               location == other.location && price == other.price;
    }
};
void PrintTo(const ShownRow& row, std::ostream* out);

// A folder of its own for a test, made current while it lives, removed at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
    std::wstring m_previous;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the main window; the fixture opens one in SetUp.
    void OpenWindow();
    void CloseWindow();

    HWND Window() const { return m_dialog->m_hWnd; }
    HWND Control(int id) const { return ::GetDlgItem(Window(), id); }
    HWND List() const;
    std::vector<ShownRow> Rows() const;
    ShownRow RowAt(int row) const;
    std::wstring FieldText(int id) const;
    void SetFieldText(int id, const std::wstring& text);
    void SendCommand(UINT id);
    // A tap on the entry panel's button.
    void TapAddButton();
    // Enter pressed in a field, as the dialog's message loop handles it.
    void PressEnterIn(int id);
    // The row's focused and selected states.
    UINT RowState(int row) const;
    // Sets the row's states in mask to state; row -1 sets them on every row.
    void SetRowState(int row, UINT state, UINT mask);
    // Gives a row the focused state, as a tap on it does.
    void FocusRow(int row);
    // Leaves no row with the focused or selected state.
    void ClearFocus();
    // The row with the focused state, -1 when none has it.
    int FocusedRow() const;
    // Gives the current row mark through Check and Special.
    void SetMarkOfFocusedRow(int mark);
    // Adds an item with the entry panel and gives it its mark; the fields and the
    // current row stay as they were.
    void PutItem(const ShownRow& row);
    // A rectangle of the row in the list's client area (code: LVIR_BOUNDS, ...).
    CRect RowRect(int row, int code) const;
    // The row as the list draws it when the window is sent WM_DRAWITEM.
    void DrawListRow(HDC dc, int row) const;
    // The mark alone at the row's place, as the list's image list draws it.
    void DrawMark(HDC dc, int row, int mark) const;
    // The brushes the window hands the list and the three labels, as they ask for them.
    std::vector<HGDIOBJ> BackgroundBrushes() const;

    static ShownRow Separator() { return {2, L"----", L"---", L"---", L"---"}; }
    static ShownRow Total(const std::wstring& total) { return {2, L"Total:", L"", L"", total}; }

    std::unique_ptr<ScratchFolder> m_folder;
    std::unique_ptr<TestPrompts> m_prompts;
    std::unique_ptr<CShoppingDlg> m_dialog;
};

// Handles every message waiting in this thread's queue, as the program's loops do.
void PumpMessages();
// Handles one message as the program's message loops do: its window's keys and the
// dialog's navigation first.
void HandleAsTheProgramDoes(MSG& msg);
// Calls fn once the next modal loop of this thread has started; nullptr stops waiting.
void WhenModalLoopRuns(void (*fn)());
// Stops waiting for a modal loop; true when fn had not been called yet.
bool StopWaitingForModalLoop();
// The visible top-level window of this process with this caption.
HWND FindTopLevelWindow(const wchar_t* caption);

inline void PrintTo(const CRect& rect, std::ostream* out)
{
    *out << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom << ")";
}

