#include "TextReader.h"

namespace {

bool IsWhiteSpace(int ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

}  // namespace

bool CTextReader::ReadInteger(int& value)
{
    return std::fscanf(m_stream, "%i", &value) == 1;
}

bool CTextReader::ReadDecimal(int& value)
{
    return std::fscanf(m_stream, "%d", &value) == 1;
}

bool CTextReader::ReadLine(std::string& line)
{
    line.clear();
    int ch = std::getc(m_stream);
    if (ch == EOF)
        return false;
    while (ch != EOF && ch != '\n') {
        line.push_back(static_cast<char>(ch));
        ch = std::getc(m_stream);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

void CTextReader::SkipWhiteSpace()
{
    int ch = std::getc(m_stream);
    while (IsWhiteSpace(ch))
        ch = std::getc(m_stream);
    if (ch != EOF)
        std::ungetc(ch, m_stream);
}
