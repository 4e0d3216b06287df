#include "ListFileCommands.h"

#include "../files/Exports.h"
#include "../files/FileStream.h"
#include "../files/ListBody.h"
#include "../files/SafeFileWriter.h"
#include "../files/SystemListFile.h"
#include "../framework/FileDialog.h"
#include "../framework/WinApp.h"
#include "../listview/BulkRowChange.h"
#include "DataFolder.h"

#include <exception>
#include <utility>

namespace {

using FileChoice = CListFileCommands::FileChoice;

const FileChoice kListToRead = {TRUE, L"grl", L"*.grl", L"Gromble List (*.grl)|*.grl|"};
const FileChoice kListToWrite = {FALSE, L"grl", L"*.grl", L"Gromble List (*.grl)|*.grl|"};
const FileChoice kTextExport = {FALSE, L"txt", L"*.txt", L"Text Files (*.txt)|*.txt|"};
const FileChoice kHtmlExport = {FALSE, L"html", L"*.html", L"Html Files (*.html)|*.html|"};

// Everything is written, or nothing changes on the disk.
template <class Write>
bool WriteWholeFile(const CString& path, Write write)
{
    try {
        CSafeFileWriter writer(path);
        return writer.IsOpen() && write(writer.Stream()) && writer.Commit();
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

CListFileCommands::CListFileCommands(CDialog& owner, CShoppingList& list, CItemListCtrl& view)
    : m_owner(owner), m_list(list), m_view(view)
{
}

bool CListFileCommands::AskForFile(const FileChoice& choice, CString& path)
{
    CFileDialog dialog(choice.open, choice.defaultExtension, choice.initialName,
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, choice.filter, nullptr);
    if (dialog.DoModal() != IDOK)
        return false;
    path = dialog.GetPathName();
    return true;
}

void CListFileCommands::Warn(const wchar_t* before, const CString& path, const wchar_t* after)
{
    CString text = CString(before) + path + CString(after);
    m_owner.MessageBox(text, L"Warning", MB_OK | MB_ICONEXCLAMATION);
}

void CListFileCommands::ReadChosenListFile(const std::function<void(CItemRows&)>& take)
{
    CString path;
    if (AskForFile(kListToRead, path))
        ReadListFile(path, take);
    m_owner.UpdateWindow();
}

void CListFileCommands::ReadListFile(const CString& path, const std::function<void(CItemRows&)>& take)
{
    CItemRows items;
    CFileStream file;
    if (!file.Open(path, L"rb") || !ReadListBody(file.Get(), items)) {
        Warn(L"Gromble could not read the file\n", path, L"\nThe list is unchanged.");
        return;
    }
    file.Close();
    {
        CBulkRowChange bulk(m_view);
        take(items);
    }
    m_owner.UpdateData(FALSE);
}

void CListFileCommands::WriteChosenFile(const FileChoice& choice, RowsWriter write)
{
    CString path;
    if (AskForFile(choice, path)) {
        const CItemRows& items = m_list.Items();
        if (WriteWholeFile(path, [&](std::FILE* stream) { return write(stream, items); }))
            m_owner.UpdateData(FALSE);
        else
            Warn(L"Gromble could not write the file\n", path, L"\nA file that was there is unchanged.");
    }
    m_owner.UpdateWindow();
}

void CListFileCommands::Open()
{
    ReadChosenListFile([this](CItemRows& items) { ReplaceList(items); });
}

void CListFileCommands::Open(const CString& path)
{
    ReadListFile(path, [this](CItemRows& items) { ReplaceList(items); });
    m_owner.UpdateWindow();
}

void CListFileCommands::ReplaceList(CItemRows& items)
{
    m_list.ReplaceItems(std::move(items));
}

void CListFileCommands::Attach()
{
    ReadChosenListFile([this](CItemRows& items) { m_list.InsertItemsAhead(items); });
}

void CListFileCommands::Save()
{
    WriteChosenFile(kListToWrite, &WriteListBody);
}

void CListFileCommands::ExportText()
{
    WriteChosenFile(kTextExport, &WriteTextExport);
}

void CListFileCommands::ExportHtml()
{
    WriteChosenFile(kHtmlExport, &WriteHtmlExport);
}

CString CListFileCommands::SystemListPath()
{
    return DataFilePath(SystemListFileName);
}

void CListFileCommands::RestoreSystemList(ListFontSettings& settings)
{
    m_systemListPath = SystemListPath();
    try {
        CFileStream file;
        if (!file.Open(m_systemListPath, L"rb"))
            return;
        CItemRows items;
        // A damaged file still gives the whole records that stand in it.
        ReadSystemList(file.Get(), items, settings);
        file.Close();
        CBulkRowChange bulk(m_view);
        m_list.ReplaceItems(std::move(items));
    } catch (const std::exception&) {
        // The start goes on with what was read.
    }
}

void CListFileCommands::StoreSystemList()
{
    // Without its rows the window would store an empty list over the last one.
    if (m_view.m_hWnd == nullptr || !::IsWindow(m_view.m_hWnd))
        return;
    try {
        const CItemRows& items = m_list.Items();
        const ListFontSettings font = m_view.GetListFontSettings();
        const CString path = m_systemListPath.IsEmpty() ? SystemListPath() : m_systemListPath;
        WriteWholeFile(path, [&](std::FILE* stream) { return WriteSystemList(stream, items, font); });
    } catch (const std::exception&) {
        // The window goes on closing; the old file stays as it was.
    }
}
