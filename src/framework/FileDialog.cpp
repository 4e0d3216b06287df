#include "FileDialog.h"

#include "Prompts.h"
#include "Wnd.h"

#include <algorithm>

namespace {

constexpr size_t kPathCapacity = 32768;

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, const wchar_t* defaultExtension, const wchar_t* fileName,
                         DWORD flags, const wchar_t* filter, CWnd* parent)
    : m_bOpenFileDialog(openFileDialog != FALSE),
      m_defaultExtension(defaultExtension),
      m_path(kPathCapacity, L'\0')
{
    // The platform wants the pairs separated by NULs and ended by two.
    const CString barSeparated(filter);
    for (wchar_t ch : barSeparated.str())
        m_platformFilter.push_back(ch == L'|' ? L'\0' : ch);
    m_platformFilter.push_back(L'\0');
    m_platformFilter.push_back(L'\0');
    SetPathName(fileName);

    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_ofn.lpstrFilter = barSeparated.IsEmpty() ? nullptr : m_platformFilter.data();
    m_ofn.nFilterIndex = 1;
    m_ofn.lpstrFile = m_path.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_path.size());
    m_ofn.lpstrDefExt = m_defaultExtension.IsEmpty() ? nullptr : m_defaultExtension.GetString();
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
}

void CFileDialog::SetPathName(const CString& path)
{
    std::fill(m_path.begin(), m_path.end(), L'\0');
    size_t length = std::min(static_cast<size_t>(path.GetLength()), m_path.size() - 1);
    std::copy(path.GetString(), path.GetString() + length, m_path.begin());
}

INT_PTR CFileDialog::DoModal()
{
    return AfxPrompts().ChooseFile(*this);
}

INT_PTR CFileDialog::RunPlatformDialog()
{
    BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}
