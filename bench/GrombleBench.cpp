// Gromble's figures: the real main window, driven by the messages its commands
// produce, against bare Win32 and plain C++ doing the same work, side by side in one
// process under one Wine. Every figure is the median of several runs of each side;
// a peak working set is measured once per side, each in a process of its own (this
// program started again with --peak). The printed table is Markdown.
#include "BareListWindow.h"
#include "BareSide.h"
#include "BenchSupport.h"

#include "files/FileStream.h"
#include "files/ListBody.h"
#include "font/ListFont.h"
#include "list/ListMerge.h"
#include "listview/ItemListCtrl.h"
#include "mainwnd/ShoppingDlg.h"
#include "mainwnd/WindowMessages.h"
#include "res/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
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
// The big list of the figures' targets; its commands round differently (RunMillionRound).
constexpr ListSize kMillion = {1000000, 3, false};
// Start-up with a system list of these sizes.
constexpr ListSize kStartupLists[] = {{100000, 3, false}, {1000000, 3, false}};
constexpr int kPeakSizes[] = {1000, 10000, 100000, 1000000};
constexpr int kKeyRuns = 5;

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
// rows and system list schedule carry it out here, without a window, on the rows of a
// list file copies times. No store after a change is ever due: the rig's timer never runs.
class StoreRig : private CTimer {
public:
    StoreRig(const std::wstring& listFile, int copies)
    {
        CItemRows items;
        CFileStream file;
        Expect(file.Open(listFile.c_str(), L"rb") && ReadListBody(file.Get(), items), "cannot read the list file");
        m_schedule.Restore();
        for (int copy = 0; copy < copies; ++copy)
            m_rows.InsertItemsAhead(items);
    }
    StoreRig(const StoreRig&) = delete;
    StoreRig& operator=(const StoreRig&) = delete;

    void Store() { m_schedule.StoreAtClose(); }

private:
    void Start(UINT) override {}
    void Stop() override {}

    CShoppingList m_rows;
    CSystemListSchedule m_schedule{m_rows, *this};
};

std::unique_ptr<BenchWindow> CreateMainWindow()
{
    auto window = std::make_unique<BenchWindow>();
    Expect(window->Create(IDD_GROMBLE_DIALOG), "the main window could not be created");
    return window;
}

// The store a few seconds after a change would write a big list on another thread
// beside the next figure: it has figures of its own (MeasureStoreAfterChange).
void HoldStoreAfterChange(HWND window)
{
    ::KillTimer(window, TimerStoreAfterChange);
}

// The command as its menu item sends it, until it has returned and the window has
// painted what it left to paint.
double SendCommand(BenchPrompts& prompts, HWND window, UINT id)
{
    const double seconds = TimeOnce([&] {
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        PaintPending(window);
    });
    HoldStoreAfterChange(window);
    PumpMessages();
    Expect(prompts.Unexpected().empty(), "a command asked something unexpected: " + Narrow(prompts.Unexpected()));
    return seconds;
}

// Closes the main window. New first: the store at close of a big list would take
// seconds that no figure asks for.
void CloseMainWindow(BenchPrompts& prompts, std::unique_ptr<BenchWindow>& window)
{
    if (RowCount(ListOf(*window)) > ClosingRowCount)
        SendCommand(prompts, window->m_hWnd, ID_FILE_NEW);
    window->DestroyWindow();
    window.reset();
    PumpMessages();
}

// A list file of the program's format: the row count with the two closing rows,
// then mark, name, quantity, location and price of each item, one a line. A system
// list file goes on with "0", the font line and the face name.
void WriteListFile(const std::wstring& path, int items, bool systemList = false)
{
    static const char* const names[] = {"Milk", "Wholemeal bread", "Apples", "Cheddar cheese",
                                        "Coffee beans", "Washing-up liquid", "Tomatoes", "Olive oil"};
    static const char* const locations[] = {"Market", "Bakery", "Butcher", "Pharmacy", "Corner shop"};
    // Formatted in memory and written at once: fprintf of a million items under Wine
    // takes seconds (MinGW's printf hands the stream one character at a time).
    std::string bytes = std::to_string(items + 2) + "\n";
    char record[160];
    for (int i = 0; i < items; ++i) {
        const int length = std::snprintf(record, sizeof record, "%d\n%s %d\n%d\n%s\n%d.%02d\n", i % 4, names[i % 8],
                                         i + 1, 1 + i % 6, locations[i % 5], i % 20, (i * 7) % 100);
        bytes.append(record, static_cast<size_t>(length));
    }
    if (systemList)
        bytes += "0\n10 0 0 0 1\nTahoma\n";
    Expect(BareWrite(path.c_str(), bytes), "cannot write " + Narrow(path));
}

// Both sides one after the other, in alternating order, run times.
void Alternate(FigureTable::Row& row, int runs, const std::function<double()>& gromble,
               const std::function<double()>& bare)
{
    for (int run = 0; run < runs; ++run) {
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
    Alternate(row, kStartupRuns, gromble, bare);
}

// The start in a folder that holds a system list file of size.items items, until the
// list is painted; the bare program reads the same file and shows its rows.
void MeasureStartupWithList(FigureTable& table, const ScratchRoot& root, BenchPrompts& prompts, const ListSize& size)
{
    const std::string n = Grouped(size.items);
    Progress("start-up with a system list of " + n + " items (" + std::to_string(size.runs) + " runs)");
    FigureTable::Row& row = table.AddRow("Start-up with a system list of " + n + " items, to the painted list",
                                         "fgets into a vector, owner-drawn LVS_OWNERDATA list of template 102");
    const std::wstring pristine = root.Path() + L"\\system-" + std::to_wstring(size.items) + L".grl";
    WriteListFile(pristine, size.items, true);
    const std::wstring folder = root.EnterNewFolder(L"start-list-" + std::to_wstring(size.items));
    const std::wstring system = folder + L"\\GRSystemList.grl";
    // Each side finds the file as it was written: the close rewrites it.
    auto layFile = [&] {
        Expect(::CopyFileW(pristine.c_str(), system.c_str(), FALSE) != FALSE, "cannot copy the system list");
    };

    auto gromble = [&]() {
        layFile();
        std::unique_ptr<BenchWindow> window;
        const double seconds = TimeOnce([&] {
            window = CreateMainWindow();
            PaintPending(window->m_hWnd);
        });
        Expect(RowCount(ListOf(*window)) == size.items + ClosingRowCount, "the start shows another count");
        CloseMainWindow(prompts, window);
        return seconds;
    };
    auto bare = [&]() {
        layFile();
        std::unique_ptr<BareListWindow> window;
        const double seconds = TimeOnce([&] {
            LOGFONTW font = BareDefaultFont();
            std::vector<BareRecord> records = BareReadSystemList(system.c_str(), font);
            window = std::make_unique<BareListWindow>(font, 0);
            window->Show(std::move(records));
            PaintPending(window->Dialog());
        });
        Expect(RowCount(window->List()) == size.items, "the bare start shows another count");
        window.reset();
        PumpMessages();
        return seconds;
    };
    Alternate(row, size.runs, gromble, bare);
    root.Leave(folder);
    ::DeleteFileW(pristine.c_str());
}

// ---------------------------------------------------------------------------
// Commands on list files

struct Session {
    Session(BenchPrompts& answers, const std::wstring& folderPath) : prompts(answers), folder(folderPath) {}

    BenchPrompts& prompts;
    std::wstring folder;
    std::unique_ptr<BenchWindow> window;
    std::unique_ptr<BareListWindow> bare;

    HWND List() const { return ListOf(*window); }
    std::wstring File(const std::wstring& name) const { return folder + L"\\" + name; }
    std::wstring ListFile(int items) const { return File(L"list-" + std::to_wstring(items) + L".grl"); }

    double Command(UINT id) { return SendCommand(prompts, window->m_hWnd, id); }
    double Open(const std::wstring& path)
    {
        prompts.ChooseFile(path);
        return Command(ID_FILE_OPEN);
    }
    // The bare window's rows painted, so that no paint of theirs falls into a figure.
    void SettleBare()
    {
        PaintPending(bare->Dialog());
        PumpMessages();
    }
};

struct CommandRows {
    FigureTable::Row* open;
    FigureTable::Row* attach;
    FigureTable::Row* save;
    FigureTable::Row* store;
    FigureTable::Row* clear;
};

using KeepFigure = std::function<void(FigureTable::Row* CommandRows::*, bool, double)>;

KeepFigure Keeper(const CommandRows* rows)
{
    return [rows](FigureTable::Row* CommandRows::*which, bool gromble, double seconds) {
        if (rows != nullptr)
            (gromble ? (rows->*which)->gromble : (rows->*which)->bare).Add(seconds);
    };
}

std::vector<BareRecord> TimedBareRead(const std::wstring& path, int items, double& seconds)
{
    std::vector<BareRecord> records;
    seconds = TimeOnce([&] { records = BareReadList(path.c_str()); });
    Expect(static_cast<int>(records.size()) == items, "the bare reader read " + Grouped(records.size()) + " items");
    return records;
}

// Save of what the main window holds, then one fwrite of the bytes it wrote.
void SaveBothSides(Session& session, const std::wstring& name, const KeepFigure& keep)
{
    const std::wstring saved = session.File(L"saved-" + name);
    const std::wstring bareSaved = session.File(L"bare-saved-" + name);
    ::DeleteFileW(saved.c_str());
    session.prompts.ChooseFile(saved);
    keep(&CommandRows::save, true, session.Command(ID_FILE_SAVE));
    const std::string bytes = ReadBytes(saved);
    Expect(!bytes.empty(), "Save wrote nothing");
    ::DeleteFileW(bareSaved.c_str());
    bool written = false;
    keep(&CommandRows::save, false, TimeOnce([&] { written = BareWrite(bareSaved.c_str(), bytes); }));
    Expect(written, "the bare write failed");
    ::DeleteFileW(saved.c_str());
    ::DeleteFileW(bareSaved.c_str());
}

// The store of the list file's items copies times, then one fwrite of the bytes it wrote.
void StoreBothSides(Session& session, const std::wstring& listFile, int copies, const KeepFigure& keep)
{
    const std::wstring system = session.File(L"GRSystemList.grl");
    const std::wstring bareSystem = session.File(L"bare-system.grl");
    ::DeleteFileW(system.c_str());
    {
        StoreRig rig(listFile, copies);
        keep(&CommandRows::store, true, TimeOnce([&] { rig.Store(); }));
    }
    PumpMessages();
    const std::string bytes = ReadBytes(system);
    Expect(!bytes.empty(), "the system list store wrote nothing");
    ::DeleteFileW(bareSystem.c_str());
    bool written = false;
    keep(&CommandRows::store, false, TimeOnce([&] { written = BareWrite(bareSystem.c_str(), bytes); }));
    Expect(written, "the bare write failed");
    ::DeleteFileW(system.c_str());
    ::DeleteFileW(bareSystem.c_str());
}

// New on both sides: the bare program clears its vector and sets the count to 0.
void ClearBothSides(Session& session, const KeepFigure& keep)
{
    session.SettleBare();
    keep(&CommandRows::clear, false, TimeOnce([&] {
        session.bare->Clear();
        PaintPending(session.bare->Dialog());
    }));
    Expect(RowCount(session.bare->List()) == 0, "the bare list kept rows");
    PumpMessages();
    keep(&CommandRows::clear, true, session.Command(ID_FILE_NEW));
    Expect(RowCount(session.List()) == ClosingRowCount, "New left item rows");
}

// Open N, Attach N onto them, then Save, store and New of the 2N.
void RunCommandRound(Session& session, int items, const CommandRows* rows)
{
    const std::wstring list = session.ListFile(items);
    const std::string count = Grouped(items);
    const KeepFigure keep = Keeper(rows);
    double seconds = 0.0;

    std::vector<BareRecord> records = TimedBareRead(list, items, seconds);
    keep(&CommandRows::open, false, seconds);
    session.bare->Show(std::move(records));
    keep(&CommandRows::open, true, session.Open(list));
    Expect(RowCount(session.List()) == items + ClosingRowCount, "Open of " + count + " items shows another count");

    session.prompts.ChooseFile(list);
    keep(&CommandRows::attach, true, session.Command(ID_FILE_ATTACH));
    Expect(RowCount(session.List()) == 2 * items + ClosingRowCount,
           "Attach of " + count + " items shows another count");
    records = TimedBareRead(list, items, seconds);
    keep(&CommandRows::attach, false, seconds);
    session.bare->InsertAhead(std::move(records));

    SaveBothSides(session, std::to_wstring(items) + L".grl", keep);
    StoreBothSides(session, list, 2, keep);
    ClearBothSides(session, keep);
}

// The million: Open, Save, New and the store of 1,000,000 items each, and Attach of
// 1,000,000 onto as many. Twice the rows would go past the figures' targets.
void RunMillionRound(Session& session, int items, const CommandRows* rows)
{
    const std::wstring list = session.ListFile(items);
    const std::string count = Grouped(items);
    const KeepFigure keep = Keeper(rows);
    double seconds = 0.0;

    std::vector<BareRecord> records = TimedBareRead(list, items, seconds);
    keep(&CommandRows::open, false, seconds);
    session.bare->Show(std::move(records));
    keep(&CommandRows::open, true, session.Open(list));
    Expect(RowCount(session.List()) == items + ClosingRowCount, "Open of " + count + " items shows another count");

    SaveBothSides(session, std::to_wstring(items) + L".grl", keep);
    ClearBothSides(session, keep);
    // With the main window empty, so that only one more copy of the rows is alive.
    StoreBothSides(session, list, 1, keep);

    session.Open(list);
    session.prompts.ChooseFile(list);
    keep(&CommandRows::attach, true, session.Command(ID_FILE_ATTACH));
    Expect(RowCount(session.List()) == 2 * items + ClosingRowCount,
           "Attach of " + count + " items shows another count");
    records = TimedBareRead(list, items, seconds);
    keep(&CommandRows::attach, false, seconds);
    session.Command(ID_FILE_NEW);
}

void MeasureCommands(FigureTable& table, Session& session)
{
    const std::string bareNew = "vector clear + LVM_SETITEMCOUNT 0, painted";
    for (const ListSize& size : kListSizes) {
        const std::string n = Grouped(size.items);
        const std::string twice = Grouped(2LL * size.items);
        Progress("commands on " + n + " items (" + std::to_string(size.runs) + " runs)");
        WriteListFile(session.ListFile(size.items), size.items);
        CommandRows rows;
        rows.open = &table.AddRow("Open, " + n + " items", "read + parse of the same file");
        rows.attach = &table.AddRow("Attach, " + n + " items onto " + n, "read + parse of the same file");
        rows.save = &table.AddRow("Save, " + twice + " items", "fwrite of the same bytes");
        rows.store = &table.AddRow("System list store, " + twice + " items", "fwrite of the same bytes");
        rows.clear = &table.AddRow("New, " + twice + " items", bareNew);
        if (size.warmUp)
            RunCommandRound(session, size.items, nullptr);
        for (int run = 0; run < size.runs; ++run)
            RunCommandRound(session, size.items, &rows);
    }
}

void MeasureMillionCommands(FigureTable& table, Session& session)
{
    const std::string n = Grouped(kMillion.items);
    Progress("commands on " + n + " items (" + std::to_string(kMillion.runs) + " runs)");
    WriteListFile(session.ListFile(kMillion.items), kMillion.items);
    CommandRows rows;
    rows.open = &table.AddRow("Open, " + n + " items", "read + parse of the same file");
    rows.attach = &table.AddRow("Attach, " + n + " items onto " + n, "read + parse of the same file");
    rows.save = &table.AddRow("Save, " + n + " items", "fwrite of the same bytes");
    rows.store = &table.AddRow("System list store, " + n + " items", "fwrite of the same bytes");
    rows.clear = &table.AddRow("New, " + n + " items", "vector clear + LVM_SETITEMCOUNT 0, painted");
    for (int run = 0; run < kMillion.runs; ++run)
        RunMillionRound(session, kMillion.items, &rows);
}

// Undo of the big steps with the million items open, each timed like a command:
// New and Open give back the rows they replaced, and Attach takes its rows away.
// The bare program moves a kept vector back in, or erases the attached records.
void MeasureUndo(FigureTable& table, Session& session)
{
    const int items = kMillion.items;
    const std::string n = Grouped(items);
    Progress("undo on " + n + " items (" + std::to_string(kMillion.runs) + " runs)");
    const std::string bareBack = "a kept vector moved back in + LVM_SETITEMCOUNT, painted";
    FigureTable::Row& undoNew = table.AddRow("Undo of New, " + n + " items", bareBack);
    FigureTable::Row& undoOpen = table.AddRow("Undo of Open, " + n + " items over " + n, bareBack);
    FigureTable::Row& undoAttach =
        table.AddRow("Undo of Attach, " + n + " items onto " + n, "vector erase of the attached records, painted");
    const std::wstring list = session.ListFile(items);
    const auto bareBackIn = [&](std::vector<BareRecord>& kept) {
        session.SettleBare();
        return TimeOnce([&] {
            session.bare->Show(std::move(kept));
            PaintPending(session.bare->Dialog());
        });
    };
    const auto expectRows = [&](int rows, const char* what) {
        Expect(RowCount(session.List()) == rows + ClosingRowCount, std::string("Undo of ") + what + " left another count");
    };
    for (int run = 0; run < kMillion.runs; ++run) {
        session.Open(list);
        session.Open(list);
        undoOpen.gromble.Add(session.Command(ID_EDIT_UNDO));
        expectRows(items, "Open");
        session.Command(ID_FILE_NEW);
        undoNew.gromble.Add(session.Command(ID_EDIT_UNDO));
        expectRows(items, "New");
        session.prompts.ChooseFile(list);
        session.Command(ID_FILE_ATTACH);
        undoAttach.gromble.Add(session.Command(ID_EDIT_UNDO));
        expectRows(items, "Attach");
        session.Command(ID_FILE_NEW);

        std::vector<BareRecord> kept = BareReadList(list.c_str());
        undoOpen.bare.Add(bareBackIn(kept));
        kept = BareReadList(list.c_str());
        undoNew.bare.Add(bareBackIn(kept));
        session.bare->InsertAhead(BareReadList(list.c_str()));
        session.SettleBare();
        undoAttach.bare.Add(TimeOnce([&] {
            session.bare->EraseAhead(static_cast<size_t>(items));
            PaintPending(session.bare->Dialog());
        }));
        session.bare->Clear();
    }
}

// The store a few seconds after a change, with the list file's items open: the
// window's part, the WM_TIMER that copies the rows and starts the thread that writes
// them, against writing the same bytes there and then. A tick on the first row is
// the change.
void MeasureStoreAfterChange(FigureTable& table, Session& session, int items, int runs)
{
    const std::string n = Grouped(items);
    Progress("the store after a change, " + n + " items (" + std::to_string(runs) + " runs)");
    FigureTable::Row& row =
        table.AddRow("Store after a change, " + n + " items: the window's part", "fwrite of the same bytes");
    const HWND window = session.window->m_hWnd;
    const std::wstring system = session.File(L"GRSystemList.grl");
    const std::wstring bareSystem = session.File(L"bare-system.grl");
    session.Open(session.ListFile(items));
    LVITEMW focus = {};
    focus.state = focus.stateMask = LVIS_FOCUSED;
    ::SendMessageW(session.List(), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&focus));
    for (int run = 0; run < runs; ++run) {
        ::DeleteFileW(system.c_str());
        session.Command(ID_ITEM_CHECK);
        row.gromble.Add(TimeOnce([&] { ::SendMessageW(window, WM_TIMER, TimerStoreAfterChange, 0); }));
        // The thread's file takes the name once it is whole.
        for (int wait = 0; wait < 12000 && ::GetFileAttributesW(system.c_str()) == INVALID_FILE_ATTRIBUTES; ++wait)
            ::Sleep(10);
        const std::string bytes = ReadBytes(system);
        Expect(!bytes.empty(), "the store after a change wrote nothing");
        bool written = false;
        row.bare.Add(TimeOnce([&] { written = BareWrite(bareSystem.c_str(), bytes); }));
        Expect(written, "the bare write failed");
        ::DeleteFileW(bareSystem.c_str());
    }
    ::DeleteFileW(system.c_str());
}

// The window's regular look at a shared system list file that no one else wrote: what
// every store does first as well. Against asking the file system for the file's size
// and time.
void MeasureLookAtFile(FigureTable& table, Session& session, int items, int runs)
{
    const std::string n = Grouped(items);
    Progress("the look at the shared file, " + n + " items");
    FigureTable::Row& row = table.AddRow("Look at the shared system list file, nothing changed, " + n + " items",
                                         "GetFileAttributesExW of the file");
    const HWND window = session.window->m_hWnd;
    const std::wstring system = session.File(L"GRSystemList.grl");
    Expect(RowCount(session.List()) == items + ClosingRowCount, "the list does not hold " + n + " items");
    session.Command(ID_ITEM_CHECK);
    ::SendMessageW(window, WM_TIMER, TimerStoreAfterChange, 0);
    for (int wait = 0; wait < 12000 && ::GetFileAttributesW(system.c_str()) == INVALID_FILE_ATTRIBUTES; ++wait)
        ::Sleep(10);
    ::Sleep(500);  // the store lands whole before the looks begin
    Alternate(row, runs, [&] { return TimeOnce([&] { ::SendMessageW(window, WM_TIMER, TimerLookAtFile, 0); }); },
              [&] {
                  WIN32_FILE_ATTRIBUTE_DATA data;
                  return TimeOnce([&] { ::GetFileAttributesExW(system.c_str(), GetFileExInfoStandard, &data); });
              });
    Expect(RowCount(session.List()) == items + ClosingRowCount, "a look changed the list");
    HoldStoreAfterChange(window);
    ::DeleteFileW(system.c_str());
}

// The rows of a list of items, as WriteListFile writes them, with every step-th row
// changed the way another machine would: ticked, edited, deleted or a row added.
CItemRows MergeSide(int items, int step, int offset)
{
    CItemRows rows;
    for (int i = 0; i < items; ++i) {
        ItemRow row;
        row.mark = static_cast<ItemMark>(i % 4);
        row.name = CString((L"Milk " + std::to_wstring(i + 1)).c_str());
        row.quantity = CString(std::to_wstring(1 + i % 6).c_str());
        row.location = L"Market";
        row.price = CString(std::to_wstring(i % 20).c_str());
        if (step > 0 && (i + offset) % step == 0) {
            switch ((i / step) % 4) {
            case 0: row.mark = row.mark == MarkTick ? MarkCross : MarkTick; break;
            case 1: row.quantity = L"12"; break;
            case 2: continue;
            default: {
                ItemRow added = row;
                added.name = CString((L"Added " + std::to_wstring(i + offset)).c_str());
                rows.Append(added);
            }
            }
        }
        rows.Append(row);
    }
    return rows;
}

// Two lists of items each, changed in different rows since the list both came from,
// made one; against hashing the texts of both lists' rows.
void MeasureMerge(FigureTable& table, int items, int runs)
{
    const std::string n = Grouped(items);
    Progress("the merge of two lists of " + n + " items");
    FigureTable::Row& row = table.AddRow("Merge of two lists of " + n + " items changed apart",
                                         "the rows' texts of both into a std::unordered_set");
    const CItemRows base = MergeSide(items, 0, 0), mine = MergeSide(items, 97, 0), theirs = MergeSide(items, 89, 7);
    size_t merged = 0, hashed = 0;
    Alternate(row, runs, [&] { return TimeOnce([&] { merged = MergeRows(base, mine, theirs).rows.Count(); }); },
              [&] {
                  return TimeOnce([&] {
                      std::unordered_set<std::wstring> texts;
                      texts.reserve(static_cast<size_t>(mine.Count() + theirs.Count()));
                      for (const CItemRows* side : {&mine, &theirs}) {
                          for (int r = 0; r < side->Count(); ++r) {
                              std::wstring key;
                              for (ItemColumn column : ItemColumns)
                                  key.append(side->TextView(r, column)).push_back(L'\n');
                              texts.insert(std::move(key));
                          }
                      }
                      hashed = texts.size();
                  });
              });
    Expect(merged > static_cast<size_t>(items) && hashed > static_cast<size_t>(items), "the merge lost rows");
}

// What a hundred marks and moves add to the history of a list of 1,000,000 items,
// against a hundred rows' index and mark in a vector.
void MeasureUndoHistory(FigureTable& table)
{
    FigureTable::Row& row = table.AddRow("Undo history of 100 marks and moves, 1,000,000 items",
                                         "a vector of 100 row indexes and marks", FigureTable::Unit::Bytes);
    CShoppingList list;
    list.ReplaceItems(MergeSide(kMillion.items, 0, 0));
    list.ForgetHistory();
    for (int step = 0; step < 50; ++step) {
        list.ToggleCheck(step * 997);
        list.MoveToTop(kMillion.items - 1 - step);
    }
    row.gromble.Add(static_cast<double>(list.HistoryBytes()));
    row.bare.Add(static_cast<double>(100 * (sizeof(int) + sizeof(ItemMark))));
}

// ---------------------------------------------------------------------------
// The visible list: repaint and keys

// Both windows hold the items of the list file, the top rows painted.
void ShowOnBothSides(Session& session, int items)
{
    const std::wstring list = session.ListFile(items);
    session.Open(list);
    Expect(RowCount(session.List()) == items + ClosingRowCount,
           "Open of " + Grouped(items) + " items shows another count");
    session.bare->Show(BareReadList(list.c_str()));
    session.SettleBare();
    Expect(RowCount(session.bare->List()) == items, "the bare list has another count");
}

void MeasureRepaint(FigureTable& table, Session& session, int items, int runs)
{
    Progress("repaint of the visible list, " + Grouped(items) + " items");
    const HWND list = session.List();
    const HWND bare = session.bare->List();
    const int shown = static_cast<int>(::SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
    const int bareShown = static_cast<int>(::SendMessageW(bare, LVM_GETCOUNTPERPAGE, 0, 0));
    Expect(shown == bareShown, "the bare list shows " + std::to_string(bareShown) + " rows, Gromble's " +
                                   std::to_string(shown));
    FigureTable::Row& row = table.AddRow("Repaint of the visible list, " + Grouped(items) + " items, " +
                                             std::to_string(shown) + " rows shown",
                                         "the bare owner-drawn LVS_OWNERDATA list, DrawTextA");
    auto repaint = [](HWND window) {
        return TimeOnce([&] {
            ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        });
    };
    for (int run = 0; run < 3; ++run) {
        repaint(list);
        repaint(bare);
    }
    Alternate(
        row, runs,
        [&] {
            PumpMessages();
            return repaint(list);
        },
        [&] {
            PumpMessages();
            return repaint(bare);
        });
}

int FocusedRow(HWND list)
{
    return static_cast<int>(::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

int TopRow(HWND list)
{
    return static_cast<int>(::SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
}

// The key as the list receives it from the keyboard, until the window has painted.
double PressKey(HWND list, HWND window, UINT key)
{
    const double seconds = TimeOnce([&] {
        ::SendMessageW(list, WM_KEYDOWN, key, 0);
        PaintPending(window);
    });
    ::SendMessageW(list, WM_KEYUP, key, 0);
    PumpMessages();
    return seconds;
}

// Down moves the focused row one row on; End goes to the last row, Home (not
// measured) back to the top for the next run.
// One step of a drag of the window's corner: the window a few pixels wider and taller,
// or back, laid out and painted. The bare window only sizes its list to its client
// area, as the main window did before it could be resized.
void MeasureResize(FigureTable& table, Session& session, int items, int runs)
{
    Progress("a step of a resize, " + Grouped(items) + " items");
    FigureTable::Row& row = table.AddRow("A step of a resize, " + Grouped(items) + " items: laid out and painted",
                                         "the bare window, its list sized to it, painted");
    const HWND window = session.window->m_hWnd;
    const HWND bare = session.bare->Dialog();
    const HWND bareList = session.bare->List();
    auto resize = [](HWND target, HWND list, int by) {
        CRect frame;
        ::GetWindowRect(target, &frame);
        return TimeOnce([&] {
            ::SetWindowPos(target, nullptr, 0, 0, frame.Width() + by, frame.Height() + by,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            if (list != nullptr) {
                CRect client;
                ::GetClientRect(target, &client);
                ::SetWindowPos(list, nullptr, 0, 62, client.Width(), client.Height() - 63, SWP_NOZORDER);
            }
            ::RedrawWindow(target, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        });
    };
    // Larger than the smallest size first, so that a step back is no smaller.
    resize(window, nullptr, 120);
    resize(bare, bareList, 120);
    int windowSteps = 0;
    int bareSteps = 0;
    Alternate(
        row, runs,
        [&] {
            PumpMessages();
            return resize(window, nullptr, windowSteps++ % 2 == 0 ? 8 : -8);
        },
        [&] {
            PumpMessages();
            return resize(bare, bareList, bareSteps++ % 2 == 0 ? 8 : -8);
        });
    resize(window, nullptr, -120);
    resize(bare, bareList, -120);
}

void MeasureKeys(FigureTable& table, Session& session, int items)
{
    const std::string n = Grouped(items);
    Progress("Down and End keys on " + n + " items (" + std::to_string(kKeyRuns) + " runs)");
    const HWND list = session.List();
    const HWND window = session.window->m_hWnd;
    const HWND bare = session.bare->List();
    const HWND bareWindow = session.bare->Dialog();

    FigureTable::Row& down =
        table.AddRow("Down key on the list, " + n + " items", "the same key to the bare list (its own handling)");
    PressKey(list, window, VK_HOME);
    PressKey(bare, bareWindow, VK_HOME);
    Expect(FocusedRow(list) == 0 && FocusedRow(bare) == 0, "Home did not focus the top row");
    Alternate(
        down, kKeyRuns,
        [&] {
            const int before = FocusedRow(list);
            const double seconds = PressKey(list, window, VK_DOWN);
            Expect(FocusedRow(list) == before + 1, "Down did not move the focus one row on");
            return seconds;
        },
        [&] {
            const int before = FocusedRow(bare);
            const double seconds = PressKey(bare, bareWindow, VK_DOWN);
            Expect(FocusedRow(bare) == before + 1, "Down did not move the bare focus one row on");
            return seconds;
        });

    FigureTable::Row& end =
        table.AddRow("End key on the list (to the last row), " + n + " items", "the same key to the bare list");
    auto toEnd = [](HWND keyList, HWND keyWindow, int last) {
        PressKey(keyList, keyWindow, VK_HOME);
        const double seconds = PressKey(keyList, keyWindow, VK_END);
        Expect(FocusedRow(keyList) == last && TopRow(keyList) > 0, "End did not go to the last row");
        return seconds;
    };
    Alternate(
        end, kKeyRuns, [&] { return toEnd(list, window, RowCount(list) - 1); },
        [&] { return toEnd(bare, bareWindow, RowCount(bare) - 1); });
    PressKey(list, window, VK_HOME);
    PressKey(bare, bareWindow, VK_HOME);
}

// A tap on the mark of row, as the stylus gives it: the pointer there, then the
// button down and up through the queue, until the window has painted.
double TapMark(HWND list, HWND window, int row)
{
    RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
    ::SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
    POINT at = {bounds.left + 8, (bounds.top + bounds.bottom) / 2};
    POINT screen = at;
    ::ClientToScreen(list, &screen);
    ::SetCursorPos(screen.x, screen.y);
    // The list has the keyboard focus already, as it has after a first tap: the
    // two sides' windows take turns, and the activation is not the tap's.
    ::SetFocus(list);
    PumpMessages();
    PaintPending(window);
    const LPARAM where = MAKELPARAM(at.x, at.y);
    const double seconds = TimeOnce([&] {
        ::PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, where);
        ::PostMessageW(list, WM_LBUTTONUP, 0, where);
        PumpMessages();
        PaintPending(window);
    });
    HoldStoreAfterChange(window);
    PumpMessages();
    return seconds;
}

// Taps on the marks of the second to fourth rows in turn: each moves the focus.
void MeasureTap(FigureTable& table, Session& session, int items)
{
    const std::string n = Grouped(items);
    Progress("Taps on " + n + " items (" + std::to_string(kKeyRuns) + " runs)");
    FigureTable::Row& row =
        table.AddRow("Tap on a row's mark, " + n + " items", "the same tap on the bare list (its own handling)");
    auto tapNext = [](HWND list, HWND window, int& taps) {
        const int tapped = 1 + taps++ % 3;
        const double seconds = TapMark(list, window, tapped);
        Expect(FocusedRow(list) == tapped, "a tap did not focus its row");
        return seconds;
    };
    int taps = 0;
    int bareTaps = 0;
    Alternate(
        row, kKeyRuns, [&] { return tapNext(session.List(), session.window->m_hWnd, taps); },
        [&] { return tapNext(session.bare->List(), session.bare->Dialog(), bareTaps); });
}

// ---------------------------------------------------------------------------
// Peak working set, one process per side and size

// The child's part: the list file shown in a fresh window of one side, then this
// process's peak working set printed.
int RunPeakChild(const std::wstring& side, const std::wstring& listFile)
{
    if (side == L"gromble") {
        BenchPrompts prompts;
        std::unique_ptr<BenchWindow> window = CreateMainWindow();
        PaintPending(window->m_hWnd);
        PumpMessages();
        prompts.ChooseFile(listFile);
        SendCommand(prompts, window->m_hWnd, ID_FILE_OPEN);
        Expect(RowCount(ListOf(*window)) > ClosingRowCount, "the child's Open showed no items");
        std::printf("%.0f\n", PeakWorkingSet());
        std::fflush(stdout);
        CloseMainWindow(prompts, window);
    } else {
        BareListWindow window(BareDefaultFont(), 0);
        window.Show(BareReadList(listFile.c_str()));
        PaintPending(window.Dialog());
        PumpMessages();
        Expect(RowCount(window.List()) > 0, "the bare child showed no items");
        std::printf("%.0f\n", PeakWorkingSet());
        std::fflush(stdout);
    }
    return 0;
}

double PeakOfChild(const ScratchRoot& root, const std::wstring& side, const std::wstring& listFile)
{
    // A folder of its own: no system list there at the start, and none left behind.
    const std::wstring folder = root.Path() + L"\\peak-" + side;
    RemoveTree(folder);
    Expect(::CreateDirectoryW(folder.c_str(), nullptr) != FALSE, "cannot create " + Narrow(folder));
    const std::string output = RunSelf(L"--peak " + side + L" \"" + listFile + L"\"", folder);
    RemoveTree(folder);
    const double bytes = std::strtod(output.c_str(), nullptr);
    Expect(bytes > 0.0, "the child printed no peak: " + output);
    return bytes;
}

void MeasurePeaks(FigureTable& table, const ScratchRoot& root, const Session& session)
{
    for (int items : kPeakSizes) {
        const std::string n = Grouped(items);
        Progress("peak working set with " + n + " items open");
        FigureTable::Row& row =
            table.AddRow("Peak working set, " + n + " items opened and painted",
                         "the bare program, " + n + " records shown", FigureTable::Unit::Bytes);
        const std::wstring list = session.ListFile(items);
        if (!FileExists(list))
            WriteListFile(list, items);
        row.gromble.Add(PeakOfChild(root, L"gromble", list));
        row.bare.Add(PeakOfChild(root, L"bare", list));
    }
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
    const LOGFONTW settings = LogFontOf(StartupListFontSettings());
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

    const std::vector<std::wstring> arguments = CommandArguments();
    if (arguments.size() == 4 && arguments[1] == L"--peak")
        return RunPeakChild(arguments[2], arguments[3]);

    std::printf("Gromble figures: the real main window against bare Win32 and C++, side by side.\n");
    std::printf("Measuring:\n");
    std::fflush(stdout);

    // Every window opens where a first start puts it: not where a run before left it.
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Gromble");
    ScratchRoot root;
    BenchPrompts prompts;
    FigureTable table;

    MeasureStartup(table, root);
    for (const ListSize& size : kStartupLists)
        MeasureStartupWithList(table, root, prompts, size);

    {
        Session session(prompts, root.EnterNewFolder(L"commands"));
        session.window = CreateMainWindow();
        session.bare = std::make_unique<BareListWindow>(BareDefaultFont(), kBareLeft);
        Expect(session.bare->Dialog() != nullptr, "the bare dialog could not be created");
        PaintPending(session.window->m_hWnd);
        session.SettleBare();

        MeasureCommands(table, session);
        MeasureStoreAfterChange(table, session, 100000, 3);
        ShowOnBothSides(session, 1000);
        MeasureRepaint(table, session, 1000, kRepaintRuns);
        MeasureMillionCommands(table, session);
        MeasureUndo(table, session);
        MeasureStoreAfterChange(table, session, kMillion.items, 3);
        MeasureLookAtFile(table, session, kMillion.items, 11);
        ShowOnBothSides(session, kMillion.items);
        MeasureRepaint(table, session, kMillion.items, kRepaintRuns);
        MeasureResize(table, session, kMillion.items, kRepaintRuns);
        MeasureKeys(table, session, kMillion.items);
        MeasureTap(table, session, kMillion.items);

        session.bare.reset();
        CloseMainWindow(prompts, session.window);
        MeasurePeaks(table, root, session);
        root.Leave(session.folder);
    }

    MeasureMerge(table, 100000, 5);
    MeasureUndoHistory(table);
    MeasureFittedText(table);

    std::printf("\n");
    table.Print();
    std::printf("\nMedians of the runs; ratio = Gromble / bare. Commands are timed from their WM_COMMAND until it\n"
                "has returned and the window has painted what it left to paint; the store is the system list\n"
                "store at close alone. The bare program keeps its rows in a vector shown by an owner-drawn\n"
                "LVS_OWNERDATA list view. Peaks are PeakWorkingSetSize of a process of each side's own.\n"
                "DrawFittedText figures are per call. Whole run: %.0f s.\n",
                Now() - start);
    std::fflush(stdout);
    return 0;
}
