// The main window with files around it: file commands answered from a script, the
// bytes of files, and the checks that every list command must leave true.
#pragma once

#include "MainWindowTest.h"

#include <string>
#include <vector>

class FileCommandTest : public MainWindowTest {
protected:
    // Runs a file command, its dialog answered with path (an empty path cancels it).
    void RunWithFile(UINT command, const std::wstring& path);
    // The rows above the separator row.
    std::vector<ShownRow> Items() const;
    // The closing rows end the list, and the Total row shows the sum of the prices.
    void ExpectListIsWhole() const;
    // count message boxes were shown, the last a warning with an OK button naming path.
    void ExpectWarningNaming(const std::wstring& path, size_t count = 1) const;
};

std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
// The names in a folder, "." and ".." left out, sorted.
std::vector<std::wstring> FolderEntries(const std::wstring& folder);
// Makes a symbolic link at link to target, a name in the link's folder; false when
// the system cannot.
bool MakeSymbolicLink(const std::wstring& link, const std::wstring& target);
