#include "ListFileCommands.h"

#include "../files/Exports.h"
#include "../files/FileStream.h"
#include "../files/ListBody.h"
#include "../files/SafeFileWriter.h"
#include "../framework/FileDialog.h"
#include "../listview/BulkRowChange.h"
#include "Warnings.h"

#include <utility>

namespace {

using FileChoice = CListFileCommands::FileChoice;

const FileChoice kListToRead = {TRUE, L"grl", L"*.grl", L"Gromble List (*.grl)|*.grl|"};
const FileChoice kListToWrite = {FALSE, L"grl", L"*.grl", L"Gromble List (*.grl)|*.grl|"};
const FileChoice kTextExport = {FALSE, L"txt", L"*.txt", L"Text Files (*.txt)|*.txt|"};
const FileChoice kHtmlExport = {FALSE, L"html", L"*.html", L"Html Files (*.html)|*.html|"};

}  // namespace

CListFileCommands::CListFileCommands(CDialog& owner, CShoppingList& list, CItemListCtrl& listCtrl)
    : m_owner(owner), m_shoppingList(list), m_listCtrl(listCtrl)
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
        ShowWarning(m_owner.m_hWnd, CString(L"Gromble could not read the file\n") + path + L"\nThe list is unchanged.");
        return;
    }
    file.Close();
    {
        CBulkRowChange bulk(m_listCtrl);
        take(items);
    }
    m_owner.UpdateData(FALSE);
}

void CListFileCommands::WriteChosenFile(const FileChoice& choice, RowsWriter write)
{
    CString path;
    if (AskForFile(choice, path)) {
        const CItemRows& items = m_shoppingList.Items();
        if (WriteWholeFile(path, [&](std::FILE* stream) { return write(stream, items); }))
            m_owner.UpdateData(FALSE);
        else
            ShowWarning(m_owner.m_hWnd,
                        CString(L"Gromble could not write the file\n") + path + L"\nA file that was there is unchanged.");
    }
    m_owner.UpdateWindow();
}

void CListFileCommands::OnOpen()
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
    m_shoppingList.ReplaceItems(std::move(items));
}

void CListFileCommands::OnAttach()
{
    ReadChosenListFile([this](CItemRows& items) { m_shoppingList.InsertItemsAhead(std::move(items)); });
}

void CListFileCommands::OnSave()
{
    WriteChosenFile(kListToWrite, &WriteListBody);
}

void CListFileCommands::OnExportText()
{
    WriteChosenFile(kTextExport, &WriteTextExport);
}

void CListFileCommands::OnExportHtml()
{
    WriteChosenFile(kHtmlExport, &WriteHtmlExport);
}
