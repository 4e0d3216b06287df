#include "RunningInstance.h"

#include <cstdint>

namespace {

// How long a start waits for the first one's window to appear, and then to answer.
constexpr DWORD kAnswerWait = 3000;

constexpr ULONG_PTR kHandOverTag = 0x47524C31;  // "GRL1"

// A name for the system list file that kernel objects and window properties can
// carry (they take no backslashes, and at most 255 characters): a hash of its path,
// in capitals, as the file system compares names.
CString KeyOf(const CString& systemListPath)
{
    std::wstring path = systemListPath.str();
    if (!path.empty())
        ::CharUpperBuffW(&path[0], static_cast<DWORD>(path.size()));
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (wchar_t ch : path) {
        hash ^= static_cast<std::uint16_t>(ch);
        hash *= 1099511628211ull;
    }
    CString key;
    key.Format(L"Gromble.SystemList.%016llx", static_cast<unsigned long long>(hash));
    return key;
}

}  // namespace

CRunningInstance::CRunningInstance(const CString& systemListPath) : m_key(KeyOf(systemListPath)) {}

CRunningInstance::Outcome CRunningInstance::ClaimOrHandOver(const CString& listFile)
{
    // The first start may still be opening its window, or closing it and about to end.
    for (DWORD start = ::GetTickCount();; ::Sleep(50)) {
        if (m_claim.CreateNew(CString(L"Local\\") + m_key))
            return Claimed;
        if (HWND window = FindAnsweringWindow())
            return HandOverTo(window, listFile) ? HandedOver : NotAnswering;
        if (::GetTickCount() - start >= kAnswerWait)
            return NotAnswering;
    }
}

HWND CRunningInstance::FindAnsweringWindow() const
{
    struct Search {
        const wchar_t* key;
        HWND found;
    } search = {m_key, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (::GetPropW(window, s->key) == nullptr)
                return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool CRunningInstance::HandOverTo(HWND window, const CString& listFile) const
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    ::AllowSetForegroundWindow(process);
    COPYDATASTRUCT data = {kHandOverTag, static_cast<DWORD>((listFile.GetLength() + 1) * sizeof(wchar_t)),
                           const_cast<wchar_t*>(listFile.GetString())};
    DWORD_PTR answer = FALSE;
    return ::SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                                 kAnswerWait, &answer) != 0 &&
           answer == TRUE;
}

void CRunningInstance::MarkWindow(HWND window, const CString& systemListPath)
{
    ::SetPropW(window, KeyOf(systemListPath), reinterpret_cast<HANDLE>(1));
}

void CRunningInstance::UnmarkWindow(HWND window, const CString& systemListPath)
{
    ::RemovePropW(window, KeyOf(systemListPath));
}

bool CRunningInstance::ReadHandOver(const COPYDATASTRUCT& data, CString& listFile)
{
    const DWORD length = data.cbData / sizeof(wchar_t);
    const auto* text = static_cast<const wchar_t*>(data.lpData);
    if (data.dwData != kHandOverTag || length == 0 || data.cbData % sizeof(wchar_t) != 0 || text[length - 1] != L'\0')
        return false;
    listFile = CString(text, static_cast<int>(length - 1));
    return true;
}
