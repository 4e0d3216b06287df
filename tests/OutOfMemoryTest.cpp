#include "support/FailingAllocation.h"
#include "support/FileCommandTest.h"

#include "res/resource.h"

#include <functional>

namespace {

class OutOfMemory : public FileCommandTest {
protected:
    void SetUp() override
    {
        FileCommandTest::SetUp();
        m_prompts->AcceptNotices();
        PutItem({1, L"Milk", L"1", L"Market", L"3"});
        PutItem({0, L"Bread", L"2", L"Bakery", L"2"});
        WriteBytes(m_folder->File(L"list.grl"), "4\n1\nTea\n1\nShop\n5\n0\nSalt\n1\nMarket\n1\n");
    }

    // Runs command (IDC_ADD: a tap on the button), made ready by prepare, with each of
    // its allocations failing in turn, from the first on, until it runs whole. Each
    // time it stops, a Warning says so and the rows are as they were; a failure that
    // it gets over (a paint, which comes again) must let it end as it does without
    // one. Every command here changes the rows.
    void ExpectEveryStopToLeaveTheList(const char* what, const std::function<void()>& prepare, UINT command)
    {
        SCOPED_TRACE(what);
        for (long skipped = 0;; ++skipped) {
            const std::vector<ShownRow> before = Rows();
            const size_t told = Notices();
            prepare();
            bool reached = false;
            {
                FailingAllocation failing(skipped);
                if (command == IDC_ADD)
                    TapAddButton();
                else
                    SendCommand(command);
                reached = failing.Reached();
            }
            if (!reached)
                return;
            if (Notices() == told) {
                EXPECT_NE(Rows(), before) << "allocation " << skipped << " stopped it without a word";
                return;
            }
            ASSERT_EQ(Rows(), before) << "allocation " << skipped << " stopped it halfway";
            EXPECT_EQ(m_prompts->Questions().back().caption, L"Warning");
        }
    }
    // The message boxes shown with an OK button alone.
    size_t Notices() const
    {
        size_t notices = 0;
        for (const TestPrompts::Question& question : m_prompts->Questions())
            notices += (question.type & MB_TYPEMASK) == MB_OK ? 1 : 0;
        return notices;
    }
    void ChooseListFile()
    {
        if (m_prompts->PendingFileChoices() == 0)
            m_prompts->ChooseFile(m_folder->File(L"list.grl"));
    }
};

TEST_F(OutOfMemory, ACommandThatRunsOutWarnsAndLeavesTheListAsItWas)
{
    ExpectEveryStopToLeaveTheList("Add", [this] { SetFieldText(IDC_ITEM, L"Eggs"); }, IDC_ADD);
    FocusRow(1);
    SendCommand(ID_ITEM_EDIT);
    ExpectEveryStopToLeaveTheList("Apply", [this] { SetFieldText(IDC_PRICE, L"12"); }, IDC_ADD);
    ExpectEveryStopToLeaveTheList("Bottom", [this] { FocusRow(0); }, ID_ITEM_BOTTOM);
    ExpectEveryStopToLeaveTheList(
        "Delete",
        [this] {
            FocusRow(0);
            if (m_prompts->PendingAnswers() == 0)
                m_prompts->Answer(IDYES);
        },
        ID_ITEM_DELETE);
    ExpectEveryStopToLeaveTheList("Attach", [this] { ChooseListFile(); }, ID_FILE_ATTACH);
    ExpectEveryStopToLeaveTheList("Open", [this] { ChooseListFile(); }, ID_FILE_OPEN);
    EXPECT_EQ(Items(), (std::vector<ShownRow>{{1, L"Tea", L"1", L"Shop", L"5"}, {0, L"Salt", L"1", L"Market", L"1"}}));
    ExpectEveryStopToLeaveTheList("Undo", [] {}, ID_EDIT_UNDO);
    EXPECT_EQ(Items().size(), 4u) << "the Open undone";
    ExpectEveryStopToLeaveTheList("Redo", [] {}, ID_EDIT_REDO);
    EXPECT_EQ(Items().size(), 2u) << "the Open redone";
}

// A paint needs memory too, and runs again; a stop there is no news to the user.
TEST_F(OutOfMemory, APaintThatRunsOutSaysNothing)
{
    for (long skipped = 0; skipped < 20; ++skipped) {
        ::InvalidateRect(List(), nullptr, TRUE);
        FailingAllocation failing(skipped);
        ::UpdateWindow(Window());
        ::UpdateWindow(List());
    }
    EXPECT_TRUE(m_prompts->Questions().empty());
}

}  // namespace
