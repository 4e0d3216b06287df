#include "SafeFileWriter.h"

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

// A stream that owns handle, or nullptr; the handle is closed either way on failure.
std::FILE* StreamOverHandle(HANDLE handle)
{
    int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (descriptor == -1) {
        ::CloseHandle(handle);
        return nullptr;
    }
    std::FILE* stream = ::_fdopen(descriptor, "wb");
    if (stream == nullptr)
        ::_close(descriptor);
    return stream;
}

}  // namespace

CSafeFileWriter::CSafeFileWriter(const wchar_t* path) : m_target(FullPath(path))
{
    if (m_target.empty())
        return;
    DWORD attributes = ::GetFileAttributesW(m_target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return;
    CreateTemporary();
}

CSafeFileWriter::~CSafeFileWriter()
{
    Discard();
}

bool CSafeFileWriter::CreateTemporary()
{
    // Beside the target, so that the final rename stays within one volume. A store of
    // the system list may be writing on another thread.
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        wchar_t suffix[40];
        ::wsprintfW(suffix, L".~%lx-%x.tmp", ::GetCurrentProcessId(), ++counter);
        std::wstring name = m_target + suffix;
        HANDLE handle = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            if (::GetLastError() == ERROR_FILE_EXISTS || ::GetLastError() == ERROR_ALREADY_EXISTS)
                continue;
            return false;
        }
        m_temporary = name;
        m_file = CFileStream(StreamOverHandle(handle));
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
    if (!::MoveFileExW(m_temporary.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Discard();
        return false;
    }
    m_temporary.clear();
    return true;
}

void CSafeFileWriter::Discard()
{
    m_file.Close();
    if (!m_temporary.empty()) {
        ::DeleteFileW(m_temporary.c_str());
        m_temporary.clear();
    }
}
