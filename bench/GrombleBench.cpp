// Gromble's figures: the real main window, driven by the messages its commands
// produce, against bare Win32 and plain C++ doing the same work, side by side in one
// process under one Wine. Every figure is the median of several runs of each side.
// The printed table is Markdown.
#include "BareSide.h"
#include "BenchSupport.h"

#include "files/FileStream.h"
#include "files/ListBody.h"
#include "font/ListFont.h"
#include "listview/BulkRowChange.h"
#include "listview/ItemListCtrl.h"
#include "mainwnd/ShoppingDlg.h"
#include "res/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using BenchWindow = CShoppingDlg;

constexpr int kStartupRuns = 11;
constexpr int kRepaintRuns = 31;
constexpr int kTextSamples = 15;
// A text sample repeats the call until it has taken about this long.
constexpr double kTextSampleSeconds = 0.01;
// Where the bare windows stand: beside the main window, not over it.
constexpr int kBareLeft = 400;

struct ListSize {
    int items;
    int runs;
    bool warmUp;  // one round first whose figures are dropped
};
// Fewer runs for the big lists: 100,000 rows take seconds per command.
constexpr ListSize kListSizes[] = {{1000, 7, true}, {10000, 5, true}, {100000, 3, false}};

void Progress(const std::string& text)
{
    std::printf("  %s\n", text.c_str());
    std::fflush(stdout);
}

void Expect(bool condition, const std::string& what)
{
    if (!condition)
        Fail(what);
}

int RowCount(HWND list)
{
    return static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

HWND ListOf(const CWnd& window)
{
    return ::GetDlgItem(window.m_hWnd, IDC_LIST);
}

// The store at close is no command that a message reaches alone: the program's own
// list control, rows and file commands carry it out here, on a window of the main
// window's template holding the rows of a list file copies times.
class StoreRig {
public:
    StoreRig(const std::wstring& listFile, int copies)
    {
        Expect(m_dialog.Create(), "the store's window could not be created");
        Expect(m_list.SubclassDlgItem(IDC_LIST, &m_dialog), "the store's list could not be bound");
        CItemRows items;
        CFileStream file;
        Expect(file.Open(listFile.c_str(), L"rb") && ReadListBody(file.Get(), items), "cannot read the list file");
        m_list.ShowRows(m_rows);
        CBulkRowChange bulk(m_list);
        for (int copy = 0; copy < copies; ++copy)
            m_rows.InsertItemsAhead(items);
    }
    ~StoreRig() { m_dialog.DestroyWindow(); }
    StoreRig(const StoreRig&) = delete;
    StoreRig& operator=(const StoreRig&) = delete;

    void Store() { m_files.StoreSystemList(); }

private:
    CDialog m_dialog{IDD_GROMBLE_DIALOG};
    CShoppingList m_rows;
    CItemListCtrl m_list;
    CListFileCommands m_files{m_dialog, m_rows, m_list};
};

std::unique_ptr<BenchWindow> CreateMainWindow()
{
    auto window = std::make_unique<BenchWindow>();
    Expect(window->Create(IDD_GROMBLE_DIALOG), "the main window could not be created");
    return window;
}

// A list file of the program's format: the row count with the two closing rows,
// then mark, name, quantity, location and price of each item, one a line.
void WriteListFile(const std::wstring& path, int items)
{
    static const char* const names[] = {"Milk", "Wholemeal bread", "Apples", "Cheddar cheese",
                                        "Coffee beans", "Washing-up liquid", "Tomatoes", "Olive oil"};
    static const char* const locations[] = {"Market", "Bakery", "Butcher", "Pharmacy", "Corner shop"};
    std::FILE* file = ::_wfopen(path.c_str(), L"wb");
    Expect(file != nullptr, "cannot write " + Narrow(path));
    std::fprintf(file, "%d\n", items + 2);
    for (int i = 0; i < items; ++i)
        std::fprintf(file, "%d\n%s %d\n%d\n%s\n%d.%02d\n", i % 4, names[i % 8], i + 1, 1 + i % 6, locations[i % 5],
                     i % 20, (i * 7) % 100);
    Expect(std::fclose(file) == 0, "cannot write " + Narrow(path));
}

// ---------------------------------------------------------------------------
// Start-up

void MeasureStartup(FigureTable& table, const ScratchRoot& root)
{
    Progress("start-up");
    FigureTable::Row& row =
        table.AddRow("Start-up to the first painted main window", "CreateDialogParamW, template 102, trivial procedure");
    int folderNumber = 0;
    auto gromble = [&]() {
        // A fresh folder: no system list file to restore.
        const std::wstring folder = root.EnterNewFolder(L"start-" + std::to_wstring(++folderNumber));
        std::unique_ptr<BenchWindow> window;
        const double seconds = TimeOnce([&] {
            window = CreateMainWindow();
            PaintPending(window->m_hWnd);
        });
        Expect(RowCount(ListOf(*window)) == ClosingRowCount, "a fresh start shows other rows than the closing ones");
        window->DestroyWindow();
        window.reset();
        PumpMessages();
        root.Leave(folder);
        return seconds;
    };
    auto bare = []() {
        HWND dialog = nullptr;
        const double seconds = TimeOnce([&] {
            dialog = CreateBareDialog();
            Expect(dialog != nullptr, "the bare dialog could not be created");
            PaintPending(dialog);
        });
        ::DestroyWindow(dialog);
        PumpMessages();
        return seconds;
    };
    gromble();  // first use of classes, fonts and resources
    bare();
    for (int run = 0; run < kStartupRuns; ++run) {
        if (run % 2 == 0) {
            row.gromble.Add(gromble());
            row.bare.Add(bare());
        } else {
            row.bare.Add(bare());
            row.gromble.Add(gromble());
        }
    }
}

// ---------------------------------------------------------------------------
// Commands on list files

struct Session {
    Session(BenchPrompts& answers, const std::wstring& folderPath) : prompts(answers), folder(folderPath) {}

    BenchPrompts& prompts;
    std::wstring folder;
    std::unique_ptr<BenchWindow> window;
    HWND bareDialog = nullptr;
    HWND bareList = nullptr;

    HWND List() const { return ListOf(*window); }
    std::wstring File(const std::wstring& name) const { return folder + L"\\" + name; }

    // The command as its menu item sends it, until it has returned and the window
    // has painted what it left to paint.
    double Command(UINT id)
    {
        const double seconds = TimeOnce([&] {
            ::SendMessageW(window->m_hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
            PaintPending(window->m_hWnd);
        });
        PumpMessages();
        Expect(prompts.Unexpected().empty(), "a command asked something unexpected: " + Narrow(prompts.Unexpected()));
        return seconds;
    }
};

struct CommandRows {
    FigureTable::Row* open;
    FigureTable::Row* attach;
    FigureTable::Row* save;
    FigureTable::Row* store;
    FigureTable::Row* clear;
};

void RunCommandRound(Session& session, int items, const CommandRows* rows)
{
    const std::wstring suffix = std::to_wstring(items) + L".grl";
    const std::wstring list = session.File(L"list-" + suffix);
    const std::wstring saved = session.File(L"saved-" + suffix);
    const std::wstring bareSaved = session.File(L"bare-saved-" + suffix);
    const std::wstring system = session.File(L"GRSystemList.grl");
    const std::wstring bareSystem = session.File(L"bare-system-" + suffix);
    const std::string count = Grouped(items);
    auto keep = [rows](FigureTable::Row* CommandRows::*which, bool gromble, double seconds) {
        if (rows != nullptr)
            (gromble ? (rows->*which)->gromble : (rows->*which)->bare).Add(seconds);
    };

    std::vector<BareRecord> records;
    keep(&CommandRows::open, false, TimeOnce([&] { records = BareReadList(list.c_str()); }));
    Expect(static_cast<int>(records.size()) == items, "the bare reader read " + Grouped(records.size()) + " items");
    session.prompts.ChooseFile(list);
    keep(&CommandRows::open, true, session.Command(ID_FILE_OPEN));
    Expect(RowCount(session.List()) == items + ClosingRowCount, "Open of " + count + " items shows another count");

    session.prompts.ChooseFile(list);
    keep(&CommandRows::attach, true, session.Command(ID_FILE_ATTACH));
    Expect(RowCount(session.List()) == 2 * items + ClosingRowCount, "Attach of " + count + " items shows another count");
    records.clear();
    keep(&CommandRows::attach, false, TimeOnce([&] { records = BareReadList(list.c_str()); }));
    Expect(static_cast<int>(records.size()) == items, "the bare reader read " + Grouped(records.size()) + " items");

    ::DeleteFileW(saved.c_str());
    session.prompts.ChooseFile(saved);
    keep(&CommandRows::save, true, session.Command(ID_FILE_SAVE));
    std::string bytes = ReadBytes(saved);
    Expect(!bytes.empty(), "Save wrote nothing");
    ::DeleteFileW(bareSaved.c_str());
    bool written = false;
    keep(&CommandRows::save, false, TimeOnce([&] { written = BareWrite(bareSaved.c_str(), bytes); }));
    Expect(written, "the bare write failed");

    ::DeleteFileW(system.c_str());
    {
        StoreRig rig(list, 2);
        keep(&CommandRows::store, true, TimeOnce([&] { rig.Store(); }));
    }
    PumpMessages();
    bytes = ReadBytes(system);
    Expect(!bytes.empty(), "the system list store wrote nothing");
    ::DeleteFileW(bareSystem.c_str());
    keep(&CommandRows::store, false, TimeOnce([&] { written = BareWrite(bareSystem.c_str(), bytes); }));
    Expect(written, "the bare write failed");

    // New's counterpart: as many rows deleted from a bare list view.
    FillBareList(session.bareList, records, 2);
    PaintPending(session.bareDialog);
    PumpMessages();
    keep(&CommandRows::clear, false, TimeOnce([&] {
        DeleteBareRows(session.bareList, 2 * items);
        PaintPending(session.bareDialog);
    }));
    Expect(RowCount(session.bareList) == 0, "the bare list kept rows");
    PumpMessages();
    keep(&CommandRows::clear, true, session.Command(ID_FILE_NEW));
    Expect(RowCount(session.List()) == ClosingRowCount, "New left item rows");
}

void MeasureCommands(FigureTable& table, Session& session)
{
    for (const ListSize& size : kListSizes) {
        const std::string n = Grouped(size.items);
        const std::string twice = Grouped(2LL * size.items);
        Progress("commands on " + n + " items (" + std::to_string(size.runs) + " runs)");
        WriteListFile(session.File(L"list-" + std::to_wstring(size.items) + L".grl"), size.items);
        CommandRows rows;
        rows.open = &table.AddRow("Open, " + n + " items", "read + parse of the same file");
        rows.attach = &table.AddRow("Attach, " + n + " items onto " + n, "read + parse of the same file");
        rows.save = &table.AddRow("Save, " + twice + " items", "fwrite of the same bytes");
        rows.store = &table.AddRow("System list store, " + twice + " items", "fwrite of the same bytes");
        rows.clear = &table.AddRow("New, " + twice + " items", "LVM_DELETEITEM x " + twice + ", redraw off");
        if (size.warmUp)
            RunCommandRound(session, size.items, nullptr);
        for (int run = 0; run < size.runs; ++run)
            RunCommandRound(session, size.items, &rows);
    }
}

// ---------------------------------------------------------------------------
// Repaint

void MeasureRepaint(FigureTable& table, Session& session)
{
    constexpr int items = 1000;
    Progress("repaint of the visible list");
    session.prompts.ChooseFile(session.File(L"list-" + std::to_wstring(items) + L".grl"));
    session.Command(ID_FILE_OPEN);
    const HWND list = session.List();
    Expect(RowCount(list) == items + ClosingRowCount, "Open of 1,000 items shows another count");

    // The same rows, columns, images, colours, font and size, drawn by the list view itself.
    const HWND bare = session.bareList;
    ClearBareList(bare);
    ::SetWindowLongPtrW(bare, GWL_STYLE, ::GetWindowLongPtrW(bare, GWL_STYLE) | LVS_SINGLESEL | LVS_SHAREIMAGELISTS);
    ::SendMessageW(bare, LVM_SETIMAGELIST, LVSIL_SMALL, ::SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ::SendMessageW(bare, WM_SETFONT, ::SendMessageW(list, WM_GETFONT, 0, 0), FALSE);
    ::SendMessageW(bare, LVM_SETBKCOLOR, 0, ListBackColor);
    ::SendMessageW(bare, LVM_SETTEXTBKCOLOR, 0, ListBackColor);
    CopyColumns(list, bare);
    RECT bounds;
    ::GetWindowRect(list, &bounds);
    ::SetWindowPos(bare, nullptr, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CopyRows(list, bare);
    PaintPending(session.bareDialog);
    PumpMessages();
    Expect(RowCount(bare) == RowCount(list), "the bare list has another count");

    const int shown = static_cast<int>(::SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
    FigureTable::Row& row =
        table.AddRow("Full repaint of the visible list, " + Grouped(items) + " items, " + std::to_string(shown) +
                         " rows shown",
                     "list view of the same size, columns and rows, not owner-drawn");
    auto repaint = [](HWND window) {
        return TimeOnce([&] {
            ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        });
    };
    for (int run = 0; run < 3; ++run) {
        repaint(list);
        repaint(bare);
    }
    for (int run = 0; run < kRepaintRuns; ++run) {
        if (run % 2 == 0) {
            row.gromble.Add(repaint(list));
            row.bare.Add(repaint(bare));
        } else {
            row.bare.Add(repaint(bare));
            row.gromble.Add(repaint(list));
        }
        PumpMessages();
    }
    ClearBareList(bare);
}

// ---------------------------------------------------------------------------
// Text cut to fit

std::wstring LongText(int length)
{
    static const std::wstring phrase = L"Organic free-range eggs, large, from the farm by the river; ";
    std::wstring text;
    while (static_cast<int>(text.size()) < length)
        text += phrase;
    return text.substr(0, static_cast<size_t>(length));
}

// Per call: each sample repeats fn until it has taken about kTextSampleSeconds.
void AddPerCallSamples(Samples& samples, const std::function<void()>& fn, int batch)
{
    samples.Add(TimeOnce([&] {
                    for (int i = 0; i < batch; ++i)
                        fn();
                }) /
                batch);
}

int BatchFor(const std::function<void()>& fn)
{
    fn();
    const double once = TimeOnce(fn);
    if (once <= 0.0)
        return 100000;
    return static_cast<int>(std::max(1.0, std::min(100000.0, std::ceil(kTextSampleSeconds / once))));
}

void MeasureFittedText(FigureTable& table)
{
    Progress("DrawFittedText");
    HDC screen = ::GetDC(nullptr);
    CDC dc;
    Expect(dc.CreateCompatibleDC(screen) != FALSE, "no memory context");
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 100, 20);
    ::ReleaseDC(nullptr, screen);
    const LOGFONTW settings = StartupListFontSettings();
    HFONT font = ::CreateFontIndirectW(&settings);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    HGDIOBJ oldFont = ::SelectObject(dc, font);

    constexpr UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    const RECT rect = {0, 0, 70, 17};
    for (int length : {200, 2000}) {
        const CString text(LongText(length));
        FigureTable::Row& row = table.AddRow("DrawFittedText, " + Grouped(length) + " characters into 70 px",
                                             "DrawTextW with DT_END_ELLIPSIS");
        const std::function<void()> gromble = [&] {
            RECT r = rect;
            CItemListCtrl::DrawFittedText(dc, text, &r, format);
        };
        const std::function<void()> bare = [&] {
            RECT r = rect;
            ::DrawTextW(dc, text.GetString(), text.GetLength(), &r, format | DT_END_ELLIPSIS);
        };
        const int grombleBatch = BatchFor(gromble);
        const int bareBatch = BatchFor(bare);
        for (int sample = 0; sample < kTextSamples; ++sample) {
            AddPerCallSamples(row.gromble, gromble, grombleBatch);
            AddPerCallSamples(row.bare, bare, bareBatch);
        }
    }
    ::SelectObject(dc, oldFont);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(font);
    ::DeleteObject(bitmap);
}

}  // namespace

int main()
{
    const double start = Now();
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    std::printf("Gromble figures: the real main window against bare Win32 and C++, side by side.\n");
    std::printf("Measuring:\n");
    std::fflush(stdout);

    ScratchRoot root;
    BenchPrompts prompts;
    FigureTable table;

    MeasureStartup(table, root);

    {
        Session session(prompts, root.EnterNewFolder(L"commands"));
        session.window = CreateMainWindow();
        session.bareDialog = CreateBareDialog();
        Expect(session.bareDialog != nullptr, "the bare dialog could not be created");
        ::SetWindowPos(session.bareDialog, nullptr, kBareLeft, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        session.bareList = ::GetDlgItem(session.bareDialog, IDC_LIST);
        CopyColumns(session.List(), session.bareList);
        PaintPending(session.window->m_hWnd);
        PaintPending(session.bareDialog);
        PumpMessages();

        MeasureCommands(table, session);
        MeasureRepaint(table, session);

        // The list holds 1,000 items now; its store on closing is not measured.
        ::DestroyWindow(session.bareDialog);
        session.window->DestroyWindow();
        session.window.reset();
        PumpMessages();
        root.Leave(session.folder);
    }

    MeasureFittedText(table);

    std::printf("\n");
    table.Print();
    std::printf("\nMedians of the runs; ratio = Gromble / bare. Commands are timed from their WM_COMMAND until it\n"
                "has returned and the window has painted what it left to paint; the store is the file commands'\n"
                "StoreSystemList alone. New has no bare counterpart but deleting as many rows from a bare list\n"
                "view (redraw off). DrawFittedText figures are per call. Whole run: %.0f s.\n",
                Now() - start);
    std::fflush(stdout);
    return 0;
}
