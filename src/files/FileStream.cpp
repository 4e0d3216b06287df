#include "FileStream.h"

CFileStream& CFileStream::operator=(CFileStream&& other) noexcept
{
    if (this != &other) {
        Close();
        m_stream = other.m_stream;
        other.m_stream = nullptr;
    }
    return *this;
}

bool CFileStream::Open(const wchar_t* path, const wchar_t* mode)
{
    Close();
    m_stream = ::_wfopen(path, mode);
    return m_stream != nullptr;
}

bool CFileStream::Close()
{
    if (m_stream == nullptr)
        return false;
    std::FILE* stream = m_stream;
    m_stream = nullptr;
    return std::fclose(stream) == 0;
}
