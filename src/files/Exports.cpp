#include "Exports.h"

#include "ListBody.h"
#include "TextWriter.h"

#include <string>

namespace {

const char kHtmlOpening[] = "<html> \n <head> \n ";
// A page in UTF-8 says so: a browser would take it for the code page of its own.
const char kHtmlUtf8Charset[] = "<meta http-equiv='Content-Type' content='text/html; charset=utf-8'> \n ";
const char kHtmlHead[] =
    "<title>Shopping List</title> \n </head> \n <body> \n <div align='center'> \n "
    " <p align='left'><strong>Shopping List: </strong></p>";
const char kHtmlTableStart[] = "<div align='left'> \n <table width='240' border='1'> \n <tr> \n";
const char kHtmlHeaderCells[] =
    "<th scope='col'>Check</th> \n <th scope='col'>Name</th> \n <th scope='col'>Qt</th> \n "
    "<th scope='col'>Location</th> \n <th scope='col'>Price</th> \n </tr> \n";
const char kHtmlFooterStart[] =
    "</table> \n <p>&nbsp;</p> \n </div> \n <hr> \n   <p align='right'>Generated with Gromble 1.5 <br>";
const char kHtmlHomeLink[] = "<a href='https://gromble.example/'>gromble.example</a>";
const char kHtmlFooterEnd[] = "</br></p> \n </div> \n </body> \n </html>";

// The cells of an item's name, quantity, location and price.
struct HtmlCell {
    const char* start;
    const char* end;
};
const HtmlCell kHtmlItemCells[ItemColumnCount] = {
    {"<td>", "</td> \n"},
    {"<td><div align='center'>", "</div></td> \n"},
    {"<td><div align='center'>", "</div></td> \n"},
    {"<td><div align='right'>", "</div></td> \n"},
};

// "Yes" for a ticked row, "No" for every other mark.
const char* CheckWord(ItemMark mark)
{
    return mark > MarkTick ? "No" : "Yes";
}

// & < > " and ' as character references, so that an item text stays text in a page.
void WriteHtmlText(CTextWriter& out, std::wstring_view text)
{
    std::wstring escaped;
    for (wchar_t ch : text) {
        switch (ch) {
        case L'&': escaped += L"&amp;"; break;
        case L'<': escaped += L"&lt;"; break;
        case L'>': escaped += L"&gt;"; break;
        case L'"': escaped += L"&quot;"; break;
        case L'\'': escaped += L"&#39;"; break;
        default: escaped += ch; break;
        }
    }
    out.WriteText(escaped);
}

}  // namespace

bool WriteTextExport(std::FILE* stream, const CItemRows& items)
{
    CTextWriter out(stream, EncodingToHold(items));
    out.WriteByteOrderMark();
    out.Write("Check \t Name \t Qt \t Location \t Price \n\n");
    CItemRows::Texts texts;
    for (int index = 0; index < items.Count(); ++index) {
        out.Write(CheckWord(items.Mark(index)));
        items.GetTexts(index, texts);
        for (std::wstring_view text : texts) {
            out.Write(" \t ");
            out.WriteText(text);
        }
        out.Write("\n");
    }
    return out.Finish();
}

bool WriteHtmlExport(std::FILE* stream, const CItemRows& items)
{
    CTextWriter out(stream, EncodingToHold(items));
    out.Write(kHtmlOpening);
    if (CodePageOf(out.Encoding()) == CP_UTF8)
        out.Write(kHtmlUtf8Charset);
    out.Write(kHtmlHead);
    out.Write(kHtmlTableStart);
    out.Write(kHtmlHeaderCells);
    CItemRows::Texts texts;
    for (int index = 0; index < items.Count(); ++index) {
        out.Write("<tr> \n<td>");
        out.Write(CheckWord(items.Mark(index)));
        out.Write("</td> \n");
        items.GetTexts(index, texts);
        for (int column = 0; column < ItemColumnCount; ++column) {
            out.Write(kHtmlItemCells[column].start);
            WriteHtmlText(out, texts[column]);
            out.Write(kHtmlItemCells[column].end);
        }
        out.Write("</tr> \n");
    }
    out.Write(kHtmlFooterStart);
    out.Write(kHtmlHomeLink);
    out.Write(kHtmlFooterEnd);
    return out.Finish();
}
