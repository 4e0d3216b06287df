#include "support/FileCommandTest.h"

#include "res/resource.h"

namespace {

const std::string kTextHeading = "Check \t Name \t Qt \t Location \t Price \n\n";

std::string HtmlPage(const std::string& rows, const std::string& charset = "")
{
    return "<html> \n <head> \n " + charset +
           "<title>Shopping List</title> \n </head> \n <body> \n <div align='center'> \n  "
           "<p align='left'><strong>Shopping List: </strong></p>"
           "<div align='left'> \n <table width='240' border='1'> \n <tr> \n"
           "<th scope='col'>Check</th> \n <th scope='col'>Name</th> \n <th scope='col'>Qt</th> \n "
           "<th scope='col'>Location</th> \n <th scope='col'>Price</th> \n </tr> \n" +
           rows +
           "</table> \n <p>&nbsp;</p> \n </div> \n <hr> \n   <p align='right'>Generated with Gromble 1.5 <br>"
           "<a href='https://gromble.example/'>gromble.example</a>"
           "</br></p> \n </div> \n </body> \n </html>";
}

std::string HtmlRow(const std::string& check, const std::string& name, const std::string& quantity,
                    const std::string& location, const std::string& price)
{
    return "<tr> \n<td>" + check + "</td> \n<td>" + name + "</td> \n<td><div align='center'>" + quantity +
           "</div></td> \n<td><div align='center'>" + location + "</div></td> \n<td><div align='right'>" + price +
           "</div></td> \n</tr> \n";
}

class Export : public FileCommandTest {
protected:
    void PutEveryMark()
    {
        PutItem({3, L"Tea", L"1", L"\u4e2d", L"\u20ac3"});
        PutItem({2, L"Salt", L"2", L"Shop", L"1"});
        PutItem({1, L"<b>&\"'", L"", L"", L""});
        PutItem({0, L"Bread \u0142", L"1", L"Bakery", L"2"});
    }
};

TEST_F(Export, AsksForItsFileAndACancelWritesNothing)
{
    RunWithFile(ID_EXPORT_TEXT, L"");
    RunWithFile(ID_EXPORT_HTML, L"");
    const std::vector<TestPrompts::FileRequest>& requests = m_prompts->FileRequests();
    ASSERT_EQ(requests.size(), 2u);
    const wchar_t* expected[2][3] = {{L"txt", L"*.txt", L"Text Files (*.txt)|*.txt|"},
                                     {L"html", L"*.html", L"Html Files (*.html)|*.html|"}};
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_FALSE(requests[i].open);
        EXPECT_EQ(requests[i].defaultExtension, expected[i][0]);
        EXPECT_EQ(requests[i].initialFileName, expected[i][1]);
        EXPECT_EQ(requests[i].filter, expected[i][2]);
        EXPECT_EQ(requests[i].flags & ~DWORD(OFN_EXPLORER | OFN_ENABLESIZING), 6u);
    }
    EXPECT_TRUE(FolderEntries(m_folder->Path()).empty());
}

TEST_F(Export, TextIsATabSeparatedTableWithTextsAsTyped)
{
    RunWithFile(ID_EXPORT_TEXT, m_folder->File(L"list.txt"));
    EXPECT_EQ(ReadBytes(m_folder->File(L"list.txt")), kTextHeading) << "an empty list";

    PutEveryMark();
    const std::vector<ShownRow> before = Rows();
    RunWithFile(ID_EXPORT_TEXT, m_folder->File(L"list.txt"));
    EXPECT_EQ(ReadBytes(m_folder->File(L"list.txt")), "\xef\xbb\xbf" + kTextHeading +
                                                          "Yes \t Bread \xc5\x82 \t 1 \t Bakery \t 2\n"
                                                          "No \t <b>&\"' \t  \t  \t \n"
                                                          "No \t Salt \t 2 \t Shop \t 1\n"
                                                          "No \t Tea \t 1 \t \xe4\xb8\xad \t \xe2\x82\xac" "3\n")
        << "texts outside the code page: UTF-8 after the byte-order mark";
    EXPECT_EQ(Rows(), before) << "an export changes nothing in the list";
}

TEST_F(Export, HtmlIsAPageWithOneTableRowPerItemAndItemTextsEscaped)
{
    RunWithFile(ID_EXPORT_HTML, m_folder->File(L"list.html"));
    EXPECT_EQ(ReadBytes(m_folder->File(L"list.html")), HtmlPage("")) << "an empty list";

    PutEveryMark();
    PutItem({0, L"Fish & Chips", L"<2>", L"\"Harbour\"", L"'5'"});
    RunWithFile(ID_EXPORT_HTML, m_folder->File(L"list.html"));
    EXPECT_EQ(ReadBytes(m_folder->File(L"list.html")),
              HtmlPage(HtmlRow("Yes", "Fish &amp; Chips", "&lt;2&gt;", "&quot;Harbour&quot;", "&#39;5&#39;") +
                       HtmlRow("Yes", "Bread \xc5\x82", "1", "Bakery", "2") +
                       HtmlRow("No", "&lt;b&gt;&amp;&quot;&#39;", "", "", "") + HtmlRow("No", "Salt", "2", "Shop", "1") +
                       HtmlRow("No", "Tea", "1", "\xe4\xb8\xad", "\xe2\x82\xac" "3"),
                   "<meta http-equiv='Content-Type' content='text/html; charset=utf-8'> \n "))
        << "texts outside the code page: UTF-8, said in the head";
}

TEST_F(Export, AnExportThatCannotBeWrittenKeepsTheOldFileAndSaysSo)
{
    PutEveryMark();
    const std::vector<ShownRow> before = Rows();
    const std::wstring readOnly = m_folder->File(L"old.html");
    WriteBytes(readOnly, "old page");
    ASSERT_TRUE(::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    m_prompts->Answer(IDOK);
    RunWithFile(ID_EXPORT_HTML, readOnly);
    ExpectWarningNaming(readOnly);
    EXPECT_EQ(ReadBytes(readOnly), "old page");

    m_prompts->Answer(IDOK);
    RunWithFile(ID_EXPORT_TEXT, m_folder->File(L"missing\\list.txt"));
    ExpectWarningNaming(m_folder->File(L"missing\\list.txt"), 2);
    EXPECT_EQ(FolderEntries(m_folder->Path()), std::vector<std::wstring>{L"old.html"});
    EXPECT_EQ(Rows(), before);
}

}  // namespace
