#include "FileCommandTest.h"

#include "list/RunningTotal.h"

#include <algorithm>
#include <fstream>

void FileCommandTest::RunWithFile(UINT command, const std::wstring& path)
{
    m_prompts->ChooseFile(path);
    SendCommand(command);
}

std::vector<ShownRow> FileCommandTest::Items() const
{
    std::vector<ShownRow> rows = Rows();
    rows.resize(rows.size() >= 2 ? rows.size() - 2 : 0);
    return rows;
}

void FileCommandTest::ExpectListIsWhole() const
{
    std::vector<ShownRow> rows = Rows();
    ASSERT_GE(rows.size(), 2u) << "the closing rows are missing";
    EXPECT_EQ(rows[rows.size() - 2], Separator());
    long long sum = 0;
    for (size_t row = 0; row + 2 < rows.size(); ++row) {
        EXPECT_NE(rows[row].name, L"Total:") << "a closing row stands among the items at " << row;
        sum += PriceValue(rows[row].price.c_str());
    }
    EXPECT_EQ(rows.back(), Total(std::to_wstring(sum)));
}

void FileCommandTest::ExpectWarningNaming(const std::wstring& path, size_t count) const
{
    ASSERT_EQ(m_prompts->Questions().size(), count);
    const TestPrompts::Question& question = m_prompts->Questions().back();
    EXPECT_EQ(question.caption, L"Warning");
    EXPECT_EQ(question.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_NE(question.text.find(path), std::wstring::npos) << "the warning does not name the file";
}

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary | std::ios::ate);
    std::string bytes(file ? static_cast<size_t>(file.tellg()) : 0, '\0');
    file.seekg(0);
    file.read(&bytes[0], static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
    ASSERT_TRUE(file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) << "cannot write a test file";
}

std::vector<std::wstring> FolderEntries(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool MakeSymbolicLink(const std::wstring& link, const std::wstring& target)
{
    constexpr DWORD kUnprivileged = 0x2;  // SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
    if (::CreateSymbolicLinkW(link.c_str(), target.c_str(), kUnprivileged) &&
        ::GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    // Wine's CreateSymbolicLinkW creates nothing, but Wine starts a program of its
    // system as it starts a Windows one.
    const size_t slash = link.rfind(L'\\');
    const std::wstring folder = link.substr(0, slash);
    std::wstring command = L"ln -s \"" + target + L"\" \"" + link.substr(slash + 1) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessW(L"Z:\\bin\\ln", &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                          &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    // Wine counts such a program as ended once it has started it: wait for the link.
    for (int wait = 0; wait < 500; ++wait) {
        if (::GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        ::Sleep(10);
    }
    return false;
}
