#include "SystemListStore.h"

#include "../files/SystemListFile.h"
#include "../listview/BulkRowChange.h"
#include "DataFolder.h"

#include <exception>
#include <utility>

namespace {

// A few seconds after the last change, so that a run of changes is written once.
constexpr UINT kStoreDelay = 3000;

}  // namespace

CString CSystemListStore::SystemListPath()
{
    // Fixed at the restore: a file dialog may change the current folder before the store.
    return DataFilePath(SystemListFileName);
}

CSystemListStore::CSystemListStore(CDialog& owner, CShoppingList& list, CItemListCtrl& view)
    : m_owner(owner), m_list(list), m_view(view)
{
}

CSystemListStore::~CSystemListStore()
{
    m_list.RemoveObserver(this);
}

void CSystemListStore::Restore(ListFontSettings& settings)
{
    try {
        CItemRows items;
        const CSystemListKeeper::Found found = m_keeper.Restore(SystemListPath().str(), items, settings);
        m_startNotice = StartNotice(found);
        {
            CBulkRowChange bulk(m_view);
            m_list.ReplaceItems(std::move(items));
        }
        m_list.AddObserver(this);
        m_restored = true;
    } catch (const std::exception&) {
        // Out of memory at the start: the window opens empty and leaves the file alone.
        return;
    }
    if (!m_startNotice.IsEmpty())
        ::PostMessageW(m_owner.m_hWnd, StartNoticeMessage, 0, 0);
}

CString CSystemListStore::StartNotice(CSystemListKeeper::Found found) const
{
    CString text;
    if (found == CSystemListKeeper::Found::Unreadable)
        text = CString(L"Gromble could not read the system list file\n") + m_keeper.Path().c_str() + L"\n" +
               m_keeper.Reason().c_str() + L"\n";
    else if (found == CSystemListKeeper::Found::Damaged)
        text = CString(L"The system list file\n") + m_keeper.Path().c_str() +
               L"\nis damaged: the list holds what could be read of it.\n";
    else
        return text;
    if (m_keeper.LeavesFileAlone())
        return text + L"The file is left as it is: the list goes to another file, named when Gromble closes.";
    return text + L"The file as it was is kept as\n" + m_keeper.KeptAs().c_str();
}

void CSystemListStore::ShowStartNotice()
{
    if (m_startNotice.IsEmpty())
        return;
    const CString notice = m_startNotice;
    m_startNotice.Empty();
    Warn(notice);
}

void CSystemListStore::ListFontChanged()
{
    StoreSoon();
}

void CSystemListStore::OnRowsInserted(int, int)
{
    StoreSoon();
}

void CSystemListStore::OnRowsRemoved(int, int)
{
    StoreSoon();
}

void CSystemListStore::OnRowsChanged(int, int)
{
    StoreSoon();
}

void CSystemListStore::OnRowsReplaced()
{
    StoreSoon();
}

void CSystemListStore::StoreSoon()
{
    m_changed = true;
    ::SetTimer(m_owner.m_hWnd, StoreTimerId, kStoreDelay, nullptr);
}

bool CSystemListStore::OnTimer(UINT_PTR timer)
{
    if (timer != StoreTimerId)
        return false;
    ::KillTimer(m_owner.m_hWnd, StoreTimerId);
    if (m_changed && !StartBackgroundStore())
        StoreSoon();  // the store before is still being written, or memory ran short
    return true;
}

bool CSystemListStore::StartBackgroundStore()
{
    if (!m_restored || m_writer.IsBusy())
        return false;
    try {
        const CSystemListKeeper& keeper = m_keeper;
        const bool started = m_writer.Start([&keeper, items = m_list.Items(), font = m_view.GetListFontSettings()] {
            keeper.Store(items, font);
        });
        if (!started)
            return false;
    } catch (const std::exception&) {
        return false;
    }
    m_changed = false;
    return true;
}

void CSystemListStore::StoreAtClose()
{
    const std::wstring written = StoreNow();
    if (!m_restored || !m_keeper.LeavesFileAlone())
        return;
    try {
        Warn(WhereTheListWent(written));
    } catch (const std::exception&) {
        // The window goes on closing.
    }
}

void CSystemListStore::StoreAtSessionEnd()
{
    StoreNow();
}

std::wstring CSystemListStore::StoreNow()
{
    ::KillTimer(m_owner.m_hWnd, StoreTimerId);
    // An older copy must not land after this one.
    m_writer.Wait();
    if (!m_restored)
        return std::wstring();
    try {
        return m_keeper.Store(m_list.Items(), m_view.GetListFontSettings());
    } catch (const std::exception&) {
        return std::wstring();  // every file stays as it was
    }
}

CString CSystemListStore::WhereTheListWent(const std::wstring& written) const
{
    const CString systemList = CString(L"the system list file\n") + m_keeper.Path().c_str() + L"\n";
    if (written.empty())
        return CString(L"Gromble could not write the list anywhere, and ") + systemList + L"is left as it was.";
    return CString(L"The list was written to\n") + written.c_str() + L"\nwhile " + systemList +
           L"is left as it was, since it could not be read at the start.";
}

void CSystemListStore::Warn(const CString& text)
{
    m_owner.MessageBox(text, L"Warning", MB_OK | MB_ICONEXCLAMATION);
}
