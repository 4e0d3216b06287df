// The main window's list files, exports and system list file: Open, Attach,
// Save, the two exports, and the store and restore around the window's life.
#include "../mainwnd/ShoppingDlg.h"

#include "../font/ListFont.h"
#include "../framework/FileDialog.h"
#include "../listview/BulkRowChange.h"
#include "Exports.h"
#include "FileStream.h"
#include "ListBody.h"
#include "SafeFileWriter.h"
#include "SystemListFile.h"

#include <exception>
#include <vector>

namespace {

struct FileChoice {
    BOOL open;
    const wchar_t* defaultExtension;
    const wchar_t* initialName;
    const wchar_t* filter;
};

const FileChoice kListToRead = {TRUE, L"grl", L"*.grl", L"Gromble List (*.grl)|*.grl|"};
const FileChoice kListToWrite = {FALSE, L"grl", L"*.grl", L"Gromble List (*.grl)|*.grl|"};
const FileChoice kTextExport = {FALSE, L"txt", L"*.txt", L"Text Files (*.txt)|*.txt|"};
const FileChoice kHtmlExport = {FALSE, L"html", L"*.html", L"Html Files (*.html)|*.html|"};

bool AskForFile(const FileChoice& choice, CString& path)
{
    CFileDialog dialog(choice.open, choice.defaultExtension, choice.initialName,
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, choice.filter, nullptr);
    if (dialog.DoModal() != IDOK)
        return false;
    path = dialog.GetPathName();
    return true;
}

void Warn(CWnd& owner, const wchar_t* before, const CString& path, const wchar_t* after)
{
    CString text = CString(before) + path + CString(after);
    owner.MessageBox(text, L"Warning", MB_OK | MB_ICONEXCLAMATION);
}

void WarnCannotRead(CWnd& owner, const CString& path)
{
    Warn(owner, L"Gromble could not read the file\n", path, L"\nThe list is unchanged.");
}

void WarnCannotWrite(CWnd& owner, const CString& path)
{
    Warn(owner, L"Gromble could not write the file\n", path, L"\nA file that was there is unchanged.");
}

using ListWriter = bool (*)(std::FILE*, const CItemListCtrl&);

// Everything is written, or nothing changes on the disk.
bool WriteWholeFile(const CString& path, const CItemListCtrl& list, ListWriter write)
{
    try {
        CSafeFileWriter writer(path);
        return writer.IsOpen() && write(writer.Stream(), list) && writer.Commit();
    } catch (const std::exception&) {
        return false;
    }
}

// Asks for the file, writes it whole or says that it could not, and repaints.
void WriteChosenFile(CDialog& owner, const CItemListCtrl& list, const FileChoice& choice, ListWriter write)
{
    CString path;
    if (AskForFile(choice, path)) {
        if (WriteWholeFile(path, list, write))
            owner.UpdateData(FALSE);
        else
            WarnCannotWrite(owner, path);
    }
    owner.UpdateWindow();
}

CString FullPathOf(const wchar_t* name)
{
    DWORD needed = ::GetFullPathNameW(name, 0, nullptr, nullptr);
    std::vector<wchar_t> buffer(needed + 1, L'\0');
    if (needed == 0 || ::GetFullPathNameW(name, needed + 1, buffer.data(), nullptr) == 0)
        return CString(name);
    return CString(buffer.data());
}

}  // namespace

void CShoppingDlg::InsertFileRow(int index, const ItemRow& row)
{
    // A row the list could not take must not count in the total.
    const int before = m_list.GetItemCount();
    m_list.InsertRow(index, row);
    if (m_list.GetItemCount() > before)
        AddPrice(row.price);
}

void CShoppingDlg::ReadChosenListFile(const std::function<void(std::FILE*)>& read)
{
    CString path;
    if (AskForFile(kListToRead, path)) {
        // The file must be there before anything of the list is given up.
        CFileStream file;
        if (!file.Open(path, L"rb")) {
            WarnCannotRead(*this, path);
        } else {
            {
                CBulkRowChange bulk(m_list);
                read(file.Get());
            }
            file.Close();
            UpdateData(FALSE);
        }
    }
    UpdateWindow();
}

void CShoppingDlg::OnOpen()
{
    ReadChosenListFile([this](std::FILE* file) {
        RemoveAllRows();
        CListBodyReader body(file);
        body.ReadRowCount();
        InsertClosingRows();
        body.ReadItems([this](int index, const ItemRow& row) { InsertFileRow(index, row); });
    });
}

void CShoppingDlg::OnAttach()
{
    ReadChosenListFile([this](std::FILE* file) {
        ReadListBody(file, [this](int index, const ItemRow& row) { InsertFileRow(index, row); });
    });
}

void CShoppingDlg::OnSave()
{
    WriteChosenFile(*this, m_list, kListToWrite, &WriteListBody);
}

void CShoppingDlg::OnExportText()
{
    WriteChosenFile(*this, m_list, kTextExport, &WriteTextExport);
}

void CShoppingDlg::OnExportHtml()
{
    WriteChosenFile(*this, m_list, kHtmlExport, &WriteHtmlExport);
}

void CShoppingDlg::RestoreSystemList(LOGFONTW& settings)
{
    // Fixed now: a file dialog may change the current folder before the store.
    m_systemListPath = FullPathOf(SystemListFileName);
    try {
        CFileStream file;
        if (!file.Open(m_systemListPath, L"rb"))
            return;
        CBulkRowChange bulk(m_list);
        ReadSystemList(file.Get(), [this](int index, const ItemRow& row) { InsertFileRow(index, row); }, settings);
    } catch (const std::exception&) {
        // The start goes on with what was read.
    }
}

void CShoppingDlg::StoreSystemList()
{
    // Without its rows the window would store an empty list over the last one.
    if (m_list.m_hWnd == nullptr || !::IsWindow(m_list.m_hWnd))
        return;
    try {
        LOGFONTW font = StartupListFontSettings();
        LOGFONTW current = {};
        if (ListFont.GetLogFont(&current) == sizeof(LOGFONTW))
            font = current;
        const CString path = m_systemListPath.IsEmpty() ? FullPathOf(SystemListFileName) : m_systemListPath;
        CSafeFileWriter writer(path);
        if (writer.IsOpen() && WriteSystemList(writer.Stream(), m_list, font))
            writer.Commit();
    } catch (const std::exception&) {
        // The window goes on closing; the old file stays as it was.
    }
}
