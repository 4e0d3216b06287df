// The store of the system list after a change, without a window: a timer of the
// test's own stands for the window's, and the test calls OnTimer when it would be up.
#include "support/FileCommandTest.h"

#include "framework/Failure.h"
#include "framework/WorkerThread.h"
#include "mainwnd/SystemListSchedule.h"

#include <stdexcept>

namespace {

class RecordingTimer final : public CTimer {
public:
    void Start(UINT milliseconds) override
    {
        m_running = true;
        m_delay = milliseconds;
    }
    void Stop() override { m_running = false; }
    bool Running() const { return m_running; }
    UINT Delay() const { return m_delay; }

private:
    bool m_running = false;
    UINT m_delay = 0;
};

ItemRow Item(const wchar_t* name, const wchar_t* price)
{
    ItemRow item;
    item.name = name;
    item.quantity = L"2";
    item.location = L"Market";
    item.price = price;
    return item;
}

class SystemListSchedule : public ::testing::Test {
protected:
    std::wstring File() const { return m_folder.File(L"GRSystemList.grl"); }
    // Calls OnTimer as the timer would, though more often, until done() holds; false
    // when it does not within five seconds.
    template <class Done>
    bool TickUntil(Done done)
    {
        for (int tick = 0; tick < 500 && !done(); ++tick) {
            ::Sleep(10);
            m_schedule.OnTimer();
        }
        return done();
    }

    ScratchFolder m_folder;
    TestPrompts m_prompts;  // the user is asked nothing: any question fails the test
    CShoppingList m_list;
    RecordingTimer m_timer;
    CSystemListSchedule m_schedule{m_list, m_timer};
};

TEST_F(SystemListSchedule, AChangeStartsTheTimerAndItsEndWritesACopyOfTheListAndFont)
{
    m_schedule.Restore();
    ASSERT_EQ(m_schedule.Path().str(), File());
    EXPECT_FALSE(m_timer.Running()) << "the restore is no change";
    m_list.AddItem(Item(L"Milk", L"3"));
    ListFontSettings font = StartupListFontSettings();
    font.face = L"Verdana";
    font.height = 12;
    font.weight = FontWeightBold;
    m_schedule.ListFontChanged(font);
    EXPECT_TRUE(m_timer.Running());
    EXPECT_EQ(m_timer.Delay(), 3000u) << "a few seconds, so that a run of changes is written once";
    EXPECT_EQ(ReadBytes(File()), "") << "nothing is written before the timer is up";

    m_schedule.OnTimer();
    EXPECT_TRUE(m_timer.Running()) << "it comes back to look at the store";
    m_list.AddItem(Item(L"Bread", L"2"));  // while the copy is being written
    const std::string milk = "3\n1\nMilk\n2\nMarket\n3\n0\n12 1 0 0 1\nVerdana\n";
    for (int wait = 0; wait < 500 && ReadBytes(File()) != milk; ++wait)
        ::Sleep(10);
    EXPECT_EQ(ReadBytes(File()), milk) << "the rows as they were when the store started";

    EXPECT_TRUE(TickUntil([&] { return !m_timer.Running(); })) << "the change meanwhile is stored, then nothing is due";
    EXPECT_EQ(ReadBytes(File()), "4\n1\nBread\n2\nMarket\n2\n1\nMilk\n2\nMarket\n3\n0\n12 1 0 0 1\nVerdana\n");
    EXPECT_EQ(FolderEntries(m_folder.Path()), std::vector<std::wstring>{L"GRSystemList.grl"});
}

TEST_F(SystemListSchedule, AStoreThatFailsIsTriedAgainUntilTheListLandsWithoutAWord)
{
    const std::string old = "3\n1\nOld\n1\nM\n9\n0\n10 0 0 0 1\nTahoma\n";
    WriteBytes(File(), old);
    ASSERT_TRUE(::SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_READONLY));
    m_schedule.Restore();
    m_list.AddItem(Item(L"Milk", L"3"));
    m_schedule.OnTimer();
    // Each time the timer is up, it waits for the store on the worker, or finds that it
    // failed and starts another: it never stops while the list is not stored.
    for (int tick = 0; tick < 30; ++tick) {
        ::Sleep(10);
        m_schedule.OnTimer();
        ASSERT_TRUE(m_timer.Running()) << "tick " << tick;
    }
    EXPECT_EQ(ReadBytes(File()), old);

    ASSERT_TRUE(::SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_NORMAL));
    const std::string stored = "4\n1\nMilk\n2\nMarket\n3\n1\nOld\n1\nM\n9\n0\n10 0 0 0 1\nTahoma\n";
    EXPECT_TRUE(TickUntil([&] { return ReadBytes(File()) == stored; })) << ReadBytes(File());
    EXPECT_TRUE(TickUntil([&] { return !m_timer.Running(); }));
    EXPECT_TRUE(m_prompts.Questions().empty());
}

// Another machine's write as a synchronising service makes it: the whole file under a
// temporary name, then renamed over the old one.
void WriteAsSyncService(const std::wstring& path, const std::string& bytes)
{
    WriteBytes(path + L".syncing", bytes);
    ASSERT_TRUE(::MoveFileExW((path + L".syncing").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING));
}

const char kMilk[] = "3\n1\nMilk\n2\nMarket\n3\n0\n10 0 0 0 1\nTahoma\n";

class SharedSystemList : public SystemListSchedule {
protected:
    std::wstring Names() const
    {
        std::wstring names;
        for (int row = 0; row < m_list.ItemCount(); ++row)
            names += (row ? L" " : L"") + m_list.Text(row, ColumnName).str();
        return names;
    }
};

TEST_F(SharedSystemList, AFileWrittenElsewhereIsTakenAsItIsOrMergedWithTheChangesWaitingHere)
{
    WriteBytes(File(), kMilk);
    m_schedule.Restore();
    m_schedule.LookAtFile();
    EXPECT_EQ(Names(), L"Milk") << "nothing changed";

    WriteAsSyncService(File(), "4\n1\nBread\n2\nMarket\n2\n1\nMilk\n2\nMarket\n3\n0\n12 0 0 0 1\nVerdana\n");
    m_schedule.LookAtFile();
    EXPECT_EQ(Names(), L"Bread Milk");
    EXPECT_EQ(m_list.Text(m_list.RowCount() - 1, ColumnPrice).str(), L"5");
    EXPECT_EQ(m_schedule.Font().face, L"Verdana") << "the font is the later write's";
    EXPECT_FALSE(m_timer.Running()) << "the file's list is no change to store";

    m_list.AddItem(Item(L"Tea", L"1"));
    m_list.RemoveItem(2);  // Milk
    WriteAsSyncService(File(), "5\n1\nEggs\n2\nMarket\n4\n1\nBread\n2\nMarket\n2\n1\nMilk\n2\nMarket\n3\n0\n"
                               "12 0 0 0 1\nVerdana\n");
    m_schedule.LookAtFile();
    EXPECT_EQ(Names(), L"Eggs Tea Bread");
    EXPECT_TRUE(TickUntil([&] { return !m_timer.Running(); }));
    EXPECT_EQ(ReadBytes(File()), "5\n1\nEggs\n2\nMarket\n4\n1\nTea\n2\nMarket\n1\n1\nBread\n2\nMarket\n2\n0\n"
                                 "12 0 0 0 1\nVerdana\n");
}

// Two machines start on an empty list; each adds an item; the other's store comes
// first. Neither store writes over the other's item.
TEST_F(SharedSystemList, AStoreFirstTakesInWhatAnotherMachineWroteSinceTheLastLook)
{
    m_schedule.Restore();
    m_list.AddItem(Item(L"Apples", L"1"));
    WriteBytes(File(), "3\n1\nBread\n2\nMarket\n2\n0\n10 0 0 0 1\nTahoma\n");
    EXPECT_TRUE(TickUntil([&] { return !m_timer.Running(); }));
    EXPECT_EQ(Names(), L"Apples Bread");
    EXPECT_EQ(ReadBytes(File()), "4\n1\nApples\n2\nMarket\n1\n1\nBread\n2\nMarket\n2\n0\n10 0 0 0 1\nTahoma\n");

    WriteBytes(File(), "3\n1\nApples\n2\nMarket\n1\n0\n10 0 0 0 1\nTahoma\n");
    m_list.AddItem(Item(L"Tea", L"1"));
    m_schedule.StoreAtClose();
    EXPECT_EQ(ReadBytes(File()), "4\n1\nTea\n2\nMarket\n1\n1\nApples\n2\nMarket\n1\n0\n10 0 0 0 1\nTahoma\n")
        << "the close as well: Bread was deleted elsewhere";
}

TEST_F(SharedSystemList, AConflictCopyIsMergedInAndKeptUnderAnotherName)
{
    WriteBytes(File(), kMilk);
    const std::wstring copy = m_folder.File(L"GRSystemList.sync-conflict-20261211-093000-LAPTOP.grl");
    WriteBytes(copy, "4\n1\nSalt\n1\nShop\n1\n1\nMilk\n2\nMarket\n3\n0\n10 0 0 0 1\nTahoma\n");
    m_schedule.Restore();
    EXPECT_EQ(Names(), L"Salt Milk") << "at the start";
    EXPECT_EQ(ReadBytes(copy + L".merged").substr(0, 2), "4\n");

    WriteBytes(m_folder.File(L"GRSystemList (Ann's conflicted copy 2026-12-11).grl"),
               "3\n1\nRice\n1\nShop\n2\n0\n10 0 0 0 1\nTahoma\n");
    WriteBytes(m_folder.File(L"GRSystemList-KITCHEN.grl"), "3\n1\nBad");  // not whole: left alone
    m_schedule.LookAtFile();
    EXPECT_EQ(Names(), L"Rice Salt Milk") << "while it runs";
    EXPECT_EQ(FolderEntries(m_folder.Path()),
              (std::vector<std::wstring>{L"GRSystemList (Ann's conflicted copy 2026-12-11).grl.merged",
                                         L"GRSystemList-KITCHEN.grl", L"GRSystemList.grl",
                                         L"GRSystemList.sync-conflict-20261211-093000-LAPTOP.grl.merged"}));
    EXPECT_TRUE(m_timer.Running()) << "what came in is stored";
}

TEST_F(SharedSystemList, AFileLeftDamagedElsewhereIsNeverMergedButKeptAndWrittenOver)
{
    WriteBytes(File(), kMilk);
    m_schedule.Restore();
    const std::string damaged = "4\n1\nBread\n2\nMar";
    WriteBytes(File(), damaged);
    m_schedule.LookAtFile();
    EXPECT_FALSE(m_schedule.HasFileNotice()) << "it may be halfway through being written";
    ::Sleep(1100);
    m_schedule.LookAtFile();
    EXPECT_EQ(Names(), L"Milk");
    ASSERT_TRUE(m_schedule.HasFileNotice());
    const std::wstring notice = m_schedule.TakeFileNotice().str();
    EXPECT_NE(notice.find(L"kept as\n" + File() + L".bak"), std::wstring::npos) << Narrow(notice);
    EXPECT_EQ(ReadBytes(File() + L".bak"), damaged);
    EXPECT_TRUE(TickUntil([&] { return ReadBytes(File()) == kMilk; }));
    EXPECT_TRUE(m_prompts.Questions().empty());
}

TEST(WorkerThread, HandsBackWhatItsJobThrewOnceItHasEnded)
{
    CWorkerThread worker;
    HANDLE go = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_TRUE(worker.Start([go] {
        ::WaitForSingleObject(go, INFINITE);
        throw std::runtime_error("the disk is gone");
    }));
    EXPECT_TRUE(worker.IsBusy());
    EXPECT_FALSE(worker.Start([] {})) << "one job at a time";
    EXPECT_EQ(worker.TakeFailure(), nullptr) << "the job still runs";
    ::SetEvent(go);
    worker.Wait();
    ::CloseHandle(go);
    const std::exception_ptr failure = worker.TakeFailure();
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(DescribeFailure(failure).what, L"the disk is gone");
    EXPECT_EQ(worker.TakeFailure(), nullptr) << "handed over once";

    ASSERT_TRUE(worker.Start([] { throw std::runtime_error("again"); }));
    worker.Wait();
    ASSERT_TRUE(worker.Start([] {}));
    worker.Wait();
    EXPECT_EQ(worker.TakeFailure(), nullptr) << "a failure left untaken goes with the next job";
}

}  // namespace
