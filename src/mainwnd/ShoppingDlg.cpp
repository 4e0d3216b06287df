#include "ShoppingDlg.h"

#include "../font/FontEditorDlg.h"
#include "../listview/BulkRowChange.h"
#include "../res/resource.h"
#include "AboutDlg.h"
#include "RunningInstance.h"

#include <shellapi.h>

#include <vector>

namespace {

// The list sits below the entry panel and ends one pixel above the bar.
constexpr int kListTop = 62;
constexpr int kListHeightLess = 63;

CString HelpPagePath()
{
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return CString(L"Help.htm");
        if (length < path.size())
            break;
        path.resize(path.size() * 2);
    }
    CString folder(path.data());
    int slash = -1;
    for (int i = 0; i < folder.GetLength(); ++i)
        if (folder.GetAt(i) == L'\\' || folder.GetAt(i) == L'/')
            slash = i;
    return folder.Left(slash + 1) + CString(L"Help.htm");
}

}  // namespace

BEGIN_MESSAGE_MAP(CShoppingDlg, CHandheldDialog)
    // The window and its shell: here
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_CTLCOLORSTATIC, OnCtlColorStatic)
    ON_COMMAND(ID_FILE_NEW, OnNew)
    ON_COMMAND(ID_FILE_EXIT, OnExit)
    ON_COMMAND(ID_HELP_ABOUT, OnAbout)
    ON_COMMAND(ID_HELP_HELP, OnHelp)
    ON_COMMAND(ID_OPTIONS_TOGGLE_HEADERS, OnToggleHeaders)
    ON_COMMAND(ID_OPTIONS_LIST_FONT, OnChooseListFont)
    ON_MESSAGE(CSystemListStore::StartNoticeMessage, OnStartNotice)
    ON_MESSAGE(WM_ENDSESSION, OnEndSession)
    ON_MESSAGE(WM_TIMER, OnTimer)
    // The file commands: here, carried out by CListFileCommands
    ON_COMMAND(ID_FILE_OPEN, OnOpen)
    ON_COMMAND(ID_FILE_ATTACH, OnAttach)
    ON_COMMAND(ID_FILE_SAVE, OnSave)
    ON_COMMAND(ID_EXPORT_TEXT, OnExportText)
    ON_COMMAND(ID_EXPORT_HTML, OnExportHtml)
    // The entry panel: EntryPanel.cpp
    ON_BN_CLICKED(IDC_ADD, OnAddButton)
    ON_COMMAND(ID_ITEM_EDIT, OnEdit)
    // The item menu: RowCommands.cpp
    ON_COMMAND(ID_ITEM_CHECK, OnCheck)
    ON_COMMAND(ID_ITEM_SPECIAL, OnSpecial)
    ON_COMMAND(ID_ITEM_DELETE, OnDelete)
    ON_COMMAND(ID_ITEM_UP, OnUp)
    ON_COMMAND(ID_ITEM_DOWN, OnDown)
    ON_COMMAND(ID_ITEM_TOP, OnTop)
    ON_COMMAND(ID_ITEM_BOTTOM, OnBottom)
    // The keys: Keys.cpp
    ON_COMMAND(ID_ITEM_MENU, OnItemMenu)
    // List files handed to the window: HandedFiles.cpp
    ON_MESSAGE(WM_COPYDATA, OnCopyData)
    ON_MESSAGE(WM_DROPFILES, OnDropFiles)
    ON_MESSAGE(WM_OPEN_HANDED_FILE, OnOpenHandedFile)
    ON_MESSAGE(WM_ENABLE, OnModalLoopEnded)
    ON_MESSAGE(WM_EXITMENULOOP, OnModalLoopEnded)
END_MESSAGE_MAP()

CShoppingDlg::CShoppingDlg(CWnd* parent)
    : CHandheldDialog(IDD_GROMBLE_DIALOG, parent),
      m_hIcon(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                              IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED))),
      m_files(*this, m_rows, m_list),
      m_systemList(*this, m_rows, m_list)
{
}

CShoppingDlg::~CShoppingDlg() = default;

void CShoppingDlg::DoDataExchange(CDataExchange* dx)
{
    CHandheldDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ADD, m_btnAdd);
    DDX_Control(dx, IDC_LOCATION, m_editLocation);
    DDX_Control(dx, IDC_PRICE, m_editPrice);
    DDX_Control(dx, IDC_QT, m_editQt);
    DDX_Control(dx, IDC_ITEM, m_editItem);
    DDX_Control(dx, IDC_LIST, m_list);
}

BOOL CShoppingDlg::OnInitDialog()
{
    CHandheldDialog::OnInitDialog();

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_menuBar.Create(this, IDR_MENUBAR, IDR_TOOLBAR);
    m_menuBar.SetButtonSize(23, 21);
    m_menuBar.SetBitmapSize(16, 15);

    m_background.Load(*this);

    m_marks.Create(IDB_MARKS, 16, 1, RGB(255, 255, 255));
    m_list.SetImageList(m_marks, LVSIL_SMALL);

    m_editQt.SetWindowText(L"1");
    m_editLocation.SetWindowText(L"Market");
    m_editPrice.SetWindowText(L"0");
    m_editItem.SetFocus();

    m_list.SetItemMenu(IDR_ITEMMENU, m_hWnd, true);
    LoadKeys();
    m_list.ShowRows(m_rows);
    m_btnAdd.SetIcon(IDI_ADD, 32, 32);
    // Enter in a field taps the button, which is no longer a default push button.
    SetDefID(IDC_ADD);

    ListFontSettings settings = StartupListFontSettings();
    m_systemList.Restore(settings);
    m_list.SetListFont(settings);
    AcceptHandedFiles();
    // The Item field has the focus already; the dialog manager would hand it to the
    // first control in tab order, which is now the list (OnSize puts it on top).
    return FALSE;
}

BOOL CShoppingDlg::DestroyWindow()
{
    // A later start waits for this one to end rather than hand it a file now.
    CRunningInstance::UnmarkWindow(m_hWnd, m_systemList.Path());
    m_systemList.StoreAtClose();
    m_background.Release();
    return CHandheldDialog::DestroyWindow();
}

void CShoppingDlg::ReportOutOfMemory()
{
    MessageBox(L"There is not enough memory to finish this. Gromble stopped it, and the list is as it was before.",
               L"Warning", MB_OK | MB_ICONEXCLAMATION);
}

void CShoppingDlg::OnSize(UINT, int, int)
{
    Default();
    if (m_list.m_hWnd == nullptr)
        return;
    if (m_menuBar.m_hWnd != nullptr)
        m_menuBar.Reposition();
    CRect area = CMenuBar::AreaAbove(*this);
    m_list.SetWindowPos(nullptr, 0, kListTop, area.Width(), area.Height() - kListHeightLess, 0);
}

void CShoppingDlg::OnExit()
{
    ::PostQuitMessage(0);
}

void CShoppingDlg::OnAbout()
{
    CAboutDlg about(this);
    about.DoModal();
}

void CShoppingDlg::OnHelp()
{
    // Shown by the system's browser; a failure to start it shows nothing.
    ::ShellExecuteW(nullptr, L"open", HelpPagePath(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CShoppingDlg::OnToggleHeaders()
{
    m_headersShown = !m_headersShown;
    m_list.ShowHeader(m_headersShown);
}

void CShoppingDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    m_background.Paint(dc);
}

LRESULT CShoppingDlg::OnCtlColorStatic(WPARAM dc, LPARAM control)
{
    ::SetBkMode(reinterpret_cast<HDC>(dc), TRANSPARENT);
    return reinterpret_cast<LRESULT>(m_background.BrushFor(::GetDlgCtrlID(reinterpret_cast<HWND>(control))));
}

void CShoppingDlg::OnNew()
{
    if (!AskToClearList())
        return;
    CBulkRowChange bulk(m_list);
    m_rows.ClearItems();
    EndEditWithoutItsRow();
}

bool CShoppingDlg::AskToClearList()
{
    return MessageBox(L"Do you want to clear the list?", L"Warning", MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

void CShoppingDlg::OnChooseListFont()
{
    CFontEditorDlg editor(this);
    editor.m_lf = m_list.GetListFontSettings();
    if (editor.DoModal() != IDOK)
        return;
    m_list.SetListFont(editor.m_lf);
    m_systemList.ListFontChanged();
    // The rows the editor uncovers keep their old pixels where the window system
    // composes windows (Wine, desktop Windows): they are drawn again in the new font.
    m_list.Invalidate();
}

LRESULT CShoppingDlg::OnStartNotice(WPARAM, LPARAM)
{
    m_systemList.ShowStartNotice();
    return 0;
}

// The process ends after this without a close.
LRESULT CShoppingDlg::OnEndSession(WPARAM ending, LPARAM)
{
    if (ending)
        m_systemList.StoreAtSessionEnd();
    return 0;
}

LRESULT CShoppingDlg::OnTimer(WPARAM timer, LPARAM)
{
    if (!m_systemList.OnTimer(timer))
        Default();
    return 0;
}

void CShoppingDlg::OnOpen()
{
    m_files.Open();
    EndEditWithoutItsRow();
}

void CShoppingDlg::OnAttach()
{
    m_files.Attach();
}

void CShoppingDlg::OnSave()
{
    m_files.Save();
}

void CShoppingDlg::OnExportText()
{
    m_files.ExportText();
}

void CShoppingDlg::OnExportHtml()
{
    m_files.ExportHtml();
}
