#include "SystemListDisk.h"

#include "FileStream.h"
#include "SafeFileWriter.h"
#include "SystemListFormat.h"

#include <windows.h>

namespace {

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// stem and extension, or with " (2)", " (3)" and so on between them: the first name
// that no file has.
std::wstring FreeName(const std::wstring& stem, const std::wstring& extension)
{
    std::wstring name = stem + extension;
    for (int number = 2; Exists(name); ++number)
        name = stem + L" (" + std::to_wstring(number) + L")" + extension;
    return name;
}

std::wstring SystemMessage(DWORD error)
{
    wchar_t text[512] = L"";
    DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                    text, 512, nullptr);
    while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' '))
        --length;
    if (error == ERROR_SUCCESS || length == 0)
        return L"It could not be opened.";
    return std::wstring(text, length);
}

struct PathParts {
    std::wstring folder;  // with its last backslash
    std::wstring stem;
    std::wstring extension;  // with its dot
};

PathParts SplitPath(const std::wstring& path)
{
    const size_t nameStart = path.find_last_of(L"\\/") + 1;
    size_t stemEnd = path.rfind(L'.');
    if (stemEnd == std::wstring::npos || stemEnd < nameStart)
        stemEnd = path.size();
    return {path.substr(0, nameStart), path.substr(nameStart, stemEnd - nameStart), path.substr(stemEnd)};
}

std::wstring TemporaryFolder()
{
    wchar_t folder[MAX_PATH + 1] = L"";
    DWORD length = ::GetTempPathW(MAX_PATH + 1, folder);
    return length > 0 && length <= MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

}  // namespace

CSystemListDisk::Found CSystemListDisk::Restore(const std::wstring& path, CItemRows& items,
                                                    ListFontSettings& settings)
{
    m_path = path;
    m_seen = StampOf(m_path);
    const Found found = Read(items, settings);
    if (found == Found::Damaged || found == Found::Unreadable)
        Keep();
    return found;
}

CSystemListDisk::Stamp CSystemListDisk::StampOf(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return Stamp();
    const auto wide = [](DWORD high, DWORD low) { return (static_cast<ULONGLONG>(high) << 32) | low; };
    return {true, wide(data.nFileSizeHigh, data.nFileSizeLow),
            wide(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

bool CSystemListDisk::ChangedSinceSeen() const
{
    return !LeavesFileAlone() && !m_path.empty() && !(StampOf(m_path) == m_seen);
}

CSystemListDisk::Found CSystemListDisk::ReadAgain(CItemRows& items, ListFontSettings& settings)
{
    const Stamp before = StampOf(m_path);
    Found found = Read(items, settings);
    // Written meanwhile: what was read may be half of it.
    if (found == Found::Whole && !(StampOf(m_path) == before))
        found = Found::Damaged;
    if (found == Found::Whole || found == Found::Nothing)
        m_seen = before;
    return found;
}

void CSystemListDisk::KeepDamaged()
{
    Keep();
    m_seen = StampOf(m_path);
}

CSystemListDisk::Found CSystemListDisk::Read(CItemRows& items, ListFontSettings& settings)
{
    CFileStream file;
    if (!file.Open(m_path.c_str(), L"rb")) {
        const DWORD error = ::GetLastError();
        if (!Exists(m_path))
            return Found::Nothing;
        m_reason = SystemMessage(error);
        return Found::Unreadable;
    }
    switch (ReadSystemList(file.Get(), items, settings)) {
    case SystemListRead::Whole:
        return Found::Whole;
    case SystemListRead::Damaged:
        return Found::Damaged;
    case SystemListRead::Failed:
        break;
    }
    items.Clear();
    m_reason = L"It could not be read to its end.";
    return Found::Unreadable;
}

void CSystemListDisk::Keep()
{
    const std::wstring kept = FreeName(m_path, L".bak");
    // A copy leaves the file in its place until the first store; a file that cannot
    // be read may still be renamed.
    if (::CopyFileW(m_path.c_str(), kept.c_str(), TRUE) || ::MoveFileExW(m_path.c_str(), kept.c_str(), 0)) {
        m_keptAs = kept;
        return;
    }
    // Beside it, or in the temporary folder when its own folder takes no file.
    const PathParts parts = SplitPath(m_path);
    m_elsewhere.push_back(FreeName(parts.folder + parts.stem + L".new", parts.extension));
    const std::wstring temporary = TemporaryFolder();
    if (!temporary.empty())
        m_elsewhere.push_back(FreeName(temporary + parts.stem + L".new", parts.extension));
}

std::wstring CSystemListDisk::Store(const CItemRows& items, const ListFontSettings& font)
{
    const std::vector<std::wstring> places = m_elsewhere.empty() ? std::vector<std::wstring>{m_path} : m_elsewhere;
    for (const std::wstring& place : places) {
        if (WriteWholeFile(place.c_str(), [&](std::FILE* stream) { return WriteSystemList(stream, items, font); })) {
            if (place == m_path)
                m_seen = StampOf(m_path);
            return place;
        }
    }
    return std::wstring();
}

std::vector<std::wstring> CSystemListDisk::ConflictCopies() const
{
    std::vector<std::wstring> copies;
    if (m_path.empty() || LeavesFileAlone())
        return copies;
    const PathParts parts = SplitPath(m_path);
    // Every name of the three kinds begins with the stem and ends with the extension.
    WIN32_FIND_DATAW found = {};
    HANDLE search = ::FindFirstFileW((parts.folder + parts.stem + L"*" + parts.extension).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return copies;
    do {
        const std::wstring name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || name.size() <= parts.stem.size() + parts.extension.size() ||
            name.compare(name.size() - parts.extension.size(), parts.extension.size(), parts.extension) != 0)
            continue;
        const std::wstring between = name.substr(parts.stem.size(), name.size() - parts.stem.size() - parts.extension.size());
        const bool syncConflict = between.rfind(L".sync-conflict-", 0) == 0;
        const bool conflictedCopy = between.rfind(L" (", 0) == 0 && between.back() == L')' &&
                                    between.find(L"conflicted copy") != std::wstring::npos;
        const bool machineCopy = between.size() > 1 && between[0] == L'-';
        if (syncConflict || conflictedCopy || machineCopy)
            copies.push_back(parts.folder + name);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return copies;
}

bool CSystemListDisk::ReadCopy(const std::wstring& path, CItemRows& items)
{
    CFileStream file;
    ListFontSettings ignored = StartupListFontSettings();
    return file.Open(path.c_str(), L"rb") && ReadSystemList(file.Get(), items, ignored) == SystemListRead::Whole;
}

bool CSystemListDisk::SetMerged(const std::wstring& path)
{
    return ::MoveFileExW(path.c_str(), FreeName(path, L".merged").c_str(), 0) != FALSE;
}
