#include "SafeFileWriter.h"

#include "../framework/FileHandle.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <atomic>
#include <vector>

namespace {

std::wstring FullPath(const wchar_t* path)
{
    DWORD needed = ::GetFullPathNameW(path, 0, nullptr, nullptr);
    if (needed == 0)
        return std::wstring();
    std::vector<wchar_t> buffer(needed, L'\0');
    DWORD length = ::GetFullPathNameW(path, needed, buffer.data(), nullptr);
    if (length == 0 || length >= needed)
        return std::wstring();
    return std::wstring(buffer.data(), length);
}

// The same path in the form that no length limit applies to.
std::wstring LongPathForm(const std::wstring& fullPath)
{
    if (fullPath.compare(0, 4, L"\\\\?\\") == 0 || fullPath.compare(0, 4, L"\\\\.\\") == 0)
        return fullPath;
    if (fullPath.compare(0, 2, L"\\\\") == 0)
        return L"\\\\?\\UNC\\" + fullPath.substr(2);
    return L"\\\\?\\" + fullPath;
}

// The file that path finally names, through every symbolic link, in the long form;
// a path that names no file yet, as it stands.
std::wstring FinalPath(const std::wstring& path)
{
    CFileHandle file;
    if (!file.Create(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING,
                     FILE_FLAG_BACKUP_SEMANTICS))
        return path;
    std::vector<wchar_t> buffer(MAX_PATH);
    DWORD length = ::GetFinalPathNameByHandleW(file.GetSafeHandle(), buffer.data(), static_cast<DWORD>(buffer.size()), 0);
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = ::GetFinalPathNameByHandleW(file.GetSafeHandle(), buffer.data(), static_cast<DWORD>(buffer.size()), 0);
    }
    return length == 0 || length >= buffer.size() ? path : std::wstring(buffer.data(), length);
}

// A stream that owns the file, or nullptr; the file is closed either way on failure.
std::FILE* StreamOverFile(CFileHandle& file)
{
    int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(file.GetSafeHandle()), _O_WRONLY | _O_BINARY);
    if (descriptor == -1)
        return nullptr;
    file.Detach();  // the descriptor owns it now
    std::FILE* stream = ::_fdopen(descriptor, "wb");
    if (stream == nullptr)
        ::_close(descriptor);
    return stream;
}

}  // namespace

CSafeFileWriter::CSafeFileWriter(const wchar_t* path)
{
    const std::wstring fullPath = FullPath(path);
    if (fullPath.empty())
        return;
    m_target = FinalPath(LongPathForm(fullPath));
    const DWORD attributes = ::GetFileAttributesW(m_target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return;
    // The new file starts with the old one's attributes: not every ReplaceFileW carries
    // them over (Wine's does not).
    CreateTemporary(exists ? attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE) : 0);
}

CSafeFileWriter::~CSafeFileWriter()
{
    Discard();
}

bool CSafeFileWriter::CreateTemporary(DWORD attributes)
{
    // Beside the target, so that the final rename stays within one volume, and under
    // a short name, which the folder takes whatever the length of the target's. A
    // store of the system list may be writing on another thread.
    const std::wstring folder = m_target.substr(0, m_target.rfind(L'\\') + 1);
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        wchar_t name[24];
        ::wsprintfW(name, L"~gr%04x%04x.tmp", ::GetCurrentProcessId() & 0xffff, ++counter & 0xffff);
        CFileHandle file;
        if (!file.Create((folder + name).c_str(), GENERIC_WRITE, 0, CREATE_NEW,
                         attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL)) {
            if (::GetLastError() == ERROR_FILE_EXISTS || ::GetLastError() == ERROR_ALREADY_EXISTS)
                continue;
            return false;
        }
        m_temporary = folder + name;
        m_file = CFileStream(StreamOverFile(file));
        if (!m_file.IsOpen())
            Discard();
        return m_file.IsOpen();
    }
    return false;
}

bool CSafeFileWriter::Commit()
{
    if (!m_file.IsOpen())
        return false;
    std::FILE* stream = m_file.Get();
    bool written = std::fflush(stream) == 0 && std::ferror(stream) == 0;
    if (written) {
        HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
        written = ::FlushFileBuffers(handle) != FALSE;
    }
    bool closed = m_file.Close();
    if (!written || !closed) {
        Discard();
        return false;
    }
    if (!PutInPlace()) {
        Discard();
        return false;
    }
    m_temporary.clear();
    return true;
}

bool CSafeFileWriter::PutInPlace()
{
    // ReplaceFileW keeps the old file's attributes, owner and security; it takes only a
    // file that is there. Where it fails halfway it leaves the temporary file, which
    // then takes the target's place as a new file would.
    if (::ReplaceFileW(m_target.c_str(), m_temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                       nullptr))
        return true;
    return ::MoveFileExW(m_temporary.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           FALSE;
}

void CSafeFileWriter::Discard()
{
    m_file.Close();
    if (!m_temporary.empty()) {
        ::DeleteFileW(m_temporary.c_str());
        m_temporary.clear();
    }
}
