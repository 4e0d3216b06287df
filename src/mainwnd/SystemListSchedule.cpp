#include "SystemListSchedule.h"

#include "../files/SystemListFormat.h"
#include "../list/ListMerge.h"
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
// A file that another machine is writing is whole again within this time; one that
// stays damaged longer is damaged.
constexpr DWORD kHalfWrittenWait = 1000;

}  // namespace

CString CSystemListSchedule::SystemListPath()
{
    // Fixed at the restore: a file dialog may change the current folder before the store.
    return DataFilePath(SystemListFileName);
}

CString CSystemListSchedule::Folder() const
{
    const std::wstring& path = m_disk.Path();
    return CString(path.substr(0, path.find_last_of(L"\\/") + 1).c_str());
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
        m_fileNotice = StartNotice(found);
        m_shoppingList.ReplaceItems(std::move(items));
        m_shoppingList.ForgetHistory();
        m_font = std::move(font);
    } catch (const std::exception&) {
        // Out of memory at the start: the window opens empty and leaves the file alone.
        return StartupListFontSettings();
    }
    m_shoppingList.AddObserver(this);
    m_restored = true;
    // A copy that fails leaves the base empty: a merge then counts nothing as deleted.
    m_copyingBase = m_writer.Start([this] {
        CItemRows base = m_shoppingList.Items();
        m_base = std::move(base);
    });
    try {
        TakeInConflictCopies();
    } catch (const std::exception&) {
        // Out of memory: the copies stay for the next look.
    }
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
    return text + KeptFileNotice();
}

CString CSystemListSchedule::DamagedFileNotice(CSystemListDisk::Found found) const
{
    const CString what = found == CSystemListDisk::Found::Unreadable
                             ? CString(L"\ncannot be read since it was written elsewhere: ") + m_disk.Reason().c_str()
                             : CString(L"\nwas written damaged elsewhere.");
    return CString(L"The system list file\n") + m_disk.Path().c_str() + what +
           L"\nThe list stays as it is here and is stored again.\n" + KeptFileNotice();
}

CString CSystemListSchedule::KeptFileNotice() const
{
    if (m_disk.LeavesFileAlone())
        return L"The file is left as it is: the list goes to another file, named when Gromble closes.";
    return CString(L"The file as it was is kept as\n") + m_disk.KeptAs().c_str();
}

CString CSystemListSchedule::TakeFileNotice()
{
    return std::exchange(m_fileNotice, CString());
}

void CSystemListSchedule::ListFontChanged(const ListFontSettings& font)
{
    m_font = font;
    m_fontChanged = true;
    StoreSoon();
}

void CSystemListSchedule::StoreSoon()
{
    if (!m_restored || m_takingInFile)
        return;
    m_changed = true;
    m_timer.Start(kStoreDelay);
}

void CSystemListSchedule::OnRowsChanging()
{
    EndBaseCopy();
}

void CSystemListSchedule::EndBaseCopy()
{
    if (m_copyingBase)
        WaitForWorker();
}

void CSystemListSchedule::WaitForWorker()
{
    m_writer.Wait();
    m_copyingBase = false;
}

void CSystemListSchedule::OnTimer()
{
    m_timer.Stop();
    EndBaseCopy();
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
        TakeInOtherWrites();
        m_writing = m_shoppingList.Items();
        const bool started = m_writer.Start([this, font = m_font] { m_backgroundWritten = m_disk.Store(m_writing, font); });
        if (!started)
            return false;
    } catch (const std::exception&) {
        return false;
    }
    m_changed = false;
    m_fontChanged = false;
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
        m_base = std::move(m_writing);
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
    WaitForWorker();
    m_backgroundPending = false;
    m_writer.TakeFailure();
    if (!m_restored)
        return std::wstring();
    try {
        TakeInOtherWrites();
        return m_disk.Store(m_shoppingList.Items(), m_font);
    } catch (const std::exception&) {
        return std::wstring();  // every file stays as it was
    }
}

void CSystemListSchedule::LookAtFile()
{
    EndBaseCopy();
    if (!m_restored || m_writer.IsBusy())
        return;
    // A store that has just been written is the base of what comes next.
    TakeBackgroundResult();
    TakeInConflictCopies();
    if (!m_disk.ChangedSinceSeen())
        return;
    CItemRows theirs;
    ListFontSettings theirFont = StartupListFontSettings();
    const CSystemListDisk::Found found = m_disk.ReadAgain(theirs, theirFont);
    if (found == CSystemListDisk::Found::Damaged || found == CSystemListDisk::Found::Unreadable) {
        TakeInDamagedFile(found);
        return;
    }
    m_damagedSince = 0;
    if (found == CSystemListDisk::Found::Nothing) {
        // Removed elsewhere: a list is not emptied for that; it is written again.
        StoreSoon();
        return;
    }
    TakeIn(theirs);
    m_base = std::move(theirs);
    // The list font is the later write's: the file's, unless it was changed here since.
    if (!m_fontChanged)
        m_font = theirFont;
    if (m_changed)
        StoreSoon();
}

void CSystemListSchedule::TakeInDamagedFile(CSystemListDisk::Found found)
{
    const DWORD now = ::GetTickCount();
    if (m_damagedSince == 0) {
        m_damagedSince = now | 1;
        return;
    }
    if (now - m_damagedSince < kHalfWrittenWait)
        return;
    m_damagedSince = 0;
    m_disk.KeepDamaged();
    m_fileNotice = DamagedFileNotice(found);
    StoreSoon();
}

void CSystemListSchedule::MoveTo(const std::wstring& path)
{
    if (!m_restored)
        return;
    m_timer.Stop();
    WaitForWorker();
    TakeBackgroundResult();
    CSystemListDisk disk;
    CItemRows theirs;
    ListFontSettings theirFont = StartupListFontSettings();
    const CSystemListDisk::Found found = disk.Restore(path, theirs, theirFont);
    m_disk = std::move(disk);
    m_fileNotice = StartNotice(found);
    m_damagedSince = 0;
    // Two lists that share nothing: every row of both is kept, the same rows once.
    m_base.Clear();
    if (found == CSystemListDisk::Found::Whole) {
        TakeIn(theirs);
        m_base = std::move(theirs);
    }
    TakeInConflictCopies();
    StoreSoon();
}

void CSystemListSchedule::TakeIn(const CItemRows& theirs)
{
    TakeIn(m_base, theirs);
}

void CSystemListSchedule::TakeIn(const CItemRows& base, const CItemRows& theirs)
{
    MergedRows merged = MergeRows(base, m_shoppingList.Items(), theirs);
    m_takingInFile = true;
    try {
        m_shoppingList.ReplaceItems(std::move(merged.rows), merged.whereMineWent);
    } catch (...) {
        m_takingInFile = false;
        throw;
    }
    m_takingInFile = false;
}

void CSystemListSchedule::TakeInConflictCopies()
{
    for (const std::wstring& copy : m_disk.ConflictCopies()) {
        CItemRows theirs;
        if (!CSystemListDisk::ReadCopy(copy, theirs))
            continue;
        // Where a copy parted from the file is not known: nothing counts as deleted in it.
        TakeIn(CItemRows(), theirs);
        CSystemListDisk::SetMerged(copy);
        StoreSoon();
    }
}

void CSystemListSchedule::TakeInOtherWrites()
{
    // A file that another machine is halfway through writing gets a moment to end;
    // one that stays damaged is kept before it is written over.
    constexpr DWORD kPause = 100;
    const DWORD start = ::GetTickCount();
    while (m_disk.ChangedSinceSeen()) {
        LookAtFile();
        if (!m_disk.ChangedSinceSeen() || ::GetTickCount() - start > 2 * kHalfWrittenWait)
            break;
        ::Sleep(kPause);
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
