#include "ListFileCommands.h"

#include "../files/Exports.h"
#include "../files/FileStream.h"
#include "../files/ListBody.h"
#include "../files/SafeFileWriter.h"
#include "../framework/FileDialog.h"
#include "../framework/WinApp.h"
#include "../listview/BulkRowChange.h"
#include "DataFolder.h"

#include <utility>

namespace {

using FileChoice = CListFileCommands::FileChoice;

const FileChoice kListToRead = {TRUE, L"grl", L"*.grl", L"Gromble List (*.grl)|*.grl|"};
const FileChoice kListToWrite = {FALSE, L"grl", L"*.grl", L"Gromble List (*.grl)|*.grl|"};
const FileChoice kTextExport = {FALSE, L"txt", L"*.txt", L"Text Files (*.txt)|*.txt|"};
const FileChoice kHtmlExport = {FALSE, L"html", L"*.html", L"Html Files (*.html)|*.html|"};

}  // namespace

CListFileCommands::CListFileCommands(CDialog& owner, CShoppingList& list, CItemListCtrl& view)
    : m_owner(owner), m_list(list), m_view(view)
{
}

bool CListFileCommands::AskForFile(const FileChoice& choice, CString& path)
{
    CFileDialog dialog(choice.open, choice.defaultExtension, choice.initialName,
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, choice.filter, &m_owner);
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
