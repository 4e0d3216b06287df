#include "Exports.h"

#include "../framework/TextCodec.h"

namespace {

const char kHtmlHead[] =
    "<html> \n <head> \n <title>Shopping List</title> \n </head> \n <body> \n <div align='center'> \n "
    " <p align='left'><strong>Shopping List: </strong></p>";
const char kHtmlTableStart[] = "<div align='left'> \n <table width='240' border='1'> \n <tr> \n";
const char kHtmlHeaderCells[] =
    "<th scope='col'>Check</th> \n <th scope='col'>Name</th> \n <th scope='col'>Qt</th> \n "
    "<th scope='col'>Location</th> \n <th scope='col'>Price</th> \n </tr> \n";
const char kHtmlFooterStart[] =
    "</table> \n <p>&nbsp;</p> \n </div> \n <hr> \n   <p align='right'>Generated with Gromble 1.5 <br>";
const char kHtmlHomeLink[] = "<a href='https://gromble.example/'>gromble.example</a>";
const char kHtmlFooterEnd[] = "</br></p> \n </div> \n </body> \n </html>";

std::string HtmlText(const CString& text)
{
    return NarrowText(EscapeHtml(text));
}

}  // namespace

const char* CheckWord(int mark)
{
    return mark > MarkTick ? "No" : "Yes";
}

CString EscapeHtml(const CString& text)
{
    CString escaped;
    for (int at = 0; at < text.GetLength(); ++at) {
        switch (wchar_t ch = text.GetAt(at)) {
        case L'&': escaped += L"&amp;"; break;
        case L'<': escaped += L"&lt;"; break;
        case L'>': escaped += L"&gt;"; break;
        case L'"': escaped += L"&quot;"; break;
        case L'\'': escaped += L"&#39;"; break;
        default: escaped += ch; break;
        }
    }
    return escaped;
}

bool WriteTextExport(std::FILE* stream, const CItemRows& items)
{
    std::fputs("Check \t Name \t Qt \t Location \t Price \n\n", stream);
    for (int index = 0; index < items.Count(); ++index) {
        const ItemRow row = items.Get(index);
        std::fprintf(stream, "%s \t %s \t %s \t %s \t %s\n", CheckWord(row.mark), NarrowText(row.name).c_str(),
                     NarrowText(row.quantity).c_str(), NarrowText(row.location).c_str(),
                     NarrowText(row.price).c_str());
    }
    return std::ferror(stream) == 0;
}

bool WriteHtmlExport(std::FILE* stream, const CItemRows& items)
{
    std::fputs(kHtmlHead, stream);
    std::fputs(kHtmlTableStart, stream);
    std::fputs(kHtmlHeaderCells, stream);
    for (int index = 0; index < items.Count(); ++index) {
        const ItemRow row = items.Get(index);
        std::fputs("<tr> \n", stream);
        std::fprintf(stream, "<td>%s</td> \n", CheckWord(row.mark));
        std::fprintf(stream, "<td>%s</td> \n", HtmlText(row.name).c_str());
        std::fprintf(stream, "<td><div align='center'>%s</div></td> \n", HtmlText(row.quantity).c_str());
        std::fprintf(stream, "<td><div align='center'>%s</div></td> \n", HtmlText(row.location).c_str());
        std::fprintf(stream, "<td><div align='right'>%s</div></td> \n", HtmlText(row.price).c_str());
        std::fputs("</tr> \n", stream);
    }
    std::fputs(kHtmlFooterStart, stream);
    std::fputs(kHtmlHomeLink, stream);
    std::fputs(kHtmlFooterEnd, stream);
    return std::ferror(stream) == 0;
}
