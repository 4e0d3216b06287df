#include "support/FileCommandTest.h"

#include "font/ListFont.h"
#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include "framework/ImageScale.h"
#include "listview/ItemListCtrl.h"
#include "res/resource.h"
#include "shell/MenuBar.h"

#include <commctrl.h>

#include <memory>
#include <set>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

class MainWindowStart : public MainWindowTest {
protected:
    CRect ClientRectOf(HWND window) const
    {
        CRect rect;
        ::GetWindowRect(window, &rect);
        ::MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    HWND Bar() const { return Control(CMenuBar::WindowId); }
};

TEST_F(MainWindowStart, ShowsTheEmptyListAndTheDefaultFields)
{
    std::vector<ShownRow> expected = {Separator(), Total(L"0")};
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(FieldText(IDC_ITEM), L"");
    EXPECT_EQ(FieldText(IDC_QT), L"1");
    EXPECT_EQ(FieldText(IDC_LOCATION), L"Market");
    EXPECT_EQ(FieldText(IDC_PRICE), L"0");
    EXPECT_EQ(::GetFocus(), Control(IDC_ITEM)) << "the Item field has the keyboard focus";
    wchar_t caption[64] = L"";
    ::GetWindowTextW(Window(), caption, 64);
    EXPECT_STREQ(caption, L"Gromble");
    EXPECT_NE(::SendMessageW(Window(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(::SendMessageW(Window(), WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(MainWindowStart, FillsTheHandheldScreen)
{
    CRect client;
    ::GetClientRect(Window(), &client);
    CRect bar = ClientRectOf(Bar());
    EXPECT_EQ(client.Width(), 240);
    EXPECT_EQ(bar.top, 268) << "268 pixels stand above the bar";
    EXPECT_EQ(bar.bottom, client.bottom) << "the bar runs along the bottom";
    EXPECT_EQ(bar.Width(), 240);

    EXPECT_EQ(ClientRectOf(List()), CRect(0, 62, 240, 267)) << "the list ends one pixel above the bar";

    // The entry panel keeps its template places at 1.75 pixels a dialog unit.
    CRect item = ClientRectOf(Control(IDC_ITEM));
    EXPECT_EQ(item.left, 35);
    EXPECT_EQ(item.Width(), 126);
}

TEST_F(MainWindowStart, PlacesTheListAgainAfterAResize)
{
    CRect frame;
    ::GetWindowRect(Window(), &frame);
    ::SetWindowPos(Window(), nullptr, 0, 0, frame.Width() + 60, frame.Height() + 40, SWP_NOMOVE | SWP_NOZORDER);
    CRect client;
    ::GetClientRect(Window(), &client);
    CRect bar = ClientRectOf(Bar());
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(ClientRectOf(List()), CRect(0, 62, client.right, bar.top - 1));
}

TEST_F(MainWindowStart, OffersMenuOptionsAndTheFourToolButtons)
{
    HWND bar = Bar();
    ASSERT_NE(bar, nullptr);
    const struct {
        int command;
        const wchar_t* text;
        bool dropDown;
    } expected[] = {
        {ID_MENU_BUTTON, L"Menu", true},   {ID_OPTIONS_BUTTON, L"Options", true}, {ID_FILE_NEW, nullptr, false},
        {ID_FILE_OPEN, nullptr, false},    {ID_FILE_SAVE, nullptr, false},        {ID_HELP_HELP, nullptr, false},
    };
    // The buttons, without the spacer that puts the tool buttons at the right end.
    std::vector<int> buttons;
    const int count = static_cast<int>(::SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        TBBUTTON button = {};
        ::SendMessageW(bar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
        if ((button.fsStyle & BTNS_SEP) == 0)
            buttons.push_back(index);
    }
    ASSERT_EQ(buttons.size(), 6u);
    int rightmost = 0;
    int firstTop = -1;
    for (int i = 0; i < 6; ++i) {
        TBBUTTON button = {};
        ::SendMessageW(bar, TB_GETBUTTON, static_cast<WPARAM>(buttons[i]), reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(button.idCommand, expected[i].command) << "button " << i;
        EXPECT_EQ((button.fsStyle & BTNS_WHOLEDROPDOWN) != 0, expected[i].dropDown) << "button " << i;
        if (expected[i].text != nullptr) {
            wchar_t text[64] = L"";
            ::SendMessageW(bar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(button.idCommand), reinterpret_cast<LPARAM>(text));
            EXPECT_STREQ(text, expected[i].text);
        }
        CRect rect;
        ::SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(buttons[i]), reinterpret_cast<LPARAM>(&rect));
        if (firstTop < 0)
            firstTop = rect.top;
        EXPECT_EQ(rect.top, firstTop) << "button " << i << " wrapped to a second line";
        rightmost = std::max(rightmost, static_cast<int>(rect.right));
    }
    EXPECT_LE(rightmost, 240) << "all six buttons fit the screen's width";
}

TEST_F(MainWindowStart, SetsUpTheListColumnsAndColours)
{
    HWND list = List();
    // The headings as read, and which columns line their texts up on the right.
    const struct {
        const wchar_t* heading;
        bool rightAligned;
    } columns[] = {{L"Item:", false}, {L"Qt:", true}, {L"Location:", true}, {L"Price:", true}};
    CRect client;
    ::GetClientRect(list, &client);
    int widths = 0;
    for (int i = 0; i < 4; ++i) {
        wchar_t heading[64] = L"";
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.pszText = heading;
        column.cchTextMax = 64;
        ASSERT_TRUE(::SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column)));
        std::wstring shown(heading);
        EXPECT_EQ(shown.substr(0, shown.find_last_not_of(L' ') + 1), columns[i].heading);
        EXPECT_EQ((column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT, columns[i].rightAligned) << "column " << i;
        EXPECT_GT(column.cx, 0) << "column " << i;
        widths += column.cx;
    }
    EXPECT_LE(widths, client.Width()) << "the four columns fit the list without scrolling sideways";
    LVCOLUMNW fifth = {};
    fifth.mask = LVCF_FMT;
    EXPECT_FALSE(::SendMessageW(list, LVM_GETCOLUMNW, 4, reinterpret_cast<LPARAM>(&fifth)));

    EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(list, LVM_GETBKCOLOR, 0, 0)), ListBackColor);
    DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(list, GWL_STYLE));
    EXPECT_EQ(style & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_FALSE(style & LVS_EDITLABELS);
    EXPECT_FALSE(style & LVS_SHOWSELALWAYS);

    HIMAGELIST marks = reinterpret_cast<HIMAGELIST>(::SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(marks, nullptr);
    EXPECT_EQ(::ImageList_GetImageCount(marks), 8);
    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(marks, &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);
}

TEST_F(MainWindowStart, DrawsTheListInTheStartUpFont)
{
    // The font editor opens on the font the list draws with.
    static std::wstring shown;
    shown.clear();
    WhenModalLoopRuns([] {
        HWND editor = FindTopLevelWindow(L"Gromble List Font Editor");
        ASSERT_NE(editor, nullptr);
        wchar_t text[64] = L"";
        ::GetDlgItemTextW(editor, IDC_FONT_FACE, text, 64);
        shown = text;
        ::GetDlgItemTextW(editor, IDC_FONT_SIZE, text, 64);
        shown += L" " + std::wstring(text);
        for (int box : {IDC_FONT_BOLD, IDC_FONT_ITALIC, IDC_FONT_UNDERLINE, IDC_FONT_ANTIALIASED})
            shown += ::IsDlgButtonChecked(editor, box) == BST_CHECKED ? L" 1" : L" 0";
        ::PostMessageW(editor, WM_CLOSE, 0, 0);
    });
    SendCommand(ID_OPTIONS_LIST_FONT);
    EXPECT_EQ(shown, L"Tahoma 10 0 0 0 1");
}

TEST(ListFontObject, HoldsOneFontAtATime)
{
    CListFont font;
    EXPECT_TRUE(font.Settings() == StartupListFontSettings()) << "no font yet: the start-up settings";
    ListFontSettings settings = StartupListFontSettings();
    ASSERT_TRUE(font.Create(settings, DefaultDpi));
    HGDIOBJ first = font.GetSafeHandle();
    settings.height = 14;
    ASSERT_TRUE(font.Create(settings, DefaultDpi));
    HGDIOBJ second = font.GetSafeHandle();
    EXPECT_NE(second, first);
    EXPECT_EQ(::GetObjectType(first), 0u) << "the first font was released";
    EXPECT_EQ(::GetObjectType(second), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(font.Settings().height, 14);

    settings.face = L"No Such Face Anywhere";
    font.Create(settings, DefaultDpi);
    EXPECT_NE(font.GetSafeHandle(), nullptr) << "the platform maps an unknown face to another font";
}

class Closing : public MainWindowTest {};

TEST_F(Closing, ExitEndsTheMessageLoop)
{
    SendCommand(ID_FILE_EXIT);
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "Exit posts the quit message";
    EXPECT_EQ(msg.wParam, 0u);
}

class ModalRun : public ::testing::Test {
protected:
    ScratchFolder m_folder;
};

TEST_F(ModalRun, ExitEndsTheModalMainWindowAndDestroysIt)
{
    WhenModalLoopRuns([] {
        HWND main = FindTopLevelWindow(L"Gromble");
        ASSERT_NE(main, nullptr);
        ::PostMessageW(main, WM_COMMAND, ID_FILE_EXIT, 0);
    });
    CShoppingDlg dialog;
    dialog.DoModal();
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "the window is destroyed when the loop ends";
    EXPECT_EQ(FindTopLevelWindow(L"Gromble"), nullptr);
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit goes on to outer loops";
}

// Exit is queued behind each, so that a loop they fail to end still ends, without a result.
TEST_F(ModalRun, TheCloseBoxAndEscapeCancelTheDialog)
{
    WhenModalLoopRuns([] {
        HWND main = FindTopLevelWindow(L"Gromble");
        ASSERT_NE(main, nullptr);
        ::SendMessageW(main, WM_CLOSE, 0, 0);
        ::PostMessageW(main, WM_COMMAND, ID_FILE_EXIT, 0);
    });
    CShoppingDlg closed;
    EXPECT_EQ(closed.DoModal(), IDCANCEL);

    WhenModalLoopRuns([] {
        HWND main = FindTopLevelWindow(L"Gromble");
        ASSERT_NE(main, nullptr);
        ::PostMessageW(::GetDlgItem(main, IDC_ITEM), WM_KEYDOWN, VK_ESCAPE, 0);
        ::PostMessageW(main, WM_COMMAND, ID_FILE_EXIT, 0);
    });
    CShoppingDlg escaped;
    EXPECT_EQ(escaped.DoModal(), IDCANCEL);
}

class AboutBox : public MainWindowTest {};

TEST_F(AboutBox, RunsModallyAndReturnsToTheMainWindow)
{
    static bool sawAboutBox;
    static bool mainDisabled;
    sawAboutBox = false;
    mainDisabled = false;
    WhenModalLoopRuns([] {
        HWND about = FindTopLevelWindow(L"About Gromble");
        sawAboutBox = about != nullptr;
        HWND main = FindTopLevelWindow(L"Gromble");
        mainDisabled = main != nullptr && !::IsWindowEnabled(main);
        wchar_t version[64] = L"";
        EnumChildWindows(about, [](HWND child, LPARAM data) -> BOOL {
            wchar_t text[64] = L"";
            ::GetWindowTextW(child, text, 64);
            if (wcscmp(text, L"Gromble v1.5.0") == 0)
                lstrcpyW(reinterpret_cast<wchar_t*>(data), text);
            return TRUE;
        }, reinterpret_cast<LPARAM>(version));
        EXPECT_STREQ(version, L"Gromble v1.5.0");
        ::PostMessageW(about, WM_COMMAND, IDOK, 0);
    });
    SendCommand(ID_HELP_ABOUT);
    EXPECT_TRUE(sawAboutBox);
    EXPECT_TRUE(mainDisabled) << "the About box is modal to the main window";
    EXPECT_TRUE(::IsWindowEnabled(Window()));
    EXPECT_EQ(FindTopLevelWindow(L"About Gromble"), nullptr);
    std::vector<ShownRow> expected = {Separator(), Total(L"0")};
    EXPECT_EQ(Rows(), expected);
}

// gromble.exe is built beside the test program's folder: its folder, with a separator.
std::wstring GrombleExeFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring self(path, length);
    return self.substr(0, self.find_last_of(L"\\/") + 1) + L"..\\";
}

using CModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&::FreeLibrary)>;

// gromble.exe's resources, without running it.
CModule LoadGrombleExe()
{
    return CModule(::LoadLibraryExW((GrombleExeFolder() + L"gromble.exe").c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE),
                   &::FreeLibrary);
}

std::string ResourceText(HMODULE module, LPCWSTR id, LPCWSTR type)
{
    HRSRC found = ::FindResourceW(module, id, type);
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    return loaded ? std::string(static_cast<const char*>(::LockResource(loaded)), ::SizeofResource(module, found))
                  : std::string();
}

// gromble.exe carries the page in its resources, for when the Help.htm installed
// beside it is missing.
TEST(HelpPage, IsInGrombleExesResourcesAndBesideIt)
{
    const CModule program = LoadGrombleExe();
    ASSERT_NE(program, nullptr) << "gromble.exe cannot be read, error " << ::GetLastError();
    const std::string page = ResourceText(program.get(), MAKEINTRESOURCEW(IDR_HELP_PAGE), RT_HTML);
    ASSERT_FALSE(page.empty()) << "gromble.exe has no help page";

    EXPECT_NE(page.find("<title>Gromble Help</title>"), std::string::npos);
    for (const char* key : {"Ctrl+N", "Ctrl+O", "Ctrl+S", "F1"})
        EXPECT_NE(page.find(key), std::string::npos) << key;
    EXPECT_TRUE(ReadBytes(GrombleExeFolder() + L"Help.htm") == page) << "the Help.htm beside gromble.exe is another page";
}

// One manifest, and only one (a toolchain's default beside it would be a second); and
// each bitmap at each scale, and the sizes in each icon.
TEST(GrombleExe, CarriesOneManifestAndTheImagesOfEveryScale)
{
    const CModule program = LoadGrombleExe();
    ASSERT_NE(program, nullptr) << "gromble.exe cannot be read, error " << ::GetLastError();
    std::vector<ULONG_PTR> names;
    ::EnumResourceNamesW(program.get(), RT_MANIFEST, [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
        reinterpret_cast<std::vector<ULONG_PTR>*>(found)->push_back(reinterpret_cast<ULONG_PTR>(name));
        return TRUE;
    }, reinterpret_cast<LONG_PTR>(&names));
    EXPECT_EQ(names, std::vector<ULONG_PTR>{1}) << "resource 1 of RT_MANIFEST, no other";
    int languages = 0;
    ::EnumResourceLanguagesW(program.get(), RT_MANIFEST, MAKEINTRESOURCEW(1),
                             [](HMODULE, LPCWSTR, LPCWSTR, WORD, LONG_PTR count) -> BOOL {
                                 ++*reinterpret_cast<int*>(count);
                                 return TRUE;
                             }, reinterpret_cast<LONG_PTR>(&languages));
    EXPECT_EQ(languages, 1);

    const std::string manifest = ResourceText(program.get(), MAKEINTRESOURCEW(1), RT_MANIFEST);
    for (const char* wanted : {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                               ">PerMonitorV2, PerMonitor</dpiAwareness>", ">true/pm</dpiAware>",
                               ">true</longPathAware>"})
        EXPECT_NE(manifest.find(wanted), std::string::npos) << wanted;
    EXPECT_EQ(manifest.find("activeCodePage"), std::string::npos) << "files are written in the ANSI code page";

    auto bitmapSize = [&](UINT id) {  // width and height, 0 x 0 when it cannot load
        CBitmap bitmap;
        bitmap.Attach(static_cast<HBITMAP>(::LoadImageW(program.get(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0)));
        const CSize size = bitmap.IsEmpty() ? CSize() : bitmap.GetSize();
        return std::make_pair(int(size.cx), int(size.cy));
    };
    const struct {
        UINT dpi;
        int mark, toolWidth, toolHeight, backWidth, backHeight;
    } scales[] = {{96, 16, 16, 15, 640, 100}, {120, 20, 20, 19, 800, 125}, {144, 24, 24, 23, 960, 150},
                  {192, 32, 32, 30, 1280, 200}};
    for (const auto& scale : scales) {
        SCOPED_TRACE(scale.dpi);
        EXPECT_EQ(ScaledImageSize(16, scale.dpi), scale.mark);
        EXPECT_EQ(ScaledImageSize(15, scale.dpi), scale.toolHeight);
        EXPECT_EQ(bitmapSize(ScaledImageId(IDB_MARKS, scale.dpi)), std::make_pair(8 * scale.mark, scale.mark));
        EXPECT_EQ(bitmapSize(ScaledImageId(IDR_TOOLBAR, scale.dpi)), std::make_pair(4 * scale.toolWidth, scale.toolHeight));
        EXPECT_EQ(bitmapSize(ScaledImageId(IDB_BACKGROUND, scale.dpi)), std::make_pair(scale.backWidth, scale.backHeight));
    }
    EXPECT_EQ(ImageScalePercent(97), 125u) << "the nearest drawn scale at or above the screen's";
    EXPECT_EQ(ImageScalePercent(121), 150u);
    EXPECT_EQ(ImageScalePercent(145), 200u);

    auto iconSizes = [&](UINT id) {
        const std::string group = ResourceText(program.get(), MAKEINTRESOURCEW(id), RT_GROUP_ICON);
        std::set<int> sizes;
        for (size_t entry = 6; entry + 14 <= group.size(); entry += 14)  // GRPICONDIR, then its entries
            sizes.insert(static_cast<unsigned char>(group[entry]));
        return sizes;
    };
    EXPECT_EQ(iconSizes(IDI_ADD), (std::set<int>{32, 40, 48, 64}));
    EXPECT_EQ(iconSizes(IDI_EDIT), (std::set<int>{32, 40, 48, 64}));
    EXPECT_EQ(iconSizes(IDR_MAINFRAME), (std::set<int>{16, 20, 24, 32, 40, 48, 64}));
}

}  // namespace
