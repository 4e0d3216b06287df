// An owning handle of one C runtime stream, opened by its UTF-16 path.
#pragma once

#include <cstdio>

class CFileStream {
public:
    CFileStream() = default;
    // Takes over an open stream.
    explicit CFileStream(std::FILE* stream) : m_stream(stream) {}
    ~CFileStream() { Close(); }
    CFileStream(const CFileStream&) = delete;
    CFileStream& operator=(const CFileStream&) = delete;
    CFileStream(CFileStream&& other) noexcept : m_stream(other.m_stream) { other.m_stream = nullptr; }
    CFileStream& operator=(CFileStream&& other) noexcept;

    // Opens path with a C runtime mode ("rb", "wb"); closes what was open before.
    bool Open(const wchar_t* path, const wchar_t* mode);
    // True when an open stream was closed without an error; a closed one stays closed.
    bool Close();

    bool IsOpen() const { return m_stream != nullptr; }
    std::FILE* Get() const { return m_stream; }

private:
    std::FILE* m_stream = nullptr;
};
