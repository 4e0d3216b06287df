// Writes a file through a temporary file in the same folder, which takes the
// old file's place only once everything is written and on the disk: a failure
// at any point leaves the old file as it was and no temporary file behind. The
// file written is the one that the path finally names: through a symbolic link,
// the file that it points to.
#pragma once

#include "FileStream.h"

#include <windows.h>

#include <exception>
#include <string>

class CSafeFileWriter {
public:
    // Refuses (IsOpen false) a read-only target, a folder, or a folder that is not there.
    explicit CSafeFileWriter(const wchar_t* path);
    // A writer that was not committed removes its temporary file.
    ~CSafeFileWriter();
    CSafeFileWriter(const CSafeFileWriter&) = delete;
    CSafeFileWriter& operator=(const CSafeFileWriter&) = delete;

    bool IsOpen() const { return m_file.IsOpen(); }
    // The temporary file's stream, in binary mode: "\n" is one line feed.
    std::FILE* Stream() const { return m_file.Get(); }
    // Flushes and closes the temporary file and puts it in the target's place.
    bool Commit();

private:
    // The temporary file, beside the target, with these attributes (0 for none).
    bool CreateTemporary(DWORD attributes);
    bool PutInPlace();
    void Discard();

    std::wstring m_target;
    std::wstring m_temporary;
    CFileStream m_file;
};

// Everything that write(FILE*) puts into the file, or nothing changes on the disk;
// write returns false when it failed.
template <class Write>
bool WriteWholeFile(const wchar_t* path, Write write)
{
    try {
        CSafeFileWriter writer(path);
        return writer.IsOpen() && write(writer.Stream()) && writer.Commit();
    } catch (const std::exception&) {
        return false;
    }
}
