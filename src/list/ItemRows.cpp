#include "ItemRows.h"

#include <algorithm>
#include <cwchar>
#include <new>

namespace {

// Blocks smaller than this are never worth compacting.
constexpr size_t kSmallestCompacted = 4096;

}  // namespace

void CItemRows::Reserve(size_t rows, size_t characters)
{
    m_rows.reserve(m_rows.size() + rows);
    m_texts.reserve(m_texts.size() + characters);
}

void CItemRows::ViewsOf(const ItemRow& row, Texts& texts)
{
    for (ItemColumn column : ItemColumns)
        texts[column] = row.Text(column).str();
}

CItemRows::PackedRow CItemRows::AppendTexts(const Texts& texts, ItemMark mark)
{
    const size_t start = m_texts.size();
    try {
        for (std::wstring_view text : texts) {
            text = text.substr(0, std::min(text.size(), text.find(L'\0')));
            m_texts.insert(m_texts.end(), text.begin(), text.end());
            m_texts.push_back(L'\0');
        }
    } catch (...) {
        m_texts.resize(start);
        throw;
    }
    return {start, mark, static_cast<uint32_t>(m_texts.size() - start)};
}

void CItemRows::MakeRoomForRow()
{
    if (m_rows.size() == m_rows.capacity())
        m_rows.reserve(std::max<size_t>(16, 2 * m_rows.size()));
}

ItemRow CItemRows::Get(int index) const
{
    ItemRow row;
    row.mark = Mark(index);
    for (ItemColumn column : ItemColumns)
        row.Text(column) = Text(index, column);
    return row;
}

std::wstring_view CItemRows::TextView(int index, ItemColumn column) const
{
    const wchar_t* text = m_texts.data() + m_rows[static_cast<size_t>(index)].start;
    for (int skipped = 0; skipped < column; ++skipped)
        text += std::wcslen(text) + 1;
    return std::wstring_view(text, std::wcslen(text));
}

void CItemRows::GetTexts(int index, Texts& texts) const
{
    const wchar_t* text = m_texts.data() + m_rows[static_cast<size_t>(index)].start;
    for (std::wstring_view& view : texts) {
        view = std::wstring_view(text, std::wcslen(text));
        text += view.size() + 1;
    }
}

CString CItemRows::Text(int index, ItemColumn column) const
{
    std::wstring_view text = TextView(index, column);
    return CString(text.data(), static_cast<int>(text.size()));
}

void CItemRows::Forget(const PackedRow& row)
{
    m_unused += TextsLength(row);
}

void CItemRows::CompactWhenMostlyUnused()
{
    if (m_texts.size() < kSmallestCompacted || m_unused < m_texts.size() / 2)
        return;
    std::vector<wchar_t> kept;
    try {
        kept.reserve(m_texts.size() - m_unused);
    } catch (const std::bad_alloc&) {
        return;  // the block stays larger than it needs to be
    }
    for (PackedRow& row : m_rows) {
        const auto first = m_texts.begin() + static_cast<std::ptrdiff_t>(row.start);
        const auto last = first + static_cast<std::ptrdiff_t>(TextsLength(row));
        row.start = kept.size();
        kept.insert(kept.end(), first, last);
    }
    m_texts.swap(kept);
    m_unused = 0;
}

void CItemRows::SetTexts(int index, const ItemRow& row)
{
    Texts texts;
    ViewsOf(row, texts);
    const PackedRow appended = AppendTexts(texts, MarkCross);
    PackedRow& target = m_rows[static_cast<size_t>(index)];
    Forget(target);
    target.start = appended.start;
    target.length = appended.length;
    CompactWhenMostlyUnused();
}

void CItemRows::Insert(int index, const ItemRow& row)
{
    Texts texts;
    ViewsOf(row, texts);
    MakeRoomForRow();
    const PackedRow packed = AppendTexts(texts, row.mark);
    m_rows.insert(m_rows.begin() + index, packed);
}

void CItemRows::Append(const ItemRow& row)
{
    Insert(Count(), row);
}

void CItemRows::Append(ItemMark mark, const Texts& texts)
{
    MakeRoomForRow();
    const PackedRow packed = AppendTexts(texts, mark);
    m_rows.push_back(packed);
}

void CItemRows::InsertAhead(const CItemRows& rows)
{
    m_rows.reserve(m_rows.size() + rows.m_rows.size());
    const size_t offset = m_texts.size();
    m_texts.insert(m_texts.end(), rows.m_texts.begin(), rows.m_texts.end());
    m_unused += rows.m_unused;
    m_rows.insert(m_rows.begin(), rows.m_rows.begin(), rows.m_rows.end());
    for (size_t at = 0; at < rows.m_rows.size(); ++at)
        m_rows[at].start += offset;
}

void CItemRows::EraseAhead(int count)
{
    const auto first = m_rows.begin(), last = m_rows.begin() + count;
    size_t characters = 0, lowest = m_texts.size();
    for (auto row = first; row != last; ++row) {
        characters += TextsLength(*row);
        lowest = std::min(lowest, row->start);
    }
    // Their texts are the block's last part, with no other row's among them.
    if (lowest + characters == m_texts.size())
        m_texts.resize(lowest);
    else
        m_unused += characters;
    m_rows.erase(first, last);
    CompactWhenMostlyUnused();
}

void CItemRows::Erase(int index)
{
    Forget(m_rows[static_cast<size_t>(index)]);
    m_rows.erase(m_rows.begin() + index);
    CompactWhenMostlyUnused();
}

void CItemRows::Move(int from, int to)
{
    const auto first = m_rows.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (to < from)
        std::rotate(first + to, first + from, first + from + 1);
}

void CItemRows::Clear()
{
    std::vector<PackedRow>().swap(m_rows);
    std::vector<wchar_t>().swap(m_texts);
    m_unused = 0;
}
