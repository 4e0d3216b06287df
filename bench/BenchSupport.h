// What the benchmark's two sides share: a clock, medians, scratch folders, the
// answers to the program's questions, and the printed table.
#pragma once

#include "framework/Prompts.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Seconds on the performance counter.
double Now();
// Seconds that fn takes, once.
double TimeOnce(const std::function<void()>& fn);

// The figures measured for one side of a row: durations in seconds, or sizes in bytes.
class Samples {
public:
    void Add(double value) { m_values.push_back(value); }
    double Median() const;
    int Count() const { return static_cast<int>(m_values.size()); }

private:
    std::vector<double> m_values;
};

// Handles every message waiting in this thread's queue.
void PumpMessages();
// Paints, now, whatever window and its descendants have waiting to be painted.
void PaintPending(HWND window);

// This process's peak working set (PeakWorkingSetSize), in bytes.
double PeakWorkingSet();
// Runs this program again with arguments, in folder as its current folder, and
// returns what it printed once it has ended; Fail when it could not run or failed.
std::string RunSelf(const std::wstring& arguments, const std::wstring& folder);
// This program's command line, split.
std::vector<std::wstring> CommandArguments();

// A folder of the benchmark's own under the temporary folder, removed at the end.
class ScratchRoot {
public:
    ScratchRoot();
    ~ScratchRoot();
    ScratchRoot(const ScratchRoot&) = delete;
    ScratchRoot& operator=(const ScratchRoot&) = delete;

    const std::wstring& Path() const { return m_path; }
    // A new empty folder inside, made the current folder.
    std::wstring EnterNewFolder(const std::wstring& name) const;
    // Makes the root the current folder again and removes folder with all it holds.
    void Leave(const std::wstring& folder) const;

private:
    std::wstring m_path;
    std::wstring m_previous;
};

void RemoveTree(const std::wstring& path);
bool FileExists(const std::wstring& path);
// The whole file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::wstring& path);

// Answers the file dialogs with the paths given in advance and the question of New
// with Yes. Any other message box is a warning the figures must not hide.
class BenchPrompts : public CPrompts {
public:
    BenchPrompts();
    ~BenchPrompts() override;
    BenchPrompts(const BenchPrompts&) = delete;
    BenchPrompts& operator=(const BenchPrompts&) = delete;

    void ChooseFile(const std::wstring& path) { m_paths.push_back(path); }
    // The text of the first unexpected message box or file dialog, empty when none came.
    const std::wstring& Unexpected() const { return m_unexpected; }

    int MessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) override;
    INT_PTR ChooseFile(CFileDialog& dialog) override;

private:
    CPrompts* m_previous;
    std::deque<std::wstring> m_paths;
    std::wstring m_unexpected;
};

// "100,000"
std::string Grouped(long long value);
// "1.84 s", "12.3 ms", "45.6 us"
std::string FormatDuration(double seconds);
// "243.1 MiB"
std::string FormatBytes(double bytes);

// The table that the benchmark prints: one row per measure, Gromble against its
// bare counterpart.
class FigureTable {
public:
    enum class Unit { Seconds, Bytes };
    struct Row {
        std::string measure;
        std::string counterpart;
        Unit unit;
        Samples gromble;
        Samples bare;
    };
    // The row stays where it is while later rows are added.
    Row& AddRow(const std::string& measure, const std::string& counterpart, Unit unit = Unit::Seconds);
    // A Markdown table: medians of both sides, their ratio and the number of runs.
    void Print() const;

private:
    std::deque<Row> m_rows;
};

// Ends the benchmark with a message on stderr.
[[noreturn]] void Fail(const std::string& message);
std::string Narrow(const std::wstring& text);
