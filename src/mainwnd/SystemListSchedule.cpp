#include "SystemListSchedule.h"

#include "../files/SystemListFormat.h"
#include "DataFolder.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace {

// A few seconds after the last change, so that a run of changes is written once; and
// as long again before a store that is being written is looked at.
constexpr UINT kStoreDelay = 3000;
// A store that fails again and again is tried again less and less often: each try
// copies the rows, which holds up the window for a long list.
constexpr UINT kLongestRetryDelay = 60000;

}  // namespace

CString CSystemListSchedule::SystemListPath()
{
    // Fixed at the restore: a file dialog may change the current folder before the store.
    return DataFilePath(SystemListFileName);
}

CSystemListSchedule::CSystemListSchedule(CShoppingList& list, CTimer& timer) : m_shoppingList(list), m_timer(timer) {}

CSystemListSchedule::~CSystemListSchedule()
{
    m_shoppingList.RemoveObserver(this);
}

ListFontSettings CSystemListSchedule::Restore()
{
    try {
        CItemRows items;
        ListFontSettings font = StartupListFontSettings();
        const CSystemListDisk::Found found = m_disk.Restore(SystemListPath().str(), items, font);
        m_startNotice = StartNotice(found);
        m_shoppingList.ReplaceItems(std::move(items));
        m_font = std::move(font);
    } catch (const std::exception&) {
        // Out of memory at the start: the window opens empty and leaves the file alone.
        return StartupListFontSettings();
    }
    m_shoppingList.AddObserver(this);
    m_restored = true;
    return m_font;
}

CString CSystemListSchedule::StartNotice(CSystemListDisk::Found found) const
{
    CString text;
    if (found == CSystemListDisk::Found::Unreadable)
        text = CString(L"Gromble could not read the system list file\n") + m_disk.Path().c_str() + L"\n" +
               m_disk.Reason().c_str() + L"\n";
    else if (found == CSystemListDisk::Found::Damaged)
        text = CString(L"The system list file\n") + m_disk.Path().c_str() +
               L"\nis damaged: the list holds what could be read of it.\n";
    else
        return text;
    if (m_disk.LeavesFileAlone())
        return text + L"The file is left as it is: the list goes to another file, named when Gromble closes.";
    return text + L"The file as it was is kept as\n" + m_disk.KeptAs().c_str();
}

CString CSystemListSchedule::TakeStartNotice()
{
    return std::exchange(m_startNotice, CString());
}

void CSystemListSchedule::ListFontChanged(const ListFontSettings& font)
{
    m_font = font;
    StoreSoon();
}

void CSystemListSchedule::StoreSoon()
{
    if (!m_restored)
        return;
    m_changed = true;
    m_timer.Start(kStoreDelay);
}

void CSystemListSchedule::OnTimer()
{
    m_timer.Stop();
    if (m_writer.IsBusy()) {
        m_timer.Start(kStoreDelay);
        return;
    }
    if (TakeBackgroundResult() == StoreResult::Failed && m_failedStores > 1) {
        // The first failure is tried again at once; then after longer and longer waits.
        const UINT doublings = std::min(m_failedStores - 1, 5u);
        m_timer.Start(std::min(kStoreDelay << doublings, kLongestRetryDelay));
        return;
    }
    if (m_changed && !StartBackgroundStore())
        m_timer.Start(kStoreDelay);  // memory ran short, or no thread could start
}

bool CSystemListSchedule::StartBackgroundStore()
{
    if (!m_restored || m_writer.IsBusy())
        return false;
    try {
        const bool started = m_writer.Start([this, items = m_shoppingList.Items(), font = m_font] {
            m_backgroundWritten = m_disk.Store(items, font);
        });
        if (!started)
            return false;
    } catch (const std::exception&) {
        return false;
    }
    m_changed = false;
    m_backgroundPending = true;
    // Looked at once it has been written: a store that failed is tried again.
    m_timer.Start(kStoreDelay);
    return true;
}

CSystemListSchedule::StoreResult CSystemListSchedule::TakeBackgroundResult()
{
    if (!m_backgroundPending)
        return StoreResult::None;
    m_backgroundPending = false;
    const bool failed = m_writer.TakeFailure() != nullptr || m_backgroundWritten.empty();
    if (!failed) {
        m_failedStores = 0;
        return StoreResult::Written;
    }
    ++m_failedStores;
    m_changed = true;
    return StoreResult::Failed;
}

CString CSystemListSchedule::StoreAtClose()
{
    const std::wstring written = StoreNow();
    if (!m_restored || !m_disk.LeavesFileAlone())
        return CString();
    return WhereTheListWent(written);
}

void CSystemListSchedule::StoreAtSessionEnd()
{
    StoreNow();
}

std::wstring CSystemListSchedule::StoreNow()
{
    m_timer.Stop();
    // An older copy must not land after this one.
    m_writer.Wait();
    m_backgroundPending = false;
    m_writer.TakeFailure();
    if (!m_restored)
        return std::wstring();
    try {
        return m_disk.Store(m_shoppingList.Items(), m_font);
    } catch (const std::exception&) {
        return std::wstring();  // every file stays as it was
    }
}

CString CSystemListSchedule::WhereTheListWent(const std::wstring& written) const
{
    const CString systemList = CString(L"the system list file\n") + m_disk.Path().c_str() + L"\n";
    if (written.empty())
        return CString(L"Gromble could not write the list anywhere, and ") + systemList + L"is left as it was.";
    return CString(L"The list was written to\n") + written.c_str() + L"\nwhile " + systemList +
           L"is left as it was, since it could not be read at the start.";
}
