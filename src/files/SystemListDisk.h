// The system list file on the disk: where it is read from and written to. A file that
// is there but cannot be read whole at the start is never lost: before anything is
// written over it, it is kept beside itself under another name; when even that fails
// it is left alone, and every store goes to a file of another name instead. Every
// store writes the file whole, or leaves it as it was.
#pragma once

#include "../font/ListFontSettings.h"
#include "../list/ItemRows.h"

#include <windows.h>

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
    // The file written is seen as it is now.
    std::wstring Store(const CItemRows& items, const ListFontSettings& font);

    // The file has changed since it was last read or written here: another program
    // or another machine wrote it. A few calls to the file system. Never while the
    // stores go elsewhere.
    bool ChangedSinceSeen() const;
    // Reads the file as it is now into items, filled from empty, and settings, which
    // come in with their start-up values. Whole only when it was whole and did not
    // change while it was read; then it is seen as it is.
    Found ReadAgain(CItemRows& items, ListFontSettings& settings);

    // The file, read again, stays damaged: it is kept as at the start, and the stores
    // write over it (or go elsewhere when it could not be kept).
    void KeepDamaged();

    // The copies that synchronising services leave beside the file when they could not
    // reconcile two writes: GRSystemList.sync-conflict-<date>-<device>.grl,
    // "GRSystemList (<machine>'s conflicted copy <date>).grl", GRSystemList-<machine>.grl.
    std::vector<std::wstring> ConflictCopies() const;
    // Reads a copy whole into items, filled from empty; false when it is not whole.
    static bool ReadCopy(const std::wstring& path, CItemRows& items);
    // The copy, merged, is kept with ".merged" added to its name, never deleted.
    static bool SetMerged(const std::wstring& path);

private:
    // What the file was when it was last read or written here.
    struct Stamp {
        bool exists = false;
        ULONGLONG size = 0;
        ULONGLONG written = 0;
        bool operator==(const Stamp& other) const
        {
            return exists == other.exists && size == other.size && written == other.written;
        }
    };
    static Stamp StampOf(const std::wstring& path);

    Found Read(CItemRows& items, ListFontSettings& settings);
    void Keep();

    std::wstring m_path;
    std::wstring m_reason;
    std::wstring m_keptAs;
    // Where the stores go instead of over a file that could not be kept.
    std::vector<std::wstring> m_elsewhere;
    Stamp m_seen;
};
