#include "ShoppingDlg.h"

#include "../font/FontEditorDlg.h"
#include "../framework/Dpi.h"
#include "../framework/FolderPickerDialog.h"
#include "../framework/ImageScale.h"
#include "../listview/BulkRowChange.h"
#include "../res/resource.h"
#include "AboutDlg.h"
#include "DataFolder.h"
#include "HelpPage.h"
#include "RunningInstance.h"
#include "Warnings.h"
#include "WindowLayout.h"
#include "WindowPlacement.h"

#include <exception>
#include <iterator>
#include <utility>

namespace {

// The children of the window that the layout places, the list last.
constexpr int kPlacedControls[] = {IDC_ITEM_LABEL, IDC_ITEM,     IDC_QT,    IDC_ADD, IDC_LOCATION_LABEL,
                                   IDC_LOCATION,   IDC_PRICE_LABEL, IDC_PRICE, IDC_LIST};

}  // namespace

BEGIN_MESSAGE_MAP(CShoppingDlg, CHandheldDialog)
    // The window and its shell: here
    ON_WM_SIZE()
    ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_WM_PAINT()
    ON_MESSAGE(WM_ERASEBKGND, OnEraseBackground)
    ON_MESSAGE(WM_CTLCOLORSTATIC, OnCtlColorStatic)
    ON_COMMAND(ID_FILE_EXIT, OnExit)
    ON_COMMAND(ID_HELP_ABOUT, OnAbout)
    ON_COMMAND(ID_HELP_HELP, OnHelp)
    ON_COMMAND(ID_OPTIONS_TOGGLE_HEADERS, OnToggleHeaders)
    ON_COMMAND(ID_OPTIONS_LIST_FONT, OnChooseListFont)
    ON_COMMAND(ID_FILE_NEW, OnNew)
    // The entry panel, on the current row: here, carried out by CEntryPanel
    ON_BN_CLICKED(IDC_ADD, OnAddButton)
    ON_COMMAND(ID_ITEM_EDIT, OnEdit)
    // The item menu and its key: CRowCommands, CItemListCtrl
    ON_COMMAND_FOR(ID_ITEM_CHECK, m_rowCommands, OnCheck)
    ON_COMMAND_FOR(ID_ITEM_SPECIAL, m_rowCommands, OnSpecial)
    ON_COMMAND_FOR(ID_ITEM_DELETE, m_rowCommands, OnDelete)
    ON_COMMAND_FOR(ID_ITEM_UP, m_rowCommands, OnUp)
    ON_COMMAND_FOR(ID_ITEM_DOWN, m_rowCommands, OnDown)
    ON_COMMAND_FOR(ID_ITEM_TOP, m_rowCommands, OnTop)
    ON_COMMAND_FOR(ID_ITEM_BOTTOM, m_rowCommands, OnBottom)
    ON_COMMAND_FOR(ID_ITEM_MENU, m_list, ShowItemMenuAtFocusedRow)
    // The file commands: CListFileCommands
    ON_COMMAND_FOR(ID_FILE_OPEN, m_files, OnOpen)
    ON_COMMAND_FOR(ID_FILE_ATTACH, m_files, OnAttach)
    ON_COMMAND_FOR(ID_FILE_SAVE, m_files, OnSave)
    ON_COMMAND_FOR(ID_EXPORT_TEXT, m_files, OnExportText)
    ON_COMMAND_FOR(ID_EXPORT_HTML, m_files, OnExportHtml)
    // Undo and Redo: CUndoCommands
    ON_COMMAND_FOR(ID_EDIT_UNDO, m_undo, OnUndo)
    ON_COMMAND_FOR(ID_EDIT_REDO, m_undo, OnRedo)
    ON_MESSAGE_FOR(WM_INITMENUPOPUP, m_undo, OnInitMenuPopup)
    // The system list file: here, carried out by CSystemListSchedule
    ON_COMMAND(ID_OPTIONS_DATA_FOLDER, OnDataFolder)
    ON_MESSAGE(WM_SHOW_FILE_NOTICE, OnShowFileNotice)
    ON_MESSAGE_FOR(WM_DATA_FOLDER_CHANGED, m_follower, OnDataFolderChanged)
    ON_MESSAGE(WM_TIMER, OnTimer)
    ON_MESSAGE(WM_ENDSESSION, OnEndSession)
    // List files handed to the window: CHandedFiles
    ON_MESSAGE_FOR(WM_COPYDATA, m_handedFiles, OnCopyData)
    ON_MESSAGE_FOR(WM_DROPFILES, m_handedFiles, OnDropFiles)
    ON_MESSAGE_FOR(WM_OPEN_HANDED_FILE, m_handedFiles, OnOpenHandedFile)
    ON_MESSAGE_FOR(WM_ENABLE, m_handedFiles, OnModalLoopEnded)
    ON_MESSAGE_FOR(WM_EXITMENULOOP, m_handedFiles, OnModalLoopEnded)
END_MESSAGE_MAP()

CShoppingDlg::CShoppingDlg(CWnd* parent)
    : CHandheldDialog(IDD_GROMBLE_DIALOG, parent),
      m_entry(m_shoppingList),
      m_hIcon(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                              IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED))),
      m_systemList(m_shoppingList, m_storeTimer),
      m_follower(*this, m_systemList, m_list),
      m_files(*this, m_shoppingList, m_list),
      m_rowCommands(*this, m_shoppingList, m_list),
      m_handedFiles(*this, m_shoppingList, m_files),
      m_undo(m_shoppingList, m_list)
{
}

CShoppingDlg::~CShoppingDlg() = default;

void CShoppingDlg::DoDataExchange(CDataExchange* dx)
{
    CHandheldDialog::DoDataExchange(dx);
    m_entry.DoDataExchange(dx);
    DDX_Control(dx, IDC_LIST, m_list);
}

BOOL CShoppingDlg::OnInitDialog()
{
    m_dpi = m_startDpi = DpiOfWindow(m_hWnd);
    if (HFONT font = GetFont())
        ::GetObjectW(font, sizeof(m_startFont), &m_startFont);
    CHandheldDialog::OnInitDialog();

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_menuBar.Create(this, IDR_MENUBAR, IDR_TOOLBAR, m_dpi);
    m_menuBar.SetButtonSize(23, 21);

    m_background.Load(m_dpi);
    LoadMarks();
    m_list.SetDpi(m_dpi);

    m_entry.Initialise(m_dpi);
    m_list.SetItemMenu(IDR_ITEMMENU, m_hWnd, true);
    m_keys.Load(IDR_MAINFRAME, m_list);
    m_list.ShowRows(m_shoppingList);
    // Enter in a field taps the button, which is no longer a default push button.
    SetDefID(IDC_ADD);

    m_storeTimer.SetWindow(m_hWnd);
    RestoreSystemList();
    m_follower.Watch();
    m_started = true;
    LayOut();
    RestoreWindowPlace(m_hWnd, m_dpi, m_list);
    m_handedFiles.Accept(m_systemList.Path());
    // The Item field has the focus already; the dialog manager would hand it to the
    // first control in tab order, which is now the list (LayOut puts it on top).
    return FALSE;
}

void CShoppingDlg::RestoreSystemList()
{
    ListFontSettings font;
    {
        CBulkRowChange bulk(m_list);
        font = m_systemList.Restore();
    }
    m_list.SetListFont(font);
    if (m_systemList.HasFileNotice())
        PostMessage(WM_SHOW_FILE_NOTICE);
}

BOOL CShoppingDlg::DestroyWindow()
{
    // A later start waits for this one to end rather than hand it a file now.
    CRunningInstance::UnmarkWindow(m_hWnd, m_systemList.Path());
    m_follower.Stop();
    SaveWindowPlace(m_hWnd, m_dpi, m_list);
    const CString notice = m_systemList.StoreAtClose();
    try {
        if (!notice.IsEmpty())
            ShowWarning(m_hWnd, notice);
    } catch (const std::exception&) {
        // The window goes on closing.
    }
    m_background.Release();
    return CHandheldDialog::DestroyWindow();
}

BOOL CShoppingDlg::PreTranslateMessage(MSG* msg)
{
    if (m_keys.Translate(m_hWnd, m_list, msg))
        return TRUE;
    return CHandheldDialog::PreTranslateMessage(msg);
}

void CShoppingDlg::ReportFailure(const CFailure& failure)
{
    if (failure.outOfMemory) {
        ShowWarning(m_hWnd,
                    L"There is not enough memory to finish this. Gromble stopped it, and the list is as it was before.");
        return;
    }
    const CString what = failure.what.IsEmpty() ? CString(L"an error that says nothing more") : failure.what;
    ShowWarning(m_hWnd, CString(L"Gromble could not finish this:\n") + what +
                            L"\nIt stopped, and the list is as it was before.");
}

void CShoppingDlg::OnSize(UINT, int, int)
{
    Default();
    // While the window starts, its size changes step by step; it is laid out once it stands.
    if (m_started)
        LayOut();
}

int CShoppingDlg::LabelTextHeight() const
{
    CClientDC dc(m_hWnd);
    CSelectedObject font(dc, reinterpret_cast<HGDIOBJ>(::SendDlgItemMessageW(m_hWnd, IDC_ITEM_LABEL, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics = {};
    return ::GetTextMetricsW(dc, &metrics) ? metrics.tmHeight : 0;
}

void CShoppingDlg::LayOut()
{
    if (m_list.m_hWnd == nullptr)
        return;
    int barHeight = 0;
    if (m_menuBar.m_hWnd != nullptr) {
        m_menuBar.Reposition();
        barHeight = m_menuBar.GetHeight();
    }
    CRect client;
    GetClientRect(&client);
    const CMainWindowLayout layout({client.Width(), client.Height()}, barHeight, LabelTextHeight(), m_dpi);
    // Wine's theme draws a shown list's scroll bars at once at every change of its size
    // or its columns (some 20 ms each with a long list); hidden meanwhile, the list is
    // laid out without drawing and draws once when shown again. The focus stays.
    const bool listShown = m_list.IsWindowVisible() != FALSE;
    constexpr UINT kKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (listShown)
        m_list.SetWindowPos(nullptr, 0, 0, 0, 0, kKeep | SWP_HIDEWINDOW | SWP_NOREDRAW);
    HDWP moves = ::BeginDeferWindowPos(static_cast<int>(std::size(kPlacedControls)));
    for (int id : kPlacedControls) {
        const RECT place = layout.Place(id);
        HWND control = ::GetDlgItem(m_hWnd, id);
        // The list goes to the top of the sibling order: it lies over the panel's edge.
        const UINT flags = id == IDC_LIST ? 0 : SWP_NOZORDER | SWP_NOACTIVATE;
        if (moves != nullptr && control != nullptr)
            moves = ::DeferWindowPos(moves, control, nullptr, place.left, place.top, place.right - place.left,
                                     place.bottom - place.top, flags);
    }
    if (moves != nullptr)
        ::EndDeferWindowPos(moves);
    m_list.LayOutColumns(layout.ExtraWidth());
    if (listShown)
        m_list.SetWindowPos(nullptr, 0, 0, 0, 0, kKeep | SWP_SHOWWINDOW);
    m_background.MakeBrushes(*this);
}

LRESULT CShoppingDlg::OnGetMinMaxInfo(WPARAM, LPARAM limits)
{
    const int barHeight = m_menuBar.m_hWnd != nullptr ? m_menuBar.GetHeight() : 0;
    const SIZE smallest = CMainWindowLayout::SmallestClient(barHeight, m_dpi);
    // The frame as it is: the frame of the DPI that the window is given may not be
    // drawn yet (and under Wine, which draws every frame at the system's DPI, never is).
    CRect frame;
    CRect client;
    GetWindowRect(&frame);
    GetClientRect(&client);
    reinterpret_cast<MINMAXINFO*>(limits)->ptMinTrackSize = {smallest.cx + frame.Width() - client.Width(),
                                                             smallest.cy + frame.Height() - client.Height()};
    return 0;
}

// Windows sends it when the window moves to a monitor of another DPI, or the scale
// changes: the layout follows at once, in the rectangle Windows suggests.
LRESULT CShoppingDlg::OnDpiChanged(WPARAM dpi, LPARAM suggested)
{
    const UINT oldDpi = m_dpi;
    const int oldBar = m_menuBar.GetHeight();
    CRect client;
    GetClientRect(&client);
    m_dpi = LOWORD(dpi);
    ApplyDpi();
    // The suggestion scales the whole client area; the bar's height does not scale
    // exactly with its font: the area above the bar scales, and the bar is as high
    // as it now is.
    const int scaledAboveBar = ::MulDiv(client.Height() - oldBar, static_cast<int>(m_dpi), static_cast<int>(oldDpi));
    const int heightChange =
        scaledAboveBar + m_menuBar.GetHeight() - ::MulDiv(client.Height(), static_cast<int>(m_dpi), static_cast<int>(oldDpi));
    const RECT& place = *reinterpret_cast<const RECT*>(suggested);
    SetWindowPos(nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top + heightChange,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut();
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return 0;
}

void CShoppingDlg::ApplyDpi()
{
    LOGFONTW font = m_startFont;
    font.lfHeight = ::MulDiv(m_startFont.lfHeight, static_cast<int>(m_dpi), static_cast<int>(m_startDpi));
    if (m_controlsFont.CreateFontIndirect(&font)) {
        for (int id : kPlacedControls)
            ::SendDlgItemMessageW(m_hWnd, id, WM_SETFONT, reinterpret_cast<WPARAM>(m_controlsFont.GetSafeHandle()),
                                  FALSE);
    }
    m_menuBar.SetDpi(m_dpi);
    m_background.Load(m_dpi);
    LoadMarks();
    m_list.SetDpi(m_dpi);
    m_entry.SetDpi(m_dpi);
}

void CShoppingDlg::LoadMarks()
{
    // The list lets go of the images it holds before they go.
    CImageList images;
    if (!images.Create(ScaledImageId(IDB_MARKS, m_dpi), ScaledImageSize(16, m_dpi), 1, RGB(255, 255, 255)))
        return;
    m_list.SetImageList(images, LVSIL_SMALL);
    m_marks = std::move(images);
}

void CShoppingDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    m_background.Paint(dc);
}

LRESULT CShoppingDlg::OnEraseBackground(WPARAM dc, LPARAM)
{
    CDC erased(reinterpret_cast<HDC>(dc));
    CRect client;
    GetClientRect(&client);
    m_background.Erase(erased, client);
    return TRUE;
}

LRESULT CShoppingDlg::OnCtlColorStatic(WPARAM dc, LPARAM control)
{
    ::SetBkMode(reinterpret_cast<HDC>(dc), TRANSPARENT);
    return reinterpret_cast<LRESULT>(m_background.BrushFor(::GetDlgCtrlID(reinterpret_cast<HWND>(control))));
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
    ShowHelpPage();
}

void CShoppingDlg::OnToggleHeaders()
{
    m_headersShown = !m_headersShown;
    m_list.ShowHeader(m_headersShown);
}

void CShoppingDlg::OnChooseListFont()
{
    CFontEditorDlg editor(this);
    editor.m_lf = m_list.GetListFontSettings();
    if (editor.DoModal() != IDOK)
        return;
    if (m_list.SetListFont(editor.m_lf))
        m_systemList.ListFontChanged(editor.m_lf);
    // The rows the editor uncovers keep their old pixels where the window system
    // composes windows (Wine, desktop Windows): they are drawn again in the new font.
    m_list.Invalidate();
}

void CShoppingDlg::OnNew()
{
    if (!AskToClearList(m_hWnd))
        return;
    CBulkRowChange bulk(m_list);
    m_shoppingList.ClearItems();
}

void CShoppingDlg::OnAddButton()
{
    m_entry.AddOrApply(m_list.SelectedRow());
}

void CShoppingDlg::OnEdit()
{
    m_entry.Edit(m_list.SelectedRow());
}

LRESULT CShoppingDlg::OnShowFileNotice(WPARAM, LPARAM)
{
    const CString notice = m_systemList.TakeFileNotice();
    if (!notice.IsEmpty())
        ShowWarning(m_hWnd, notice);
    return 0;
}

LRESULT CShoppingDlg::OnTimer(WPARAM timer, LPARAM)
{
    if (timer == m_storeTimer.Id()) {
        // A store first takes in what another machine wrote, which must wait while a
        // question is open about the rows as they are (a box disables the window); the
        // timer comes again. A menu's command acts on the focused row, which follows.
        if (!IsWindowEnabled())
            return 0;
        m_systemList.OnTimer();
        m_follower.ShowWhatTheFileBrought();
    } else if (m_follower.IsLookTimer(timer)) {
        m_follower.Look();
    } else {
        Default();
    }
    return 0;
}

void CShoppingDlg::OnDataFolder()
{
    CFolderPickerDialog picker(L"Choose the folder that keeps the list", this);
    picker.SetFolderPath(m_systemList.Folder());
    if (picker.DoModal() != IDOK)
        return;
    if (!KeepDataFolder(picker.GetFolderPath())) {
        ShowWarning(m_hWnd, L"Gromble could not keep the data folder for you: the list stays where it is.");
        return;
    }
    const CString moved = CSystemListSchedule::SystemListPath();
    if (::CompareStringOrdinal(moved, -1, m_systemList.Path(), -1, TRUE) == CSTR_EQUAL)
        return;
    CRunningInstance::UnmarkWindow(m_hWnd, m_systemList.Path());
    m_systemList.MoveTo(moved.str());
    CRunningInstance::MarkWindow(m_hWnd, m_systemList.Path());
    m_follower.Watch();
    m_follower.ShowWhatTheFileBrought();
}

// The process ends after this without a close.
LRESULT CShoppingDlg::OnEndSession(WPARAM ending, LPARAM)
{
    if (!ending)
        return 0;
    SaveWindowPlace(m_hWnd, m_dpi, m_list);
    m_systemList.StoreAtSessionEnd();
    return 0;
}
