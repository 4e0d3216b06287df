#include "support/Canvas.h"
#include "support/MainWindowTest.h"

#include "font/FontEditorDlg.h"
#include "font/ListFont.h"
#include "mainwnd/WindowMessages.h"
#include "res/resource.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kCaption[] = L"Gromble List Font Editor";

std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

std::vector<std::wstring> ListTexts(HWND combo)
{
    std::vector<std::wstring> texts;
    for (int i = 0, n = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0)); i < n; ++i) {
        std::wstring text(static_cast<size_t>(::SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        texts.push_back(text.c_str());
    }
    return texts;
}

LOGFONTW DescriptionOf(HGDIOBJ font)
{
    LOGFONTW description = {};
    EXPECT_EQ(::GetObjectW(font, sizeof(description), &description), static_cast<int>(sizeof(description)));
    return description;
}

// Where the dialog manager puts a control: place and size are converted apart.
CRect DialogUnits(HWND dialog, int x, int y, int cx, int cy)
{
    CRect place(x, y, cx, cy);
    ::MapDialogRect(dialog, &place);
    return CRect(place.left, place.top, place.left + place.right, place.top + place.bottom);
}

// What the editor's controls send their parent, with the control's handle.
void Notify(HWND dialog, int id, WORD code)
{
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}
void Click(HWND dialog, int id)
{
    ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
void Pick(HWND dialog, int id, int index)
{
    ::SendMessageW(::GetDlgItem(dialog, id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Notify(dialog, id, CBN_SELCHANGE);
}
void Type(HWND dialog, int id, const std::wstring& text)
{
    ::SetWindowTextW(::FindWindowExW(::GetDlgItem(dialog, id), nullptr, L"Edit", nullptr), text.c_str());
    Notify(dialog, id, CBN_EDITCHANGE);
}
bool Checked(HWND dialog, int id)
{
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}
HGDIOBJ PreviewFont(HWND dialog)
{
    return reinterpret_cast<HGDIOBJ>(::SendDlgItemMessageW(dialog, IDC_FONT_PREVIEW, WM_GETFONT, 0, 0));
}

// Records each WM_SETFONT the preview text receives, and whether the font it showed
// until then was still alive at that moment.
struct FontChange {
    HGDIOBJ font;
    LPARAM redraw;
    bool previousAlive;
};
LRESULT CALLBACK RecordSetFont(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR changes)
{
    if (message == WM_SETFONT) {
        auto previous = reinterpret_cast<HGDIOBJ>(::DefSubclassProc(window, WM_GETFONT, 0, 0));
        reinterpret_cast<std::vector<FontChange>*>(changes)->push_back(
            {reinterpret_cast<HGDIOBJ>(wParam), lParam, ::GetObjectType(previous) == OBJ_FONT});
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

// The editor run modeless on settings of the test's choice.
class FontEditor : public ::testing::Test {
protected:
    void Open(const ListFontSettings& settings = StartupListFontSettings())
    {
        m_editor = std::make_unique<CFontEditorDlg>();
        m_editor->m_lf = settings;
        ASSERT_TRUE(m_editor->Create(IDD_FONTEDITOR)) << "template 141 could not be made into a dialog";
        m_editor->ShowWindow(SW_SHOWNA);
    }
    HWND Dialog() const { return m_editor->m_hWnd; }
    HWND Control(int id) const { return ::GetDlgItem(Dialog(), id); }
    const ListFontSettings& Settings() const { return m_editor->m_lf; }
    LOGFONTW Preview() const { return DescriptionOf(PreviewFont(Dialog())); }

    std::unique_ptr<CFontEditorDlg> m_editor;
};

TEST_F(FontEditor, OpensOnTheStartUpFont)
{
    Open();
    std::vector<std::wstring> faces = ListTexts(Control(IDC_FONT_FACE));
    int selected = static_cast<int>(::SendMessageW(Control(IDC_FONT_FACE), CB_GETCURSEL, 0, 0));
    ASSERT_GE(selected, 0) << "Tahoma is installed, so it is selected in the list";
    EXPECT_EQ(faces[static_cast<size_t>(selected)], L"Tahoma");
    EXPECT_EQ(TextOf(Control(IDC_FONT_FACE)), L"Tahoma");
    EXPECT_EQ(TextOf(Control(IDC_FONT_SIZE)), L"10");
    EXPECT_EQ(::SendMessageW(Control(IDC_FONT_SIZE), CB_GETCURSEL, 0, 0), CB_ERR) << "the size is typed, not selected";
    EXPECT_FALSE(Checked(Dialog(), IDC_FONT_BOLD));
    EXPECT_FALSE(Checked(Dialog(), IDC_FONT_ITALIC));
    EXPECT_FALSE(Checked(Dialog(), IDC_FONT_UNDERLINE));
    EXPECT_TRUE(Checked(Dialog(), IDC_FONT_ANTIALIASED)) << "quality 4 is not 0";
    EXPECT_EQ(TextOf(Control(IDC_FONT_PREVIEW)), L"Gromble 1.5");
    EXPECT_STREQ(Preview().lfFaceName, L"Tahoma");
    EXPECT_EQ(Preview().lfHeight, 10);
}

TEST_F(FontEditor, OffersTheSizesInOrderAndEachFamilyOnceSorted)
{
    Open();
    std::vector<std::wstring> sizes = {L"8", L"9", L"10", L"11", L"12", L"14", L"16", L"20", L"24", L"28", L"36"};
    EXPECT_EQ(ListTexts(Control(IDC_FONT_SIZE)), sizes);

    // Wine enumerates a family once for each of its character sets.
    std::set<std::wstring> families;
    CClientDC dc(nullptr);
    ::EnumFontFamiliesW(dc, nullptr, [](const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
        reinterpret_cast<std::set<std::wstring>*>(names)->insert(font->lfFaceName);
        return 1;
    }, reinterpret_cast<LPARAM>(&families));
    std::vector<std::wstring> faces = ListTexts(Control(IDC_FONT_FACE));
    EXPECT_EQ(std::set<std::wstring>(faces.begin(), faces.end()), families) << "every family, none left out";
    for (size_t i = 1; i < faces.size(); ++i)
        EXPECT_LT(::lstrcmpiW(faces[i - 1].c_str(), faces[i].c_str()), 0) << "entry " << i << " out of order or twice";
}

TEST_F(FontEditor, WritesAFaceThatNoFamilyHasIntoTheEditField)
{
    ListFontSettings settings = StartupListFontSettings();
    settings.face = L"No Such Face";
    Open(settings);
    EXPECT_EQ(::SendMessageW(Control(IDC_FONT_FACE), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(TextOf(Control(IDC_FONT_FACE)), L"No Such Face");
    EXPECT_STREQ(Preview().lfFaceName, L"No Such Face") << "the face is passed on unchanged";
}

TEST_F(FontEditor, ChecksTheBoxesFromTheSettings)
{
    const struct {
        int weight;
        int italic, underline, quality;
        bool bold, italicBox, underlineBox, antialiased;
    } cases[] = {{700, 1, 1, 5, true, true, true, true}, {600, 0, 0, 0, false, false, false, false},
                 {400, 2, 0, 1, false, true, false, true}};  // only exactly 700 is bold
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "weight " << c.weight << ", quality " << c.quality);
        ListFontSettings settings = StartupListFontSettings();
        settings.weight = c.weight;
        settings.italic = c.italic != 0;
        settings.underline = c.underline != 0;
        settings.quality = c.quality;
        Open(settings);
        EXPECT_EQ(Checked(Dialog(), IDC_FONT_BOLD), c.bold);
        EXPECT_EQ(Checked(Dialog(), IDC_FONT_ITALIC), c.italicBox);
        EXPECT_EQ(Checked(Dialog(), IDC_FONT_UNDERLINE), c.underlineBox);
        EXPECT_EQ(Checked(Dialog(), IDC_FONT_ANTIALIASED), c.antialiased);
        EXPECT_EQ(Settings().weight, c.weight) << "opening changes nothing";
    }
}

TEST_F(FontEditor, EachBoxWritesItsFieldBothWays)
{
    Open();
    const struct {
        int id;
        std::function<int(const LOGFONTW&)> field;
        int checked, unchecked;
    } boxes[] = {
        {IDC_FONT_BOLD, [](const LOGFONTW& s) { return int(s.lfWeight); }, 700, 400},
        {IDC_FONT_ITALIC, [](const LOGFONTW& s) { return int(s.lfItalic); }, 1, 0},
        {IDC_FONT_UNDERLINE, [](const LOGFONTW& s) { return int(s.lfUnderline); }, 1, 0},
        // Antialiased starts checked: off gives 0, on again gives 5, never the start-up 4.
        {IDC_FONT_ANTIALIASED, [](const LOGFONTW& s) { return int(s.lfQuality); }, 5, 0},
    };
    for (const auto& box : boxes) {
        SCOPED_TRACE(testing::Message() << "box " << box.id);
        for (int click = 0; click < 2; ++click) {
            Click(Dialog(), box.id);
            int expected = Checked(Dialog(), box.id) ? box.checked : box.unchecked;
            EXPECT_EQ(box.field(LogFontOf(Settings())), expected);
            EXPECT_EQ(box.field(Preview()), expected) << "the preview follows at once";
        }
    }
    EXPECT_TRUE(Checked(Dialog(), IDC_FONT_ANTIALIASED));
    EXPECT_EQ(Settings().quality, FontQualityClearType);
}

TEST_F(FontEditor, PickingASizeSetsTheHeightAtOnce)
{
    Open();
    Pick(Dialog(), IDC_FONT_SIZE, 10);
    EXPECT_EQ(Settings().height, 36);
    EXPECT_EQ(Preview().lfHeight, 36);
    Pick(Dialog(), IDC_FONT_SIZE, -1);
    EXPECT_EQ(Settings().height, 36) << "a notification without a selection changes nothing";
}

TEST_F(FontEditor, TakesATypedSizeOnlyWhenItIsAboveZero)
{
    const struct {
        const wchar_t* typed;
        LONG height;
    } cases[] = {{L"12", 12}, {L"12abc", 12}, {L"0", 10}, {L"-3", 10}, {L"abc", 10}, {L"", 10}, {L" 7", 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "typed \"" << std::string(c.typed, c.typed + wcslen(c.typed)) << "\"");
        Open();
        HGDIOBJ before = PreviewFont(Dialog());
        Type(Dialog(), IDC_FONT_SIZE, c.typed);
        EXPECT_EQ(Settings().height, c.height);
        EXPECT_EQ(Preview().lfHeight, c.height);
        if (c.height == 10) {
            EXPECT_EQ(PreviewFont(Dialog()), before) << "an ignored size leaves the preview as it was";
        }
    }
}

TEST_F(FontEditor, TakesAFacePickedOrTypedAsItStands)
{
    Open();
    std::vector<std::wstring> faces = ListTexts(Control(IDC_FONT_FACE));
    ASSERT_GE(faces.size(), 2u);
    Pick(Dialog(), IDC_FONT_FACE, 0);
    EXPECT_EQ(Settings().face, faces[0]);
    EXPECT_EQ(std::wstring(Preview().lfFaceName), faces[0]);
    for (const wchar_t* typed : {L"Courier New", L"No Such Face", L""}) {
        Type(Dialog(), IDC_FONT_FACE, typed);
        EXPECT_EQ(Settings().face, typed);
        EXPECT_STREQ(Preview().lfFaceName, typed);
    }
    Pick(Dialog(), IDC_FONT_FACE, -1);
    EXPECT_EQ(Settings().face, L"") << "a notification without a selection changes nothing";
}

TEST_F(FontEditor, CutsALongTypedFaceNameToWhatTheFieldHolds)
{
    Open();
    const std::wstring forty = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    Type(Dialog(), IDC_FONT_FACE, forty);
    EXPECT_EQ(Settings().face, forty.substr(0, 31));
    EXPECT_EQ(TextOf(Control(IDC_FONT_FACE)), forty) << "the edit field keeps what was typed";
    EXPECT_EQ(std::wstring(Preview().lfFaceName), forty.substr(0, 31));

    // Thirty letters and a character beyond the 16-bit range: its pair does not fit.
    const std::wstring split = forty.substr(0, 30) + L"\xD83D\xDE00";
    Type(Dialog(), IDC_FONT_FACE, split);
    EXPECT_EQ(Settings().face, forty.substr(0, 30));
}

TEST_F(FontEditor, HoldsOnePreviewFontAtATimeAndReleasesItWithTheDialog)
{
    Open();
    std::vector<FontChange> changes;
    ::SetWindowSubclass(Control(IDC_FONT_PREVIEW), RecordSetFont, 1, reinterpret_cast<DWORD_PTR>(&changes));
    HGDIOBJ first = PreviewFont(Dialog());
    Click(Dialog(), IDC_FONT_BOLD);
    Pick(Dialog(), IDC_FONT_SIZE, 4);
    Type(Dialog(), IDC_FONT_FACE, L"Courier New");
    ASSERT_EQ(changes.size(), 3u);
    std::vector<HGDIOBJ> shown = {first};
    for (const auto& change : changes) {
        EXPECT_EQ(change.redraw, 1) << "the preview redraws at once";
        EXPECT_TRUE(change.previousAlive) << "the new font is handed over before the old one goes";
        EXPECT_EQ(::GetObjectType(shown.back()), 0u) << "the font it replaced has been released";
        shown.push_back(change.font);
    }
    HGDIOBJ last = shown.back();
    EXPECT_EQ(last, PreviewFont(Dialog()));
    EXPECT_EQ(::GetObjectType(last), static_cast<DWORD>(OBJ_FONT));
    m_editor.reset();
    EXPECT_EQ(::GetObjectType(last), 0u) << "the dialog's destruction releases its preview font";
}

TEST_F(FontEditor, KeepsAWeightItCannotShowWhenBoldIsUntouched)
{
    ListFontSettings settings = StartupListFontSettings();
    settings.weight = 600;
    Open(settings);
    EXPECT_FALSE(Checked(Dialog(), IDC_FONT_BOLD));
    Click(Dialog(), IDC_FONT_ITALIC);
    EXPECT_EQ(Settings().weight, 600);
}

TEST_F(FontEditor, ShowsItsControlsInReadingOrderWithinItsOwnSize)
{
    Open();
    EXPECT_EQ(TextOf(Dialog()), kCaption);
    CRect client;
    ::GetClientRect(Dialog(), &client);
    EXPECT_LT(client.Width(), 240) << "a box of its own size, not the handheld's whole screen";
    EXPECT_LT(client.Height(), 268);
    EXPECT_EQ(LOWORD(::SendMessageW(Dialog(), DM_GETDEFID, 0, 0)), IDOK) << "Enter applies";

    // What a user reads, in tab order; null for the two boxes.
    const wchar_t* const texts[] = {L"Apply", L"Font:", nullptr, L"Size:", nullptr, L"Antialiased",
                                    L"Bold", L"Italic", L"Underline", L"Preview:", L"Gromble 1.5"};
    std::vector<CRect> places;
    HWND child = ::GetWindow(Dialog(), GW_CHILD);
    for (const wchar_t* text : texts) {
        ASSERT_NE(child, nullptr) << "fewer controls than expected";
        if (text != nullptr) {
            EXPECT_EQ(TextOf(child), text);
        }
        CRect place;
        ::GetWindowRect(child, &place);
        ::MapWindowPoints(nullptr, Dialog(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= client.right && place.bottom <= client.bottom)
            << "control " << places.size() << " stands inside the box";
        for (const CRect& other : places) {
            CRect overlap;
            EXPECT_FALSE(::IntersectRect(&overlap, &place, &other)) << "control " << places.size() << " overlaps another";
        }
        places.push_back(place);
        child = ::GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than expected";
    EXPECT_GT(places[0].top, places.back().top) << "Apply stands below the preview";
}

// The command on the real main window; the editor runs modally.
class FontEditorCommand : public MainWindowTest {
protected:
    // Runs Choose List Font; inside the editor's loop act gets the editor and returns
    // the command that ends it (0 when act has ended it itself).
    void ChooseListFont(std::function<int(HWND)> act)
    {
        s_act = std::move(act);
        WhenModalLoopRuns([] {
            HWND editor = FindTopLevelWindow(kCaption);
            EXPECT_NE(editor, nullptr) << "the editor is open";
            if (editor == nullptr)
                editor = ::GetActiveWindow();
            int end = s_act(editor);
            if (end != 0)
                ::PostMessageW(editor, WM_COMMAND, static_cast<WPARAM>(end), 0);
        });
        SendCommand(ID_OPTIONS_LIST_FONT);
        EXPECT_EQ(FindTopLevelWindow(kCaption), nullptr) << "the editor is gone";
        EXPECT_TRUE(::IsWindowEnabled(Window()));
    }
    // Row 0 as the list draws it when the window is sent WM_DRAWITEM.
    Canvas DrawnRow() const
    {
        const CRect bounds = RowRect(0, LVIR_BOUNDS);
        Canvas canvas(bounds.right, bounds.bottom, RGB(0, 0, 0));
        DrawListRow(canvas.DC(), 0);
        return canvas;
    }
    // Closes the window and reads the font lines it stored at the end of its system
    // list file: "height bold italic underline antialiased" and the face.
    std::vector<std::string> StoredFontLines()
    {
        CloseWindow();
        std::vector<std::string> lines;
        if (std::FILE* file = std::fopen("GRSystemList.grl", "r")) {
            char line[256];
            while (std::fgets(line, sizeof(line), file) != nullptr)
                lines.emplace_back(line, std::strcspn(line, "\r\n"));
            std::fclose(file);
        }
        EXPECT_GE(lines.size(), 2u) << "the system list file holds the font lines";
        return lines.size() < 2 ? lines : std::vector<std::string>(lines.end() - 2, lines.end());
    }
    static std::vector<std::string> StartUpFontLines() { return {"10 0 0 0 1", "Tahoma"}; }

    static std::function<int(HWND)> s_act;
};
std::function<int(HWND)> FontEditorCommand::s_act;

TEST_F(FontEditorCommand, OpensModallyAtItsTemplateSizeOnTheListFont)
{
    static HGDIOBJ preview;
    ChooseListFont([this](HWND editor) {
        EXPECT_FALSE(::IsWindowEnabled(Window())) << "the editor is modal";
        CRect client;
        ::GetClientRect(editor, &client);
        EXPECT_EQ(client, DialogUnits(editor, 0, 0, 135, 122)) << "not the full screen";
        EXPECT_EQ(TextOf(::GetDlgItem(editor, IDC_FONT_FACE)), L"Tahoma");
        EXPECT_EQ(TextOf(::GetDlgItem(editor, IDC_FONT_SIZE)), L"10");
        preview = PreviewFont(editor);
        return IDCANCEL;
    });
    EXPECT_EQ(::GetObjectType(preview), 0u) << "the preview font went with the editor";
}

TEST_F(FontEditorCommand, ApplyUntouchedKeepsEverySetting)
{
    PutItem({MarkCross, L"Milk", L"1", L"Market", L"3"});
    const Canvas before = DrawnRow();
    ChooseListFont([](HWND editor) {
        Click(editor, IDOK);
        return 0;
    });
    EXPECT_EQ(DrawnRow().Differences(before), 0) << "the row looks as it did";
    EXPECT_EQ(StoredFontLines(), StartUpFontLines());
}

TEST_F(FontEditorCommand, ApplyHasTheRowsDrawnAgainInTheNewFont)
{
    PumpMessages();
    ::ValidateRect(List(), nullptr);
    ChooseListFont([](HWND) { return IDOK; });
    CRect update;
    EXPECT_TRUE(::GetUpdateRect(List(), &update, FALSE));
    CRect client;
    ::GetClientRect(List(), &client);
    EXPECT_EQ(update, client);
}

TEST_F(FontEditorCommand, ApplyTwiceLeavesTheChangesOfBoth)
{
    ChooseListFont([](HWND editor) {
        Click(editor, IDC_FONT_BOLD);
        Type(editor, IDC_FONT_SIZE, L"14");
        return IDOK;
    });
    ChooseListFont([](HWND editor) {
        EXPECT_TRUE(Checked(editor, IDC_FONT_BOLD)) << "the editor opens on the applied font";
        EXPECT_EQ(TextOf(::GetDlgItem(editor, IDC_FONT_SIZE)), L"14");
        Click(editor, IDC_FONT_ITALIC);
        return IDOK;
    });
    EXPECT_TRUE(::KillTimer(Window(), TimerStoreAfterChange)) << "the font is stored a few seconds later";
    EXPECT_EQ(StoredFontLines(), (std::vector<std::string>{"14 1 1 0 1", "Tahoma"}));
}

TEST_F(FontEditorCommand, ClosingWithoutApplyLeavesTheListFontAsItWas)
{
    PutItem({MarkCross, L"Milk", L"1", L"Market", L"3"});
    const Canvas before = DrawnRow();
    for (UINT close : {UINT(WM_CLOSE), UINT(WM_COMMAND)}) {
        ChooseListFont([this, &before, close](HWND editor) {
            Click(editor, IDC_FONT_UNDERLINE);
            Pick(editor, IDC_FONT_SIZE, 10);
            Type(editor, IDC_FONT_FACE, L"Courier New");
            EXPECT_EQ(DrawnRow().Differences(before), 0) << "changes stay in the preview";
            ::PostMessageW(editor, close, close == WM_COMMAND ? IDCANCEL : 0, 0);
            return 0;
        });
        EXPECT_EQ(DrawnRow().Differences(before), 0);
    }
    EXPECT_EQ(StoredFontLines(), StartUpFontLines());
}

}  // namespace
