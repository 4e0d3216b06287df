// A system list file that other machines share: the data folder chosen from Options,
// and a list written elsewhere shown in the running window.
#include "support/FileCommandTest.h"

#include "mainwnd/WindowMessages.h"
#include "res/resource.h"

namespace {

const char kMilkAndTea[] = "4\n1\nMilk\n2\nMarket\n3\n1\nTea\n1\nShop\n5\n0\n10 0 0 0 1\nTahoma\n";
const char kBread[] = "3\n0\nBread\n1\nBakery\n2\n0\n10 0 0 0 1\nTahoma\n";

class SharedFolder : public FileCommandTest {
protected:
    void SetUp() override
    {
        m_folder = std::make_unique<ScratchFolder>();
        m_prompts = std::make_unique<TestPrompts>();
        WriteBytes(m_folder->File(L"GRSystemList.grl"), kMilkAndTea);
        OpenWindow();
        PumpMessages();
    }
    std::vector<std::wstring> Names() const
    {
        std::vector<std::wstring> names;
        for (const ShownRow& row : Items())
            names.push_back(row.name);
        return names;
    }
    // Handles the window's messages until it shows count items; false after two seconds.
    bool ShowsWithinTwoSeconds(size_t count)
    {
        for (int wait = 0; wait < 200 && Items().size() != count; ++wait) {
            ::Sleep(10);
            PumpMessages();
        }
        return Items().size() == count;
    }
};

std::wstring ChosenDataFolder()
{
    wchar_t folder[MAX_PATH] = L"";
    DWORD bytes = sizeof(folder);
    ::RegGetValueW(HKEY_CURRENT_USER, L"Software\\Gromble", L"DataFolder", RRF_RT_REG_SZ, nullptr, folder, &bytes);
    return folder;
}

TEST_F(SharedFolder, ADataFolderChosenTakesTheListThereMergedOrWritesItThere)
{
    const std::wstring shared = m_folder->File(L"shared"), empty = m_folder->File(L"empty");
    ASSERT_TRUE(::CreateDirectoryW(shared.c_str(), nullptr) && ::CreateDirectoryW(empty.c_str(), nullptr));
    WriteBytes(shared + L"\\GRSystemList.grl", kBread);

    m_prompts->ChooseFolder(L"");
    SendCommand(ID_OPTIONS_DATA_FOLDER);
    EXPECT_EQ(ChosenDataFolder(), L"") << "cancelled";

    m_prompts->ChooseFolder(shared);
    SendCommand(ID_OPTIONS_DATA_FOLDER);
    EXPECT_EQ(ChosenDataFolder(), shared);
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Bread", L"Milk", L"Tea"}));
    ExpectListIsWhole();

    m_prompts->ChooseFolder(empty);
    SendCommand(ID_OPTIONS_DATA_FOLDER);
    CloseWindow();
    const std::string all = "5\n0\nBread\n1\nBakery\n2\n1\nMilk\n2\nMarket\n3\n1\nTea\n1\nShop\n5\n0\n10 0 0 0 1\nTahoma\n";
    EXPECT_EQ(ReadBytes(empty + L"\\GRSystemList.grl"), all);
    EXPECT_EQ(ReadBytes(shared + L"\\GRSystemList.grl"), kBread) << "the window stored nothing there before it moved on";
    EXPECT_EQ(ReadBytes(m_folder->File(L"GRSystemList.grl")), kMilkAndTea) << "the first folder's file is left as it was";
    EXPECT_TRUE(m_prompts->Questions().empty());
}

TEST_F(SharedFolder, AListWrittenElsewhereIsShownAndTheFocusAndAnEditStayWithTheirItem)
{
    FocusRow(1);  // Tea
    SendCommand(ID_ITEM_EDIT);
    WriteBytes(m_folder->File(L"new.grl"),
               "5\n0\nBread\n1\nBakery\n2\n1\nMilk\n2\nMarket\n3\n1\nTea\n1\nShop\n5\n0\n10 0 0 0 1\nTahoma\n");
    ASSERT_TRUE(::MoveFileExW(m_folder->File(L"new.grl").c_str(), m_folder->File(L"GRSystemList.grl").c_str(),
                              MOVEFILE_REPLACE_EXISTING));
    ASSERT_TRUE(ShowsWithinTwoSeconds(3)) << "the folder's notice";
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Bread", L"Milk", L"Tea"}));
    EXPECT_EQ(FocusedRow(), 2);
    SetFieldText(IDC_QT, L"2");
    TapAddButton();
    EXPECT_EQ(RowAt(2), (ShownRow{MarkCross, L"Tea", L"2", L"Shop", L"5"})) << "the edit lands on Tea";

    // A share that sends no notice: the window's regular look finds the file.
    WriteBytes(m_folder->File(L"GRSystemList.grl"), kBread);
    ::SendMessageW(Window(), WM_TIMER, TimerLookAtFile, 0);
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Bread", L"Tea"}))
        << "Milk deleted elsewhere; Tea changed here stays";
    EXPECT_EQ(FocusedRow(), 1);
}

}  // namespace
