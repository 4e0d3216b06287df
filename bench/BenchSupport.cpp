#include "BenchSupport.h"

#include "framework/FileDialog.h"

#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Removed by Fail as well as at the normal end.
std::wstring g_scratchRoot;

}  // namespace

double Now()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / frequency;
}

double TimeOnce(const std::function<void()>& fn)
{
    const double start = Now();
    fn();
    return Now() - start;
}

double Samples::Median() const
{
    if (m_values.empty())
        return 0.0;
    std::vector<double> sorted = m_values;
    std::sort(sorted.begin(), sorted.end());
    const size_t middle = sorted.size() / 2;
    return sorted.size() % 2 == 1 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2.0;
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void PaintPending(HWND window)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---------------------------------------------------------------------------
// Child processes

double PeakWorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters))
        Fail("GetProcessMemoryInfo failed");
    return static_cast<double>(counters.PeakWorkingSetSize);
}

std::vector<std::wstring> CommandArguments()
{
    std::vector<std::wstring> arguments;
    int count = 0;
    wchar_t** split = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (split == nullptr)
        return arguments;
    for (int i = 0; i < count; ++i)
        arguments.push_back(split[i]);
    ::LocalFree(split);
    return arguments;
}

std::string RunSelf(const std::wstring& arguments, const std::wstring& folder)
{
    wchar_t self[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" " + arguments;

    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherited, 0))
        Fail("CreatePipe failed");
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    const BOOL started = ::CreateProcessW(self, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                                          &startup, &process);
    ::CloseHandle(writeEnd);
    if (!started) {
        ::CloseHandle(readEnd);
        Fail("cannot start " + Narrow(commandLine));
    }
    std::string output;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
        output.append(buffer, got);
    ::CloseHandle(readEnd);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    if (exitCode != 0)
        Fail("the child " + Narrow(arguments) + " ended with " + std::to_string(exitCode) + ": " + output);
    return output;
}

// ---------------------------------------------------------------------------
// Folders and files

void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = path + L"\\" + name;
            ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                ::DeleteFileW(child.c_str());
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(path.c_str());
}

bool FileExists(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string ReadBytes(const std::wstring& path)
{
    std::string bytes;
    std::FILE* file = ::_wfopen(path.c_str(), L"rb");
    if (file == nullptr)
        return bytes;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    std::fclose(file);
    return bytes;
}

ScratchRoot::ScratchRoot()
{
    wchar_t temp[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, temp);
    m_path = std::wstring(temp) + L"gromble-bench-" + std::to_wstring(::GetCurrentProcessId());
    RemoveTree(m_path);
    if (!::CreateDirectoryW(m_path.c_str(), nullptr))
        Fail("cannot create the folder " + Narrow(m_path));
    wchar_t current[MAX_PATH] = L"";
    ::GetCurrentDirectoryW(MAX_PATH, current);
    m_previous = current;
    ::SetCurrentDirectoryW(m_path.c_str());
    g_scratchRoot = m_path;
}

ScratchRoot::~ScratchRoot()
{
    ::SetCurrentDirectoryW(m_previous.c_str());
    RemoveTree(m_path);
    g_scratchRoot.clear();
}

std::wstring ScratchRoot::EnterNewFolder(const std::wstring& name) const
{
    const std::wstring folder = m_path + L"\\" + name;
    RemoveTree(folder);
    if (!::CreateDirectoryW(folder.c_str(), nullptr) || !::SetCurrentDirectoryW(folder.c_str()))
        Fail("cannot create the folder " + Narrow(folder));
    return folder;
}

void ScratchRoot::Leave(const std::wstring& folder) const
{
    ::SetCurrentDirectoryW(m_path.c_str());
    RemoveTree(folder);
}

// ---------------------------------------------------------------------------
// Prompts

BenchPrompts::BenchPrompts() : m_previous(AfxSetPrompts(this)) {}

BenchPrompts::~BenchPrompts()
{
    AfxSetPrompts(m_previous);
}

int BenchPrompts::MessageBox(HWND, const wchar_t* text, const wchar_t*, UINT type)
{
    const std::wstring question = text ? text : L"";
    if (question == L"Do you want to clear the list?")
        return IDYES;
    if (m_unexpected.empty())
        m_unexpected = L"message box: " + question;
    return (type & MB_TYPEMASK) == MB_OK ? IDOK : IDNO;
}

INT_PTR BenchPrompts::ChooseFile(CFileDialog& dialog)
{
    if (m_paths.empty()) {
        if (m_unexpected.empty())
            m_unexpected = L"a file dialog that had no answer";
        return IDCANCEL;
    }
    dialog.SetPathName(m_paths.front().c_str());
    m_paths.pop_front();
    return IDOK;
}

// ---------------------------------------------------------------------------
// Text and the table

std::string Narrow(const std::wstring& text)
{
    std::string narrow;
    for (wchar_t ch : text)
        narrow += ch < 128 ? static_cast<char>(ch) : '?';
    return narrow;
}

std::string Grouped(long long value)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), ",");
    return value < 0 ? "-" + digits : digits;
}

std::string FormatDuration(double seconds)
{
    char text[64];
    const double ms = seconds * 1000.0;
    if (seconds >= 1.0)
        std::snprintf(text, sizeof text, "%.2f s", seconds);
    else if (ms >= 100.0)
        std::snprintf(text, sizeof text, "%.0f ms", ms);
    else if (ms >= 10.0)
        std::snprintf(text, sizeof text, "%.1f ms", ms);
    else if (ms >= 1.0)
        std::snprintf(text, sizeof text, "%.2f ms", ms);
    else if (ms * 1000.0 >= 10.0)
        std::snprintf(text, sizeof text, "%.1f us", ms * 1000.0);
    else
        std::snprintf(text, sizeof text, "%.2f us", ms * 1000.0);
    return text;
}

std::string FormatBytes(double bytes)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.1f MiB", bytes / (1024.0 * 1024.0));
    return text;
}

FigureTable::Row& FigureTable::AddRow(const std::string& measure, const std::string& counterpart, Unit unit)
{
    m_rows.push_back(Row{measure, counterpart, unit, {}, {}});
    return m_rows.back();
}

void FigureTable::Print() const
{
    const std::vector<std::string> headings = {"Measure", "Bare counterpart", "Gromble", "Bare", "Ratio", "Runs"};
    std::vector<std::vector<std::string>> cells;
    for (const Row& row : m_rows) {
        const double gromble = row.gromble.Median();
        const double bare = row.bare.Median();
        char ratio[32] = "-";
        if (bare > 0.0) {
            const double value = gromble / bare;
            std::snprintf(ratio, sizeof ratio, value >= 100.0 ? "%.0fx" : value >= 10.0 ? "%.1fx" : "%.2fx", value);
        }
        std::string runs = std::to_string(row.gromble.Count());
        if (row.bare.Count() != row.gromble.Count())
            runs += "/" + std::to_string(row.bare.Count());
        auto format = row.unit == Unit::Bytes ? &FormatBytes : &FormatDuration;
        cells.push_back({row.measure, row.counterpart, format(gromble), format(bare), ratio, runs});
    }
    std::vector<size_t> widths;
    for (const std::string& heading : headings)
        widths.push_back(heading.size());
    for (const auto& line : cells)
        for (size_t c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], line[c].size());

    // Text columns to the left, figures to the right.
    auto printLine = [&](const std::vector<std::string>& line) {
        std::string out = "|";
        for (size_t c = 0; c < line.size(); ++c) {
            const std::string pad(widths[c] - line[c].size(), ' ');
            out += " " + (c < 2 ? line[c] + pad : pad + line[c]) + " |";
        }
        std::printf("%s\n", out.c_str());
    };
    printLine(headings);
    std::string rule = "|";
    for (size_t c = 0; c < widths.size(); ++c)
        rule += c < 2 ? " " + std::string(widths[c], '-') + " |" : " " + std::string(widths[c] - 1, '-') + ": |";
    std::printf("%s\n", rule.c_str());
    for (const auto& line : cells)
        printLine(line);
    std::fflush(stdout);
}

void Fail(const std::string& message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "gromble_bench: %s\n", message.c_str());
    std::fflush(stderr);
    if (!g_scratchRoot.empty()) {
        wchar_t temp[MAX_PATH] = L"";
        ::GetTempPathW(MAX_PATH, temp);
        ::SetCurrentDirectoryW(temp);
        RemoveTree(g_scratchRoot);
    }
    std::exit(1);
}
