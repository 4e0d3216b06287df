#include "support/FileCommandTest.h"

#include "res/resource.h"

namespace {

class NewCommand : public FileCommandTest {
protected:
    void PutThreeItems()
    {
        PutItem({1, L"Milk", L"1", L"Market", L"3"});
        PutItem({0, L"Bread", L"2", L"Bakery", L"2"});
        PutItem({3, L"Jam", L"1", L"Shop", L"4"});
    }
};

TEST_F(NewCommand, AsksBeforeClearing)
{
    PutThreeItems();
    m_prompts->Answer(IDNO);
    SendCommand(ID_FILE_NEW);

    ASSERT_EQ(m_prompts->Questions().size(), 1u);
    EXPECT_EQ(m_prompts->Questions()[0].text, L"Do you want to clear the list?");
    EXPECT_EQ(m_prompts->Questions()[0].caption, L"Warning");
    EXPECT_EQ(m_prompts->Questions()[0].type, 52u);
    ASSERT_EQ(Rows().size(), 5u) << "No keeps every row";
    EXPECT_EQ(Rows().back(), Total(L"9"));
}

TEST_F(NewCommand, YesLeavesOnlyTheClosingRows)
{
    CloseWindow();
    WriteBytes(m_folder->File(L"GRSystemList.grl"), "2\n0\n12 1 1 0 1\nVerdana\n");
    OpenWindow();
    PutThreeItems();
    SetFieldText(IDC_ITEM, L"Typed");

    m_prompts->Answer(IDYES);
    SendCommand(ID_FILE_NEW);

    std::vector<ShownRow> expected = {Separator(), Total(L"0")};
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(FieldText(IDC_ITEM), L"Typed") << "New leaves the fields alone";

    PutItem({1, L"Salt", L"1", L"Market", L"2"});
    EXPECT_EQ(Rows().back(), Total(L"2")) << "the total starts again from 0";
    CloseWindow();
    EXPECT_EQ(ReadBytes(m_folder->File(L"GRSystemList.grl")),
              "3\n1\nSalt\n1\nMarket\n2\n0\n12 1 1 0 1\nVerdana\n")
        << "New leaves the list font alone";
}

TEST_F(NewCommand, OnAnEmptyListRemovesNothing)
{
    m_prompts->Answer(IDYES);
    SendCommand(ID_FILE_NEW);
    std::vector<ShownRow> expected = {Separator(), Total(L"0")};
    EXPECT_EQ(Rows(), expected);
}

}  // namespace
