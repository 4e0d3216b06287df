// The system list file on the disk: where it is read from and written to. A file that
// is there but cannot be read whole at the start is never lost: before anything is
// written over it, it is kept beside itself under another name; when even that fails
// it is left alone, and every store goes to a file of another name instead. Every
// store writes the file whole, or leaves it as it was.
#pragma once

#include "../font/ListFontSettings.h"
#include "../list/ItemRows.h"

#include <string>
#include <vector>

class CSystemListDisk {
public:
    // What the start found in the system list's place.
    enum class Found { Nothing, Whole, Damaged, Unreadable };

    // Reads the file at path into items, filled from empty, and settings, which come
    // in with their start-up values; the stores go to path from then on. A file found
    // but not whole is kept before this returns.
    Found Restore(const std::wstring& path, CItemRows& items, ListFontSettings& settings);

    const std::wstring& Path() const { return m_path; }
    // Why the file found could not be read, in the platform's words.
    const std::wstring& Reason() const { return m_reason; }
    // Where the file found at the start is kept; empty when it needed no keeping or
    // could not be kept.
    const std::wstring& KeptAs() const { return m_keptAs; }
    // The file found could not be kept, so no store writes over it.
    bool LeavesFileAlone() const { return !m_elsewhere.empty(); }

    // Writes the list and its font whole into the first place that takes them, or
    // changes nothing on the disk; returns the file written, empty when none was.
    std::wstring Store(const CItemRows& items, const ListFontSettings& font) const;

private:
    Found Read(CItemRows& items, ListFontSettings& settings);
    void Keep();

    std::wstring m_path;
    std::wstring m_reason;
    std::wstring m_keptAs;
    // Where the stores go instead of over a file that could not be kept.
    std::vector<std::wstring> m_elsewhere;
};
