#include "MainWindowTest.h"

#include "res/resource.h"

#include <commctrl.h>

#include <ostream>

namespace {

std::wstring ListText(HWND list, int row, int column)
{
    std::vector<wchar_t> buffer(4096, L'\0');
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return item.pszText;
}

int ListMark(HWND list, int row)
{
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iImage = -100;
    ::SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring child = path + L"\\" + name;
            ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                ::DeleteFileW(child.c_str());
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::RemoveDirectoryW(path.c_str());
}

void (*g_whenModal)() = nullptr;
UINT_PTR g_modalTimer = 0;

void CALLBACK RunWhenModal(HWND, UINT, UINT_PTR, DWORD)
{
    void (*fn)() = g_whenModal;
    StopWaitingForModalLoop();
    if (fn != nullptr)
        fn();
}

}  // namespace

void PrintTo(const ShownRow& row, std::ostream* out)
{
    auto narrow = [](const std::wstring& text) {
        std::string result;
        for (wchar_t ch : text)
            result += ch < 128 ? static_cast<char>(ch) : '?';
        return result;
    };
    *out << "{" << row.mark << ", \"" << narrow(row.name) << "\", \"" << narrow(row.quantity) << "\", \""
         << narrow(row.location) << "\", \"" << narrow(row.price) << "\"}";
}

ScratchFolder::ScratchFolder()
{
    static unsigned counter = 0;
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    m_path = std::wstring(temp) + L"gromble-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
             std::to_wstring(++counter);
    RemoveTree(m_path);
    ::CreateDirectoryW(m_path.c_str(), nullptr);
    wchar_t current[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, current);
    m_previous = current;
    ::SetCurrentDirectoryW(m_path.c_str());
}

ScratchFolder::~ScratchFolder()
{
    ::SetCurrentDirectoryW(m_previous.c_str());
    RemoveTree(m_path);
}

void MainWindowTest::SetUp()
{
    m_folder = std::make_unique<ScratchFolder>();
    m_prompts = std::make_unique<TestPrompts>();
    OpenWindow();
}

void MainWindowTest::TearDown()
{
    CloseWindow();
    m_prompts.reset();
    m_folder.reset();
}

void MainWindowTest::OpenWindow()
{
    m_dialog = std::make_unique<CShoppingDlg>();
    ASSERT_TRUE(m_dialog->Create(IDD_GROMBLE_DIALOG)) << "the main window could not be created";
}

void MainWindowTest::CloseWindow()
{
    if (m_dialog && m_dialog->m_hWnd != nullptr)
        m_dialog->DestroyWindow();
    m_dialog.reset();
}

HWND MainWindowTest::List() const
{
    return Control(IDC_LIST);
}

std::vector<ShownRow> MainWindowTest::Rows() const
{
    int count = static_cast<int>(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0));
    std::vector<ShownRow> rows;
    for (int row = 0; row < count; ++row)
        rows.push_back(RowAt(row));
    return rows;
}

ShownRow MainWindowTest::RowAt(int row) const
{
    HWND list = List();
    return {ListMark(list, row), ListText(list, row, 0), ListText(list, row, 1), ListText(list, row, 2),
            ListText(list, row, 3)};
}

std::wstring MainWindowTest::FieldText(int id) const
{
    wchar_t text[1024] = L"";
    ::GetDlgItemTextW(Window(), id, text, 1024);
    return text;
}

void MainWindowTest::SetFieldText(int id, const std::wstring& text)
{
    ::SetDlgItemTextW(Window(), id, text.c_str());
}

void MainWindowTest::SendCommand(UINT id)
{
    ::SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void MainWindowTest::TapAddButton()
{
    ::SendMessageW(Control(IDC_ADD), BM_CLICK, 0, 0);
    PumpMessages();
}

void MainWindowTest::PressEnterIn(int id)
{
    ::SetFocus(Control(id));
    MSG msg = {};
    msg.hwnd = Control(id);
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_RETURN;
    ::IsDialogMessageW(Window(), &msg);
    PumpMessages();
}

UINT MainWindowTest::RowState(int row) const
{
    return static_cast<UINT>(
        ::SendMessageW(List(), LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_FOCUSED | LVIS_SELECTED));
}

void MainWindowTest::SetRowState(int row, UINT state, UINT mask)
{
    LVITEMW item = {};
    item.state = state;
    item.stateMask = mask;
    ::SendMessageW(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void MainWindowTest::FocusRow(int row)
{
    SetRowState(row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
}

void MainWindowTest::ClearFocus()
{
    SetRowState(-1, 0, LVIS_FOCUSED | LVIS_SELECTED);
}

int MainWindowTest::FocusedRow() const
{
    return static_cast<int>(::SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

void MainWindowTest::SetMarkOfFocusedRow(int mark)
{
    const UINT command = mark == MarkTick || mark == MarkCross ? ID_ITEM_CHECK : ID_ITEM_SPECIAL;
    const int row = FocusedRow();
    for (int step = 0; step < 3 && ListMark(List(), row) != mark; ++step)
        SendCommand(command);
    ASSERT_EQ(ListMark(List(), row), mark) << "row " << row << " cannot be given this mark";
}

void MainWindowTest::PutItem(const ShownRow& row)
{
    const int fields[] = {IDC_ITEM, IDC_QT, IDC_LOCATION, IDC_PRICE};
    const std::wstring texts[] = {row.name, row.quantity, row.location, row.price};
    std::wstring typed[4];
    for (int i = 0; i < 4; ++i) {
        typed[i] = FieldText(fields[i]);
        SetFieldText(fields[i], texts[i]);
    }
    const int focused = FocusedRow();
    TapAddButton();
    FocusRow(0);
    SetMarkOfFocusedRow(row.mark);
    if (focused >= 0)
        FocusRow(focused + 1);  // the new row pushed it down
    else
        ClearFocus();
    for (int i = 0; i < 4; ++i)
        SetFieldText(fields[i], typed[i]);
}

CRect MainWindowTest::RowRect(int row, int code) const
{
    RECT rect = {code, 0, 0, 0};
    ::SendMessageW(List(), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    return CRect(rect);
}

void MainWindowTest::DrawListRow(HDC dc, int row) const
{
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_LISTVIEW;
    draw.CtlID = IDC_LIST;
    draw.itemID = static_cast<UINT>(row);
    draw.itemAction = ODA_DRAWENTIRE;
    draw.hwndItem = List();
    draw.hDC = dc;
    draw.rcItem = RowRect(row, LVIR_BOUNDS);
    ::SendMessageW(Window(), WM_DRAWITEM, IDC_LIST, reinterpret_cast<LPARAM>(&draw));
}

void MainWindowTest::DrawMark(HDC dc, int row, int mark) const
{
    const CRect icon = RowRect(row, LVIR_ICON);
    auto marks = reinterpret_cast<HIMAGELIST>(::SendMessageW(List(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ::ImageList_Draw(marks, mark, dc, icon.left, icon.top, ILD_TRANSPARENT);
}

std::vector<HGDIOBJ> MainWindowTest::BackgroundBrushes() const
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    std::vector<HGDIOBJ> brushes;
    for (int id : {IDC_LIST, IDC_ITEM_LABEL, IDC_LOCATION_LABEL, IDC_PRICE_LABEL})
        brushes.push_back(reinterpret_cast<HGDIOBJ>(::SendMessageW(
            Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC), reinterpret_cast<LPARAM>(Control(id)))));
    return brushes;
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        HandleAsTheProgramDoes(msg);
    }
}

void HandleAsTheProgramDoes(MSG& msg)
{
    if (!AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void WhenModalLoopRuns(void (*fn)())
{
    StopWaitingForModalLoop();
    if (fn == nullptr)
        return;
    g_whenModal = fn;
    g_modalTimer = ::SetTimer(nullptr, 0, 10, &RunWhenModal);
}

bool StopWaitingForModalLoop()
{
    bool waiting = g_modalTimer != 0;
    if (waiting)
        ::KillTimer(nullptr, g_modalTimer);
    g_modalTimer = 0;
    g_whenModal = nullptr;
    return waiting;
}

HWND FindTopLevelWindow(const wchar_t* caption)
{
    struct Search {
        const wchar_t* caption;
        HWND found;
    } search = {caption, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t text[256] = L"";
            ::GetWindowTextW(window, text, 256);
            if (::IsWindowVisible(window) && wcscmp(text, s->caption) == 0) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
